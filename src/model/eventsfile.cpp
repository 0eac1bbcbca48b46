#include "model/eventsfile.h"

#include "model/datafolder.h"
#include "model/periodtables.h"
#include "model/pooldata.h"

namespace vek {
namespace {

const QString FileName = QStringLiteral("events.dat");

template <class Table, class F> void visitEntries(Table& table, int count, F& f) {
    for (int i = 0; i < count; ++i) {
        f(table[i]);
    }
}

// The 81 values in file order, for the reader and the writer alike.
template <class Pool, class F> void visitEventValues(Pool& pool, F&& f) {
    f(pool.seasonPoints);
    f(pool.seasonGbPoints);
    f(pool.halfPoints);
    f(pool.halfGbPoints);
    visitEntries(pool.halfWeeks, 2, f);
    f(pool.quarterPoints);
    f(pool.quarterGbPoints);
    visitEntries(pool.quarterWeeks, 4, f);
    visitEntries(pool.goodWeekMinWins, StoredWeekSizeEntries, f);
    visitEntries(pool.goodWeekPoints, StoredWeekSizeEntries, f);
    visitEntries(pool.goodWeekMinCp, StoredWeekSizeEntries, f);
    visitEntries(pool.badWeekMaxWins, StoredWeekSizeEntries, f);
    visitEntries(pool.badWeekPoints, StoredWeekSizeEntries, f);
    visitEntries(pool.badWeekMaxCp, StoredWeekSizeEntries, f);
    visitEntries(pool.perfectWeekPoints, StoredWeekSizeEntries, f);
    f(pool.wildChoicePoints);
    f(pool.over50Points);
    f(pool.mondayNightPoints);
    f(pool.postSeasonPoints);
    visitEntries(pool.divWinnerPoints, 4, f);
    visitEntries(pool.wildCardPoints, 2, f);
    f(pool.divAsWildCardPoints);
    f(pool.wildCardAsDivPoints);
    f(pool.bigGamePoints);
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
    std::optional<DataReader> reader = DataReader::open(folder, FileName);
    if (reader) {
        outcome.opened = true;
        visitEventValues(pool, [&](auto& value) { reader->read(value); });
        outcome.endedEarly = reader->hitEnd();
    } else {
        applyEventDefaults(pool);
    }
    derivePeriodTables(pool);
    return outcome;
}

WriteResult writeEventProfiles(const DataFolder& folder, const PoolData& pool) {
    DataWriter writer;
    visitEventValues(pool, [&](auto value) { writer.writeInt(value); });
    return writer.commit(folder, FileName);
}

} // namespace vek
