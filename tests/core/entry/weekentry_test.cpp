// The rules of the weekly entry window without its widgets: the week it opens on, the look of a row,
// moving on and completing a week, scores, confidence values, spreads, clearing, and Cancel putting back
// what was not saved.
#include "entry/weekentry.h"

#include "session/poolsession.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace vek {
namespace {

using Look = WeekEntry::Look;
using RowLook = WeekEntry::RowLook;
using test::NoPick;
using test::Tie;

constexpr int Weeks = 4;
constexpr int Slots = 4;

/// 32 teams; four weeks of four slots, week 1 with a bye (three games); game g of week w is team
/// 8w + 2g at 8w + 2g + 1; week 0 has its results (home wins), the rest none; two members who picked
/// every away team, with confidence values running down from the top.
class WeekEntryTest : public ::testing::Test {
protected:
    WeekEntryTest() {
        build.league({4, 4, 4, 4, 4, 4, 4, 4}).season(Weeks, Slots).members(2).openDates(1, 1);
        for (int w = 0; w < Weeks; ++w) {
            for (int g = 0; g < pool().games(w); ++g) {
                build.game(w, g, away(w, g), home(w, g)).spread(w, g, home(w, g), 2.5F);
                build.pick(w, g, 0, away(w, g)).pick(w, g, 1, away(w, g));
                pool().confidencePoints[w][g][0] = static_cast<int16_t>(Slots - g);
            }
        }
        for (int g = 0; g < Slots; ++g) {
            build.result(0, g, home(0, g)).score(0, g, 10, 20 + g);
        }
        build.currentWeek(0);
        pool().confidenceMode = 2;
        pool().mnTieBreaker = 1;
        QObject::connect(&session, &PoolSession::mainButtonsRefreshRequested, [this] { ++refreshes; });
    }

    PoolData& pool() { return session.pool(); }
    static int away(int week, int game) { return 8 * week + 2 * game; }
    static int home(int week, int game) { return 8 * week + 2 * game + 1; }
    int code(int team) const { return build.code(team); }
    /// Opens the window's rules in a mode on a week.
    void open(EntryMode mode, int week = -1) {
        entry.load(mode);
        if (week >= 0) {
            entry.showWeek(week);
        }
    }
    void enterRows(const std::vector<int>& rows) {
        for (const int row : rows) {
            entry.clickTeam(row, 1);
        }
    }

