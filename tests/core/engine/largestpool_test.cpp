// Start-up and a season's scoring of the largest pool the tables hold, pinned by checksums of every
// table they fill: reading the files and the engine must keep giving exactly these tables.
#include "app/startup.h"
#include "engine/seasonscoring.h"
#include "engine/weeksort.h"
#include "session/poolsession.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>

namespace vek {
namespace {

// FNV-1a over the values, one after another, field by field (never over padding).
class Checksum {
public:
    template <class... Values> Checksum& add(const Values&... values) {
        (addOne(values), ...);
        return *this;
    }
    [[nodiscard]] uint64_t value() const { return m_hash; }

private:
    void addOne(int64_t value) {
        for (int i = 0; i < 8; ++i) {
            m_hash = (m_hash ^ ((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF)) * 0x100000001B3ULL;
        }
    }
    template <class T>
    requires std::is_integral_v<T>
    void addOne(T value) { addOne(static_cast<int64_t>(value)); }
    void addOne(float value) { addOne(std::bit_cast<int32_t>(value)); }
    void addOne(double value) { addOne(std::bit_cast<int64_t>(value)); }
    void addOne(const QString& text) {
        addOne(text.size());
        for (const QChar c : text) {
            addOne(c.unicode());
        }
    }
    void addOne(const Division& d) { add(d.firstTeam, d.teamCount, d.lastTeam); }
    void addOne(const TeamStanding& s) { addOne(std::bit_cast<std::array<int16_t, 22>>(s)); }
    void addOne(const WeekStanding& s) {
        add(s.memberIndex, s.weekWins, s.weekLosses, s.overStreak, s.longestOverStreak, s.uniqueWins,
            s.uniqueLosses, s.mondayWins, s.postSeasonScore, s.bigGameWins, s.elimFlags, s.eventFlags,
            s.seasonWins, s.seasonLosses, s.seasonCp, s.weekCp, s.halfWins, s.halfLosses, s.quarterWins,
            s.quarterLosses, s.halfCp, s.quarterCp, s.pointsTotal);
    }
    template <class Range>
    requires requires(const Range& r) { r.begin(); }
    void addOne(const Range& items) {
        for (const auto& item : items) {
            addOne(item);
        }
    }

    uint64_t m_hash = 0xCBF29CE484222325ULL;
};

uint64_t loadedTables(const PoolData& p) {
    return Checksum()
        .add(p.numTeams, p.teamName, p.teamAbbr, p.teamIcon, p.divisionRec)
        .add(p.weeklyPicks, p.usePointSpreads, p.confidenceMode, p.pointsSystem, p.mnTieBreaker)
        .add(p.halfWeeks, p.quarterWeeks, p.halfFirstWeek, p.halfLastWeek, p.quarterFirstWeek,
             p.quarterLastWeek)
        .add(p.goodWeekMinWins, p.goodWeekPoints, p.badWeekMaxWins, p.perfectWeekPoints, p.divWinnerPoints)
        .add(p.wildCardPoints, p.goodWeekMinCp, p.badWeekPoints, p.badWeekMaxCp)
        .add(p.seasonPoints, p.seasonGbPoints, p.halfPoints, p.halfGbPoints, p.quarterPoints,
             p.quarterGbPoints)
        .add(p.wildChoicePoints, p.over50Points, p.mondayNightPoints, p.postSeasonPoints)
        .add(p.divAsWildCardPoints, p.wildCardAsDivPoints, p.bigGamePoints)
        .add(p.seasonYear, p.numWeeks, p.byesPerTeam, p.gamesPerWeek, p.openDates, p.minWeekGames)
        .add(p.scheduleGrid, p.scheduleEntries, p.scheduleVerified, p.currentWeek)
        .add(p.numMembers, p.defaultMember, p.memberName, p.memberEmail, p.memberPicks, p.confidencePoints)
        .add(p.mondayNightTotal, p.postSeasonPicks, p.predictionsComplete)
        .add(p.gameWinner, p.gameScore, p.favoriteTeam, p.pointSpread, p.spreadWinner)
        .add(p.postSeasonResults, p.postSeasonSeeds)
        .value();
}

uint64_t computedTables(const PoolData& p) {
    return Checksum()
        .add(p.memberStandings, p.consensusStandings, p.leagueStandings)
        .add(p.pickDiffWeek, p.pickDiffTotal, p.pickDiffMonday, p.uniquePicks, p.uniquePicksWeek,
             p.memberOdds)
        .value();
}

uint64_t scoredTables(const PoolData& p) {
    return Checksum().add(p.weekStandings, p.maxOverStreak, p.eventWinners, p.ledgerBalance).value();
}

TEST(LargestPool, StartUpAndTheSeasonScoringGiveTheRecordedTables) {
    auto written = test::newPool();
    test::fillLargestPool(*written, 1, WeekSlots - 1);
    written->usePointSpreads = True16;
    written->wildChoicePoints = 100;
    for (int m = 0; m < MemberSlots; ++m) {
        // Each member's own files: the long names share their first 8 characters.
        written->memberName[m] = QStringLiteral("M\u00fc%1 Member").arg(m, 3, 10, QLatin1Char('0'));
    }
    test::TempFolder dir;
    test::writeAllFiles(dir.folder(), *written);

    PoolSession session(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(session, host, 2024);
    runStartupComputations(session, host);
    PoolData& pool = session.pool();
    ASSERT_EQ(pool.numMembers, MemberSlots);
    EXPECT_EQ(loadedTables(pool), 0x755E72AA916253B2ULL);
    EXPECT_EQ(computedTables(pool), 0xB20D4B3AD1C9F87ULL);

    ScoreSeason(pool);
    for (int16_t w = 0; w <= pool.currentWeek; ++w) {
        SortWeekStandings(pool, w);
    }
    EXPECT_EQ(scoredTables(pool), 0x7B252915DB7BABC7ULL);
}

} // namespace
} // namespace vek
