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

#include <bit>
#include <cstring>

namespace vek {
namespace {

// FNV-1a over the values, field by field (never over padding).
class Checksum {
public:
    void add(int64_t value) {
        for (int i = 0; i < 8; ++i) {
            m_hash = (m_hash ^ ((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF)) * 0x100000001B3ULL;
        }
    }
    void add(float value) { add(int64_t{std::bit_cast<int32_t>(value)}); }
    void add(double value) { add(std::bit_cast<int64_t>(value)); }
    void add(const QString& text) {
        add(int64_t{text.size()});
        for (const QChar c : text) {
            add(int64_t{c.unicode()});
        }
    }
    void add(const Division& d) {
        for (const int16_t v : {d.firstTeam, d.teamCount, d.lastTeam}) {
            add(int64_t{v});
        }
    }
    void add(const TeamStanding& s) {
        static_assert(sizeof(TeamStanding) == 22 * sizeof(int16_t));
        std::array<int16_t, 22> fields{};
        std::memcpy(fields.data(), &s, sizeof s);
        add(fields);
    }
    void add(const WeekStanding& s) {
        for (const int64_t v :
             {int64_t{s.memberIndex}, int64_t{s.weekWins}, int64_t{s.weekLosses}, int64_t{s.overStreak},
              int64_t{s.longestOverStreak}, int64_t{s.uniqueWins}, int64_t{s.uniqueLosses},
              int64_t{s.mondayWins}, int64_t{s.postSeasonScore}, int64_t{s.bigGameWins}, int64_t{s.elimFlags},
              int64_t{s.eventFlags}, int64_t{s.seasonWins}, int64_t{s.seasonLosses}, int64_t{s.seasonCp},
              int64_t{s.weekCp}}) {
            add(v);
        }
        add(s.halfWins), add(s.halfLosses), add(s.quarterWins), add(s.quarterLosses);
        add(s.halfCp), add(s.quarterCp), add(s.pointsTotal);
    }
    template <class T>
    requires std::is_integral_v<T>
    void add(T value) { add(static_cast<int64_t>(value)); }
    template <class Range>
    requires requires(const Range& r) { r.begin(); }
    void add(const Range& items) {
        for (const auto& item : items) {
            add(item);
        }
    }

    [[nodiscard]] uint64_t value() const { return m_hash; }

private:
    uint64_t m_hash = 0xCBF29CE484222325ULL;
};

uint64_t loadedTables(const PoolData& p) {
    Checksum sum;
    sum.add(p.numTeams), sum.add(p.teamName), sum.add(p.teamAbbr), sum.add(p.teamIcon),
        sum.add(p.divisionRec);
    sum.add(p.weeklyPicks), sum.add(p.usePointSpreads), sum.add(p.confidenceMode), sum.add(p.pointsSystem);
    sum.add(p.mnTieBreaker), sum.add(p.halfWeeks), sum.add(p.quarterWeeks), sum.add(p.halfFirstWeek);
    sum.add(p.halfLastWeek), sum.add(p.quarterFirstWeek), sum.add(p.quarterLastWeek);
    sum.add(p.goodWeekMinWins), sum.add(p.goodWeekPoints), sum.add(p.badWeekMaxWins);
    sum.add(p.perfectWeekPoints), sum.add(p.divWinnerPoints), sum.add(p.wildCardPoints);
    sum.add(p.goodWeekMinCp), sum.add(p.badWeekPoints), sum.add(p.badWeekMaxCp);
    for (const int32_t points :
         {p.seasonPoints, p.seasonGbPoints, p.halfPoints, p.halfGbPoints, p.quarterPoints, p.quarterGbPoints,
          p.wildChoicePoints, p.over50Points, p.mondayNightPoints, p.postSeasonPoints, p.divAsWildCardPoints,
          p.wildCardAsDivPoints, p.bigGamePoints}) {
        sum.add(points);
    }
    sum.add(p.seasonYear), sum.add(p.numWeeks), sum.add(p.byesPerTeam), sum.add(p.gamesPerWeek);
    sum.add(p.openDates), sum.add(p.minWeekGames), sum.add(p.scheduleGrid), sum.add(p.scheduleEntries);
    sum.add(p.scheduleVerified), sum.add(p.currentWeek), sum.add(p.numMembers), sum.add(p.defaultMember);
    sum.add(p.memberName), sum.add(p.memberEmail), sum.add(p.memberPicks), sum.add(p.confidencePoints);
    sum.add(p.mondayNightTotal), sum.add(p.postSeasonPicks), sum.add(p.predictionsComplete);
    sum.add(p.gameWinner), sum.add(p.gameScore), sum.add(p.favoriteTeam), sum.add(p.pointSpread);
    sum.add(p.spreadWinner), sum.add(p.postSeasonResults), sum.add(p.postSeasonSeeds);
    return sum.value();
}

uint64_t computedTables(const PoolData& p) {
    Checksum sum;
    sum.add(p.memberStandings), sum.add(p.consensusStandings), sum.add(p.leagueStandings);
    sum.add(p.pickDiffWeek), sum.add(p.pickDiffTotal), sum.add(p.pickDiffMonday), sum.add(p.uniquePicks);
    sum.add(p.uniquePicksWeek), sum.add(p.memberOdds);
    return sum.value();
}

uint64_t scoredTables(const PoolData& p) {
    Checksum sum;
    sum.add(p.weekStandings), sum.add(p.maxOverStreak), sum.add(p.eventWinners), sum.add(p.ledgerBalance);
    return sum.value();
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
    runStartupComputations(session);
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