    test::TempFolder dir;
    PoolSession session{dir.folder()};
    test::PoolBuilder build{session.pool()};
    WeekEntry entry{session};
    int refreshes = 0;
};

TEST_F(WeekEntryTest, OpensOnTheWeekOfItsMode) {
    struct Case {
        const char* what;
        EntryMode mode;
        int currentWeek;
        int lastShown; // the week shown when the window last closed
        int shownWeek;
    };
    const Case cases[] = {
        {"predictions start on week 1", EntryMode::Predictions, 2, 3, 0},
        {"spreads start on week 1", EntryMode::Spreads, 2, 3, 0},
        {"results move on after a complete current week", EntryMode::Results, 0, 3, 1},
        {"the last week complete stays", EntryMode::Results, Weeks - 1, 0, Weeks - 1},
        {"an incomplete current week stays", EntryMode::Results, 1, 3, 1},
        {"no results: week 1, wherever another mode was left", EntryMode::Results, -1, 2, 0},
    };
    for (int g = 0; g < Slots; ++g) {
        build.result(Weeks - 1, g, Tie);
    }
    for (const Case& c : cases) {
        open(EntryMode::Results, c.lastShown);
        build.currentWeek(c.currentWeek);
        open(c.mode);
        EXPECT_EQ(entry.shownWeek(), c.shownWeek) << c.what;
        EXPECT_EQ(entry.selectedRow(), 0) << c.what;
        EXPECT_FALSE(entry.entriesChanged()) << c.what;
    }
    for (const auto& [defaultMember, member] : {std::pair{1, 1}, {7, 0}, {-2, 0}}) {
        pool().defaultMember = static_cast<int16_t>(defaultMember);
        open(EntryMode::Predictions);
        EXPECT_EQ(session.currentMember, member) << defaultMember;
    }
}

TEST_F(WeekEntryTest, ARowLooksLikeItsEntry) {
    struct Case {
        EntryMode mode;
        std::function<void(PoolData&)> entry; // of week 2, game 1
        RowLook look;
    };
    const int16_t awayTeam = code(away(2, 1));
    const int16_t homeTeam = code(home(2, 1));
    const Case cases[] = {
        {EntryMode::Predictions,
         [&](PoolData& p) { p.memberPicks[2][1][0] = awayTeam; },
         {Look::Chosen, Look::Other}},
        {EntryMode::Predictions,
         [&](PoolData& p) { p.memberPicks[2][1][0] = static_cast<int16_t>(homeTeam | UniquePickFlag); },
         {Look::Other, Look::Chosen}},
        {EntryMode::Predictions,
         [&](PoolData& p) { p.memberPicks[2][1][0] = p.noneCode(); },
         {Look::None, Look::None}},
        {EntryMode::Results, [&](PoolData& p) { p.gameWinner[2][1] = p.tieCode(); }, {Look::Tie, Look::Tie}},
        {EntryMode::Results, [&](PoolData& p) { p.gameWinner[2][1] = 3; }, {Look::None, Look::None}},
        {EntryMode::Spreads,
         [&](PoolData& p) { p.favoriteTeam[2][1] = homeTeam; },
         {Look::Other, Look::Chosen}},
        {EntryMode::Spreads,
         [&](PoolData& p) { p.favoriteTeam[2][1] = p.tieCode(); },
         {Look::Tie, Look::Tie}},
    };
    for (const Case& c : cases) {
        c.entry(pool());
        open(c.mode, 2);
        EXPECT_EQ(entry.rowLook(1), c.look) << static_cast<int>(c.mode);
        EXPECT_EQ(entry.rowHasEntry(1), c.look.away != Look::None) << static_cast<int>(c.mode);
    }
}

TEST_F(WeekEntryTest, AnEntryMovesTheSelectionToTheFirstOpenRow) {
    open(EntryMode::Predictions, 2);
    entry.clearWeek();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(entry.enteredCount(), 0);
    struct Step {
        std::function<bool()> action;
        bool entered;
        int selected;
        int count;
    };
    const Step steps[] = {
        {[&] { return entry.chooseSide(1); }, true, 1, 1},
        {[&] { return entry.chooseTie(); }, false, 1, 1}, // no ties among the picks
        {[&] { return entry.clickTeam(3, 0); }, true, 1, 2},
        {[&] { return entry.chooseSide(0); }, true, 2, 3},
        {[&] { return entry.chooseSide(1); }, true, 2, 4}, // none open: it stays
        {[&] { return entry.clickTeam(0, 0); }, true, 0, 4},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.action(), step.entered);
        EXPECT_EQ(entry.selectedRow(), step.selected);
        EXPECT_EQ(entry.enteredCount(), step.count);
    }
    EXPECT_EQ(pool().memberPicks[2][0][0], away(2, 0));
    EXPECT_EQ(pool().memberPicks[2][2][0], home(2, 2));
    EXPECT_TRUE(entry.entriesChanged());

    pool().scheduleGrid[2][1][0] = 500; // a damaged schedule entry names no team
    EXPECT_FALSE(entry.clickTeam(1, 0));
    EXPECT_EQ(pool().memberPicks[2][1][0], away(2, 1));
}

TEST_F(WeekEntryTest, ResultsCompleteAWeekWhenItsLastGameIsEnteredLast) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::vector<int>>> entries; // week, rows in order
        int currentWeek;
    };
    const Case cases[] = {
        {"from the top", {{1, {0, 1, 2}}}, 1},
        {"the last game first", {{1, {2, 0, 1}}}, 0},
        {"the last game again at the end", {{1, {2, 0, 1, 2}}}, 1},
        {"a later week first waits for the gap", {{2, {0, 1, 2, 3}}}, 0},
        {"then the run of complete weeks", {{2, {0, 1, 2, 3}}, {1, {0, 1, 2}}}, 2},
        {"an earlier week never moves it back", {{1, {0, 1, 2}}, {0, {3}}}, 1},
    };
    for (const Case& c : cases) {
        for (int w = 1; w < Weeks; ++w) {
            for (int g = 0; g < Slots; ++g) {
                build.result(w, g, NoPick);
            }
        }
        build.currentWeek(0);
        open(EntryMode::Results);
        for (const auto& [week, rows] : c.entries) {
            entry.showWeek(week);
            enterRows(rows);
        }
        EXPECT_EQ(pool().currentWeek, c.currentWeek) << c.what;
        EXPECT_EQ(entry.lastResultWeek(), c.currentWeek) << c.what;
    }
}

