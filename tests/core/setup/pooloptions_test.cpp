// The pool options window's rules without its window: what the stored options show, how the choices
// keep one another consistent and which options OK stores.
#include "setup/pooloptionsdraft.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using Range = PoolOptionsDraft::Range;
using Scoring = PoolOptionsDraft::Scoring;

struct Stored {
    int16_t weeklyPicks, usePointSpreads, confidenceMode, pointsSystem, mnTieBreaker;
};

PoolOptionsDraft loaded(const Stored& s) {
    auto pool = test::newPool();
    pool->weeklyPicks = s.weeklyPicks;
    pool->usePointSpreads = s.usePointSpreads;
    pool->confidenceMode = s.confidenceMode;
    pool->pointsSystem = s.pointsSystem;
    pool->mnTieBreaker = s.mnTieBreaker;
    PoolOptionsDraft draft;
    draft.load(*pool);
    return draft;
}

bool operator==(const PoolOptions& a, const Stored& b) {
    return a.weeklyPicks == b.weeklyPicks && a.usePointSpreads == b.usePointSpreads &&
           a.confidenceMode == b.confidenceMode && a.pointsSystem == b.pointsSystem &&
           a.mnTieBreaker == b.mnTieBreaker;
}

TEST(PoolOptions, StoredOptionsOpenAsTheirChoicesAndComeBackUnchanged) {
    struct Case {
        Stored stored;
        bool spreads, spreadsEnabled, confidence;
        Range range;
        std::optional<int16_t> tieBreaker;
        Scoring scoring;
        bool split;
        Stored result; // OK without touching anything
    };
    const Case cases[] = {
        // No pool.dat: all games before the season, no spreads, no confidence, ledger, no tiebreaker.
        {{0, 0, 0, 0, 0}, false, false, false, Range::None, 0, Scoring::Ledger, false, {0, 0, 0, 0, 0}},
        {{1, -1, 1, 1, 1}, true, true, true, Range::Slots, 1, Scoring::Credit, true, {1, -1, 1, 1, 1}},
        {{1, 0, 2, 2, 2}, false, true, true, Range::Games, 2, Scoring::Credit, false, {1, 0, 2, 2, 2}},
        // Spreads in a whole-season pool cannot be: they open as "No".
        {{0, -1, 0, 0, 0}, false, false, false, Range::None, 0, Scoring::Ledger, false, {0, 0, 0, 0, 0}},
        // A flag of 1 is not "Yes"; a confidence mode other than 1 shows the games range.
        {{1, 1, 7, 0, 0}, false, true, true, Range::Games, 0, Scoring::Ledger, false, {1, 0, 2, 0, 0}},
        // Values no option stands for select nothing and are kept.
        {{1, 0, 0, 9, 5},
         false,
         true,
         false,
         Range::None,
         std::nullopt,
         Scoring::None,
         false,
         {1, 0, 0, 9, 5}},
    };
    for (const Case& c : cases) {
        const PoolOptionsDraft draft = loaded(c.stored);
        const auto trace = ::testing::Message()
                           << "stored " << c.stored.weeklyPicks << c.stored.usePointSpreads
                           << c.stored.confidenceMode << c.stored.pointsSystem << c.stored.mnTieBreaker;
        SCOPED_TRACE(trace);
        EXPECT_EQ(draft.weekToWeek(), c.stored.weeklyPicks == 1);
        EXPECT_EQ(draft.pointSpreads(), c.spreads);
        EXPECT_EQ(draft.spreadsEnabled(), c.spreadsEnabled);
        EXPECT_EQ(draft.confidence(), c.confidence);
        EXPECT_EQ(draft.rangeEnabled(), c.confidence);
        EXPECT_EQ(draft.range(), c.range);
        EXPECT_EQ(draft.tieBreaker(), c.tieBreaker);
        EXPECT_EQ(draft.scoring(), c.scoring);
        EXPECT_EQ(draft.split(), c.split);
        EXPECT_EQ(draft.splitEnabled(), c.scoring == Scoring::Credit);
        EXPECT_EQ(draft.savedConfidenceMode(), c.stored.confidenceMode);
        EXPECT_TRUE(draft.result() == c.result);
    }
}

TEST(PoolOptions, AllSeasonForcesNoSpreadsAndWeekToWeekOnlyEnablesThem) {
    PoolOptionsDraft draft = loaded({1, -1, 0, 0, 0});
    draft.chooseAllSeason();
    EXPECT_FALSE(draft.pointSpreads());
    EXPECT_FALSE(draft.spreadsEnabled());
    draft.choosePointSpreads(true); // the frame is disabled
    EXPECT_FALSE(draft.pointSpreads());
    EXPECT_EQ(draft.result().usePointSpreads, 0);
    EXPECT_EQ(draft.result().weeklyPicks, 0);

    draft.chooseWeekToWeek();
    EXPECT_TRUE(draft.spreadsEnabled());
    EXPECT_FALSE(draft.pointSpreads()); // enabled again without changing the choice
    draft.choosePointSpreads(true);
    EXPECT_EQ(draft.result().usePointSpreads, True16);
    EXPECT_EQ(draft.result().weeklyPicks, 1);
}

TEST(PoolOptions, TheConfidenceRangeCountsOnlyWithConfidencePoints) {
    PoolOptionsDraft draft = loaded({1, 0, 0, 0, 0});
    draft.chooseRange(Range::Slots); // disabled while "No" is chosen
    EXPECT_EQ(draft.range(), Range::None);
    draft.chooseConfidence(true);
    EXPECT_TRUE(draft.rangeEnabled());
    EXPECT_EQ(draft.result().confidenceMode, 2); // "Yes" without a range
    draft.chooseRange(Range::Slots);
    EXPECT_EQ(draft.result().confidenceMode, 1);
    draft.chooseConfidence(false);
    EXPECT_FALSE(draft.rangeEnabled());
    EXPECT_EQ(draft.result().confidenceMode, 0);
    draft.chooseConfidence(true); // the range chosen before comes back
    EXPECT_EQ(draft.result().confidenceMode, 1);
}

TEST(PoolOptions, TieBreakerAndPointsSystemFollowTheirOptions) {
    PoolOptionsDraft draft = loaded({1, 0, 0, 7, 9});
    EXPECT_EQ(draft.result().mnTieBreaker, 9);
    draft.chooseTieBreaker(1);
    EXPECT_EQ(draft.result().mnTieBreaker, 1);
    draft.chooseTieBreaker(3); // no such option
    EXPECT_EQ(draft.result().mnTieBreaker, 1);

    EXPECT_EQ(draft.result().pointsSystem, 7);
    draft.chooseSplit(true); // the box is disabled without the credit system
    EXPECT_FALSE(draft.split());
    draft.chooseScoring(Scoring::Credit);
    EXPECT_EQ(draft.result().pointsSystem, 2);
    draft.chooseSplit(true);
    EXPECT_EQ(draft.result().pointsSystem, 1);
    draft.chooseScoring(Scoring::Ledger);
    EXPECT_FALSE(draft.splitEnabled());
    EXPECT_EQ(draft.result().pointsSystem, 0);
}

} // namespace
} // namespace vek
