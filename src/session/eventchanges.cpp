#include "session/eventchanges.h"

#include "model/eventsfile.h"
#include "model/periodtables.h"
#include "session/poolsession.h"

#include <memory>

namespace vek {
namespace {

template <class From, class To> void copyEventValues(const From& from, To& to) {
    to.seasonPoints = from.seasonPoints;
    to.seasonGbPoints = from.seasonGbPoints;
    to.halfPoints = from.halfPoints;
    to.halfGbPoints = from.halfGbPoints;
    to.halfWeeks = from.halfWeeks;
    to.quarterPoints = from.quarterPoints;
    to.quarterGbPoints = from.quarterGbPoints;
    to.quarterWeeks = from.quarterWeeks;
    to.goodWeekMinWins = from.goodWeekMinWins;
    to.goodWeekPoints = from.goodWeekPoints;
    to.goodWeekMinCp = from.goodWeekMinCp;
    to.badWeekMaxWins = from.badWeekMaxWins;
    to.badWeekPoints = from.badWeekPoints;
    to.badWeekMaxCp = from.badWeekMaxCp;
    to.perfectWeekPoints = from.perfectWeekPoints;
    to.wildChoicePoints = from.wildChoicePoints;
    to.over50Points = from.over50Points;
    to.mondayNightPoints = from.mondayNightPoints;
    to.postSeasonPoints = from.postSeasonPoints;
    to.divWinnerPoints = from.divWinnerPoints;
    to.wildCardPoints = from.wildCardPoints;
    to.divAsWildCardPoints = from.divAsWildCardPoints;
    to.wildCardAsDivPoints = from.wildCardAsDivPoints;
    to.bigGamePoints = from.bigGamePoints;
}

} // namespace

EventValues eventValuesOf(const PoolData& pool) {
    EventValues values;
    copyEventValues(pool, values);
    return values;
}

WriteResult changeEventProfiles(PoolSession& session, const EventValues& values) {
    auto scratch = std::make_unique<PoolData>();
    copyEventValues(values, *scratch);
    const WriteResult result = writeEventProfiles(session.folder(), *scratch);
    if (!result) {
        return result;
    }
    PoolData& pool = session.pool();
    copyEventValues(values, pool);
    derivePeriodTables(pool);
    return result;
}

} // namespace vek