TEST_F(WeekEntryTest, ScoresDecideTheResult) {
    struct Case {
        int away;
        int home;
        bool logged;
        int winner;
    };
    const Case cases[] = {
        {21, 21, true, Tie},       {24, 17, true, away(1, 0)}, {17, 24, true, home(1, 0)},
        {40000, 3, false, NoPick}, {-1, 3, false, NoPick},
    };
    pool().usePointSpreads = True16;
    for (const Case& c : cases) {
        build.result(1, 0, NoPick).score(1, 0, 0, 0);
        open(EntryMode::Results, 1);
        EXPECT_FALSE(entry.clickTeam(0, 0)); // with spreads a click only selects: the scores decide
        EXPECT_EQ(entry.logScores(c.away, c.home), c.logged) << c.away << "-" << c.home;
        EXPECT_EQ(pool().gameWinner[1][0], code(c.winner)) << c.away << "-" << c.home;
        EXPECT_EQ(entry.score(0, 0), c.logged ? c.away : 0);
    }
}

TEST_F(WeekEntryTest, ConfidenceValuesAreHandedOutFromTheTop) {
    struct Case {
        int confidenceMode;
        int week;
        int top;
        int bottom;
    };
    const Case cases[] = {
        {1, 0, 4, 1},
        {2, 0, 4, 1}, // no byes: the slots down to 1 in both modes
        {1, 1, 4, 2}, // a bye: mode 1 loses the lowest value
        {2, 1, 3, 1}, // mode 2 runs from the week's games
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.confidenceMode << " week " << c.week);
        pool().confidenceMode = static_cast<int16_t>(c.confidenceMode);
        open(EntryMode::Predictions, c.week);
        entry.clearConfidence();
        EXPECT_EQ(entry.nextConfidence(), c.top);
        EXPECT_FALSE(entry.okAllowed());
        for (int row = 0; row < entry.games(); ++row) {
            EXPECT_TRUE(entry.toggleConfidence(row));
            EXPECT_EQ(entry.confidence(row), c.top - row);
            EXPECT_TRUE(entry.confidencePlaced(row));
        }
        EXPECT_EQ(entry.confidence(entry.games() - 1), c.bottom);
        EXPECT_TRUE(entry.allConfidencePlaced());
        EXPECT_TRUE(entry.okAllowed());
        EXPECT_TRUE(entry.toggleConfidence(0)); // taken back: the top is offered again
        EXPECT_EQ(entry.confidence(0), 0);
        EXPECT_FALSE(entry.confidencePlaced(0));
        EXPECT_FALSE(entry.okAllowed());
        EXPECT_EQ(entry.nextConfidence(), c.top);
    }
    pool().confidenceMode = 0;
    open(EntryMode::Predictions);
    EXPECT_FALSE(entry.toggleConfidence(0));
    EXPECT_TRUE(entry.okAllowed());
}

TEST_F(WeekEntryTest, TheMondayNightTotalBelongsToTheLastGame) {
    open(EntryMode::Predictions, 2);
    EXPECT_FALSE(entry.mondayNightSelected());
    entry.selectRow(Slots - 1);
    EXPECT_TRUE(entry.mondayNightSelected());
    EXPECT_TRUE(entry.setMondayNightTotal(47));
    EXPECT_FALSE(entry.setMondayNightTotal(40000));
    EXPECT_EQ(pool().mondayNightTotal[2][0], 47);
    pool().mnTieBreaker = 0;
    EXPECT_FALSE(entry.mondayNightSelected());

    open(EntryMode::Results, 2);
    EXPECT_FALSE(entry.rowScoresShown(0));
    EXPECT_FALSE(entry.rowScoresShown(Slots - 1));
    pool().mnTieBreaker = 2;
    EXPECT_TRUE(entry.rowScoresShown(Slots - 1));
    EXPECT_FALSE(entry.scoreBoxesShown());
    entry.selectRow(Slots - 1);
    EXPECT_TRUE(entry.scoreBoxesShown());
}

