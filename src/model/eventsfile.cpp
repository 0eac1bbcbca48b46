#include "model/eventsfile.h"

#include "model/datafolder.h"
#include "model/periodtables.h"
#include "model/pooldata.h"

namespace vek {
namespace {

template <class Table, class F> void visitEntries(Table& table, int count, F& f) {
    for (int i = 0; i < count; ++i) {
        f(table[i]);
    }
}

// The 81 values in file order, for the reader and the writer alike.
template <class Settings, class F> void visitEventValues(Settings& settings, F&& f) {
    f(settings.seasonPoints);
    f(settings.seasonGbPoints);
    f(settings.halfPoints);
    f(settings.halfGbPoints);
    visitEntries(settings.halfWeeks, 2, f);
    f(settings.quarterPoints);
    f(settings.quarterGbPoints);
    visitEntries(settings.quarterWeeks, 4, f);
    visitEntries(settings.goodWeekMinWins, StoredWeekSizeEntries, f);
    visitEntries(settings.goodWeekPoints, StoredWeekSizeEntries, f);
    visitEntries(settings.goodWeekMinCp, StoredWeekSizeEntries, f);
    visitEntries(settings.badWeekMaxWins, StoredWeekSizeEntries, f);
    visitEntries(settings.badWeekPoints, StoredWeekSizeEntries, f);
    visitEntries(settings.badWeekMaxCp, StoredWeekSizeEntries, f);
    visitEntries(settings.perfectWeekPoints, StoredWeekSizeEntries, f);
    f(settings.wildChoicePoints);
    f(settings.over50Points);
    f(settings.mondayNightPoints);
    f(settings.postSeasonPoints);
    visitEntries(settings.divWinnerPoints, 4, f);
    visitEntries(settings.wildCardPoints, 2, f);
    f(settings.divAsWildCardPoints);
    f(settings.wildCardAsDivPoints);
    f(settings.bigGamePoints);
}

} // namespace

// The defaults set only these; the confidence thresholds and the division-winner and wild-card points
// keep what they held.
void applyEventDefaults(PoolData& pool) {
    pool.seasonPoints = 2500;
    pool.seasonGbPoints = 100;
    pool.halfPoints = 1250;
    pool.halfGbPoints = 50;
    pool.quarterPoints = 1000;
    pool.quarterGbPoints = 25;
    pool.halfWeeks[0] = 10;
    pool.halfWeeks[1] = 8;
    pool.quarterWeeks[0] = 4;
    pool.quarterWeeks[1] = 5;
    pool.quarterWeeks[2] = 4;
    pool.quarterWeeks[3] = 5;
    for (int i = 0; i < StoredWeekSizeEntries; ++i) {
        pool.goodWeekMinWins[i] = 10;
        pool.goodWeekPoints[i] = 500;
        pool.badWeekMaxWins[i] = 2;
        pool.badWeekPoints[i] = 2000;
        pool.perfectWeekPoints[i] = 2000;
    }
    pool.wildChoicePoints = 500;
    pool.over50Points = 500;
    pool.mondayNightPoints = 500;
    pool.postSeasonPoints = 1000;
    pool.bigGamePoints = 1000;
}

ReadOutcome readEventProfiles(const DataFolder& folder, PoolData& pool) {
    ReadOutcome outcome;
    std::optional<DataReader> reader = openDataFile(folder, EventsFileName, outcome);
    if (reader) {
        visitEventValues(pool.eventSettings(), [&](auto& value) { reader->read(value); });
        outcome.endedEarly = reader->hitEnd();
        outcome.valuesReplaced = reader->unusedValues();
    } else {
        applyEventDefaults(pool);
    }
    derivePeriodTables(pool);
    return outcome;
}

WriteResult writeEventProfiles(const DataFolder& folder, const EventSettings& settings) {
    DataWriter writer;
    visitEventValues(settings, [&](auto value) { writer.writeInt(value); });
    return writer.commit(folder, EventsFileName);
}

} // namespace vek