TEST_F(WeekEntryTest, TheSpinnerGivesTheSpreadRowItsSpreadInHalfPoints) {
    struct Case {
        int favourite;
        int steps;
        float spread;
        std::optional<RowLook> look;
    };
    const Case cases[] = {
        {away(2, 1), 7, 3.5F, std::nullopt},
        {away(2, 1), 0, 0.0F, RowLook{Look::Tie, Look::Tie}}, // shown even, the favourite kept
        {Tie, 3, 1.5F, RowLook{Look::None, Look::None}},      // a spread for an even game: undecided
        {away(2, 1), 500, 100.0F, std::nullopt},
    };
    for (const Case& c : cases) {
        build.spread(2, 1, c.favourite, 0.0F);
        open(EntryMode::Spreads, 2);
        entry.setSpreadRow(1);
        EXPECT_EQ(entry.setSpreadSteps(c.steps), c.look) << c.steps;
        EXPECT_EQ(pool().pointSpread[2][1], c.spread) << c.steps;
        EXPECT_EQ(pool().favoriteTeam[2][1], code(c.favourite)) << c.steps;
        EXPECT_EQ(entry.spreadSteps(), static_cast<int>(c.spread * 2)) << c.steps;
    }

    // A favourite moves the spinner to its row; "Even" acts on its own row only.
    open(EntryMode::Spreads, 2);
    EXPECT_TRUE(entry.clickTeam(3, 0));
    EXPECT_EQ(entry.spreadRow(), 3);
    EXPECT_EQ(entry.spreadSteps(), 5); // the row's 2.5
    EXPECT_TRUE(entry.clickTie(0));
    EXPECT_EQ(entry.spreadRow(), 0);
    EXPECT_EQ(pool().pointSpread[2][0], 0.0F);
    EXPECT_EQ(pool().favoriteTeam[2][0], pool().tieCode());
    EXPECT_EQ(pool().pointSpread[2][3], 2.5F);

    EXPECT_TRUE(entry.okAllowed());
    entry.clearSpreads();
    for (int g = 0; g < Slots; ++g) {
        EXPECT_EQ(pool().favoriteTeam[2][g], pool().tieCode());
        EXPECT_EQ(entry.spreadText(g), QStringLiteral("0"));
    }
    EXPECT_FALSE(entry.okAllowed());
    EXPECT_EQ(pool().favoriteTeam[1][0], code(home(1, 0))); // only the shown week
}

TEST_F(WeekEntryTest, TheFavouritesLineStandsBesideAMembersPicks) {
    build.spread(2, 0, home(2, 0), 6.5F).spread(2, 1, away(2, 1), 3.0F).spread(2, 2, Tie, 0.0F);
    open(EntryMode::Predictions, 2);
    const std::pair<QString, QString> lines[] = {{"", "-6.5"}, {"-3", ""}, {"", "0"}};
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(entry.spreadLine(g, 0), lines[g].first) << g;
        EXPECT_EQ(entry.spreadLine(g, 1), lines[g].second) << g;
    }
}

TEST_F(WeekEntryTest, ClearResultsIsOfferedOnTheCurrentWeekAndMovesItBack) {
    open(EntryMode::Results, 0);
    EXPECT_TRUE(entry.clearOffered());
    entry.showWeek(1);
    EXPECT_FALSE(entry.clearOffered());
    entry.showWeek(0);
    entry.clearWeek();
    EXPECT_EQ(pool().currentWeek, -1);
    EXPECT_EQ(pool().gameWinner[0][2], pool().noneCode());
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(entry.clearOffered());
    enterRows({0, 1, 2, 3}); // entered again while the window stays open
    EXPECT_EQ(pool().currentWeek, 0);

    open(EntryMode::Spreads);
    EXPECT_FALSE(entry.clearOffered());
}

TEST_F(WeekEntryTest, CancelPutsBackWhatWasNotSaved) {
    struct Case {
        const char* what;
        EntryMode mode;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"picks, values, total and post-season pick", EntryMode::Predictions,
         [&] {
             entry.clearWeek();
             entry.clearConfidence();
             entry.selectRow(Slots - 1);
             entry.setMondayNightTotal(99);
             pool().postSeasonPicks[3][0] = 5; // as the post-season window's OK stores it
         }},
        {"results, scores, current week and post-season result", EntryMode::Results,
         [&] {
             entry.showWeek(0);
             entry.clearWeek();
             pool().postSeasonResults[2] = 9;
         }},
        {"favourites and spreads", EntryMode::Spreads,
         [&] {
             entry.clearSpreads();
             entry.clickTeam(1, 0);
             entry.setSpreadSteps(9);
         }},
    };
    pool().usePointSpreads = True16;
    const auto before = std::make_unique<PoolData>(pool());
    for (const Case& c : cases) {
        open(c.mode);
        c.change();
        refreshes = 0;
        pool().postSeasonSeeds[2] = 7; // the post-season window's default seeds stay
        EXPECT_TRUE(entry.cancel()) << c.what;
        EXPECT_EQ(refreshes, 1) << c.what;
        EXPECT_FALSE(entry.entriesChanged()) << c.what;
        EXPECT_EQ(pool().memberPicks, before->memberPicks) << c.what;
        EXPECT_EQ(pool().confidencePoints, before->confidencePoints) << c.what;
        EXPECT_EQ(pool().mondayNightTotal, before->mondayNightTotal) << c.what;
        EXPECT_EQ(pool().postSeasonPicks, before->postSeasonPicks) << c.what;
        EXPECT_EQ(pool().gameWinner, before->gameWinner) << c.what;
        EXPECT_EQ(pool().gameScore, before->gameScore) << c.what;
        EXPECT_EQ(pool().postSeasonResults, before->postSeasonResults) << c.what;
        EXPECT_EQ(pool().favoriteTeam, before->favoriteTeam) << c.what;
        EXPECT_EQ(pool().pointSpread, before->pointSpread) << c.what;
        EXPECT_EQ(pool().currentWeek, before->currentWeek) << c.what;
        EXPECT_EQ(pool().postSeasonSeeds[2], 7) << c.what;
        EXPECT_FALSE(entry.cancel()) << c.what; // nothing left to put back
        EXPECT_EQ(refreshes, 1) << c.what;
    }
}

TEST_F(WeekEntryTest, ASaveOrAMemberChangeRenewsWhatCancelPutsBack) {
    open(EntryMode::Predictions, 2);
    entry.clickTeam(0, 1);
    ASSERT_TRUE(entry.save().ok);
    EXPECT_FALSE(entry.entriesChanged());
    entry.clickTeam(1, 1);
    entry.changeMember(1); // after the window saved the member left
    EXPECT_EQ(session.currentMember, 1);
    entry.clickTeam(2, 1);
    entry.cancel();
    // The save marks unique picks; the team is the pick's low byte.
    EXPECT_EQ(pickCode(pool().memberPicks[2][0][0]), home(2, 0)); // saved
    EXPECT_EQ(pickCode(pool().memberPicks[2][1][0]), home(2, 1)); // left by the member change
    EXPECT_EQ(pickCode(pool().memberPicks[2][2][1]), away(2, 2)); // put back

    // A failed save keeps the copy of the last successful one.
    open(EntryMode::Results, 1);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("results.dat")));
    enterRows({0, 1, 2});
    EXPECT_FALSE(entry.save().ok);
    EXPECT_TRUE(entry.entriesChanged());
    entry.cancel();
    EXPECT_EQ(pool().gameWinner[1][0], pool().noneCode());
    EXPECT_EQ(pool().currentWeek, 0);
}

TEST_F(WeekEntryTest, ASaveWhoseSecondFileIsRefusedWritesNeither) {
    // Both files are checked before either is written; Cancel then puts back what was there before.
    struct Case {
        const char* what;
        EntryMode mode;
        QString first;
        QString blocked; // the second file of the save
        std::function<void()> change;
        std::function<void()> expectAfterCancel;
    };
    const Case cases[] = {
        {"picks and confidence values", EntryMode::Predictions, QStringLiteral("Member 0.PRD"),
         QStringLiteral("Member 0.CPT"),
         [&] {
             entry.clickTeam(0, 1);
             entry.clearConfidence();
         },
         [&] {
             EXPECT_EQ(pickCode(pool().memberPicks[2][0][0]), away(2, 0));
             EXPECT_EQ(pool().confidencePoints[2][0][0], Slots);
         }},
        {"results and scores", EntryMode::Results, QStringLiteral("results.dat"),
         QStringLiteral("scores.dat"),
         [&] {
             enterRows({0, 1, 2});
             pool().gameScore[1][0] = {7, 3};
         },
         [&] {
             EXPECT_EQ(pool().gameWinner[1][2], pool().noneCode());
             EXPECT_EQ(pool().currentWeek, 0);
             EXPECT_EQ(pool().gameScore[1][0], (std::array<int16_t, 2>{0, 0}));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(QDir(dir.path()).mkdir(c.blocked));
        open(c.mode, c.mode == EntryMode::Results ? 1 : 2);
        c.change();
        const WriteResult result = entry.save();
        EXPECT_EQ(result.failureText().toStdString(),
                  (c.blocked + QStringLiteral(" could not be saved: it is not a regular file but a folder"))
                      .toStdString());
        EXPECT_FALSE(dir.exists(c.first));
        entry.cancel();
        c.expectAfterCancel();
    }
}

} // namespace
} // namespace vek
