// The post-season window: the lists and their ranges, positioning from a member's picks or from the
// results, default seeds, hidden frames, OK and Cancel, and what OK stores or keeps.
#include "entry/psresultspredict.h"

#include "support/controls.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::choose;
using test::control;
using test::entries;
using test::shown;

constexpr std::array<const char*, PostSeasonSlots> ListNames{
    "nfceList", "nfcnList",     "nfcsList",     "nfcwList",     "afceList",     "afcnList", "afcsList",
    "afcwList", "nfcwild1List", "nfcwild2List", "afcwild1List", "afcwild2List", "superList"};

class PostSeasonWindowTest : public ::testing::Test {
protected:
    PostSeasonWindowTest() {
        test::PoolBuilder(pool()).league({4, 4, 4, 4, 4, 4, 4, 4}).season(17, 16).members(4);
        pool().postSeasonPoints = 5;
        pool().bigGamePoints = 10;
        for (std::size_t s = 0; s < PostSeasonSlots; ++s) {
            pool().postSeasonResults[s] = none();
            for (auto& pick : pool().postSeasonPicks[s]) {
                pick = none();
            }
        }
    }

    PoolData& pool() { return h.pool(); }
    [[nodiscard]] int16_t none() const { return static_cast<int16_t>(h.session.pool().numTeams + 1); }
    int16_t& pick(int slot, int member) {
        return pool().postSeasonPicks[static_cast<std::size_t>(slot)][static_cast<std::size_t>(member)];
    }
    int16_t& result(int slot) { return pool().postSeasonResults[static_cast<std::size_t>(slot)]; }
    int16_t& seed(int slot) { return pool().postSeasonSeeds[static_cast<std::size_t>(slot)]; }

    PSResultsPredict& open(int mode) {
        h.session.entryMode = static_cast<int16_t>(mode);
        return h.host.window<PSResultsPredict>();
    }
    QComboBox* list(const PSResultsPredict& w, int slot) {
        return control<QComboBox>(w, QString::fromLatin1(ListNames[static_cast<std::size_t>(slot)]));
    }
    QLabel* info(const PSResultsPredict& w) { return control<QLabel>(w, QStringLiteral("lblInfo")); }
    static void click(const PSResultsPredict& w, const char* name) {
        control<QPushButton>(w, QString::fromLatin1(name))->click();
    }

    test::UiHarness h;
};

TEST_F(PostSeasonWindowTest, EachListOffersNoneAndItsRangeOfTeams) {
    auto& w = open(0);
    const auto teams = [](int first, int last) {
        QStringList texts{PSResultsPredict::NoneEntry};
        for (int t = first; t <= last; ++t) {
            texts << QStringLiteral("T%1").arg(t);
        }
        return texts;
    };
    for (int d = 0; d < Divisions; ++d) {
        EXPECT_EQ(entries(list(w, d)), teams(4 * d, 4 * d + 3)) << d;
    }
    EXPECT_EQ(entries(list(w, 8)), teams(0, 15));
    EXPECT_EQ(entries(list(w, 9)), teams(0, 15));
    EXPECT_EQ(entries(list(w, 10)), teams(16, 31));
    EXPECT_EQ(entries(list(w, 11)), teams(16, 31));
    EXPECT_EQ(entries(list(w, 12)), teams(0, 31));
    EXPECT_EQ(w.windowTitle(), PSResultsPredict::DesignerCaption);
    EXPECT_EQ(info(w)->text(), QString());
    for (const char* frame : {"frmConf1", "frmConf2", "frmChamp"}) {
        auto* box = control<QGroupBox>(w, QString::fromLatin1(frame));
        EXPECT_TRUE(shown(box)) << frame;
        EXPECT_EQ(box->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << frame;
    }
    EXPECT_EQ(control<QGroupBox>(w, QStringLiteral("frmChamp"))->title(), QStringLiteral("Championship"));
}

TEST_F(PostSeasonWindowTest, AnEmptyDivisionGivesAListOfNoneOnly) {
    test::PoolBuilder(pool()).league({4, 4, 4, 0, 4, 4, 4, 4});
    auto& w = open(0);
    EXPECT_EQ(entries(list(w, 3)), QStringList{PSResultsPredict::NoneEntry});
    EXPECT_EQ(list(w, 8)->count(), 1 + 12);
    EXPECT_EQ(list(w, 4)->itemText(1), QStringLiteral("T12"));
    EXPECT_EQ(list(w, 12)->count(), 1 + 28);
}

TEST_F(PostSeasonWindowTest, PredictionsShowAndStoreTheCurrentMembersPicks) {
    h.session.currentMember = 2;
    pick(0, 2) = 1;   // NFC East: T0..T3
    pick(8, 2) = 5;   // NFC wild card: T0..T15
    pick(10, 2) = 20; // AFC wild card: T16..T31
    pick(12, 2) = 31;
    pick(0, 1) = 3; // another member's picks are not shown
    result(0) = 2;
    auto& w = open(0);
    EXPECT_EQ(list(w, 0)->currentIndex(), 2);
    EXPECT_EQ(list(w, 8)->currentIndex(), 6);
    EXPECT_EQ(list(w, 10)->currentIndex(), 5);
    EXPECT_EQ(list(w, 12)->currentIndex(), 32);
    EXPECT_EQ(list(w, 1)->currentIndex(), 0);
    EXPECT_EQ(list(w, 12)->currentText(), QStringLiteral("T31"));

    choose(list(w, 1), 4);  // T7
    choose(list(w, 0), 0);  // none
    choose(list(w, 9), 1);  // T0: the NFC East winner may also be chosen as a wild card
    choose(list(w, 11), 3); // T18
    click(w, "cmdOk");

    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(pick(0, 2), none());
    EXPECT_EQ(pick(1, 2), 7);
    EXPECT_EQ(pick(8, 2), 5);
    EXPECT_EQ(pick(9, 2), 0);
    EXPECT_EQ(pick(11, 2), 18);
    EXPECT_EQ(pick(12, 2), 31);
    EXPECT_EQ(pick(0, 1), 3);
    EXPECT_EQ(result(0), 2);               // predictions never touch the results
    EXPECT_EQ(info(w)->text(), QString()); // the duplicate is not refused
}

TEST_F(PostSeasonWindowTest, AllNoneStoresNoneInBothModes) {
    for (int mode : {0, 1}) {
        h.session.currentMember = 3;
        auto& w = open(mode);
        for (int s = 0; s < PostSeasonSlots; ++s) {
            EXPECT_EQ(list(w, s)->currentText(), PSResultsPredict::NoneEntry) << s;
        }
        click(w, "cmdOk");
        for (int s = 0; s < PostSeasonSlots; ++s) {
            EXPECT_EQ(mode == 0 ? pick(s, 3) : result(s), none()) << mode << " " << s;
        }
    }
}

TEST_F(PostSeasonWindowTest, ResultsGetTheirDefaultSeedsAtLoadEvenWhenCancelled) {
    h.session.currentMember = 1;
    pick(0, 1) = 3;
    result(0) = 1;   // seed 0: gets 1
    result(5) = 21;  // AFC North, seed 0: gets 2
    result(9) = 7;   // NFC wild card 2, seed 0: gets 6
    result(10) = 16; // AFC wild card 1, seed 0: gets 5
    result(4) = 16;  // seed 3 stays
    seed(4) = 3;
    seed(3) = 0; // no result: stays 0
    result(12) = 30;
    auto& w = open(1);
    EXPECT_EQ(list(w, 0)->currentIndex(), 2); // from the results, not the member's pick
    EXPECT_EQ(list(w, 5)->currentText(), QStringLiteral("T21"));
    EXPECT_EQ(list(w, 12)->currentText(), QStringLiteral("T30"));
    EXPECT_EQ(seed(0), 1);
    EXPECT_EQ(seed(5), 2);
    EXPECT_EQ(seed(9), 6);
    EXPECT_EQ(seed(10), 5);
    EXPECT_EQ(seed(4), 3);
    EXPECT_EQ(seed(3), 0);
    EXPECT_EQ(seed(11), 0);

    choose(list(w, 0), 4);
    click(w, "cmdCancel");
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_FALSE(w.isLoaded());
    EXPECT_EQ(result(0), 1);
    EXPECT_EQ(seed(0), 1);
    EXPECT_EQ(seed(9), 6);

    // Each opening starts afresh: the choice before Cancel is not stored by the next OK.
    auto& again = open(1);
    EXPECT_EQ(list(again, 0)->currentIndex(), 2);
    choose(list(again, 6), 2); // AFC South: T25
    click(again, "cmdOk");
    EXPECT_EQ(result(0), 1);
    EXPECT_EQ(result(6), 25);
    EXPECT_EQ(pick(6, 1), none());
}

TEST_F(PostSeasonWindowTest, NoSeedsAreGivenWithoutPostSeasonPoints) {
    pool().postSeasonPoints = 0;
    result(0) = 1;
    open(1);
    EXPECT_EQ(seed(0), 0);
}

TEST_F(PostSeasonWindowTest, HiddenFramesKeepTheirListsEmptyAndTheirSlotsUnchanged) {
    pool().postSeasonPoints = 0;
    pick(0, 0) = 2;
    pick(8, 0) = 0; // a hidden list stores nothing, not even a code that is no team
    auto& w = open(0);
    EXPECT_FALSE(shown(control<QGroupBox>(w, QStringLiteral("frmConf1"))));
    EXPECT_FALSE(shown(control<QGroupBox>(w, QStringLiteral("frmConf2"))));
    EXPECT_TRUE(shown(control<QGroupBox>(w, QStringLiteral("frmChamp"))));
    for (int s = 0; s < 12; ++s) {
        EXPECT_EQ(list(w, s)->count(), 0) << s;
    }
    choose(list(w, 12), 3);
    click(w, "cmdOk");
    EXPECT_EQ(pick(0, 0), 2);
    EXPECT_EQ(pick(8, 0), 0);
    EXPECT_EQ(pick(12, 0), 2);

    pool().postSeasonPoints = 1;
    pool().bigGamePoints = 0;
    result(12) = 4;
    auto& results = open(1);
    EXPECT_TRUE(shown(control<QGroupBox>(results, QStringLiteral("frmConf1"))));
    EXPECT_FALSE(shown(control<QGroupBox>(results, QStringLiteral("frmChamp"))));
    EXPECT_EQ(list(results, 12)->count(), 0);
    click(results, "cmdOk");
    EXPECT_EQ(result(12), 4);
}

TEST_F(PostSeasonWindowTest, AStoredTeamOutsideItsListShowsAsNoneAndIsKeptUnlessChosen) {
    pick(0, 0) = 9;   // not an NFC East team
    pick(4, 0) = 200; // no team at all
    pick(12, 0) = 5;
    auto& w = open(0);
    EXPECT_EQ(list(w, 0)->currentText(), PSResultsPredict::NoneEntry);
    EXPECT_EQ(list(w, 4)->currentText(), PSResultsPredict::NoneEntry);
    EXPECT_EQ(list(w, 12)->currentText(), QStringLiteral("T5"));
    EXPECT_TRUE(info(w)->text().contains(QStringLiteral("NFC East")));
    EXPECT_TRUE(info(w)->text().contains(QStringLiteral("AFC East")));
    EXPECT_FALSE(info(w)->text().contains(QStringLiteral("Big Game")));
    click(w, "cmdOk");
    EXPECT_EQ(pick(0, 0), 9);
    EXPECT_EQ(pick(4, 0), 200);

    auto& again = open(0);
    choose(list(again, 0), 0); // the user chooses "(none)" itself
    click(again, "cmdOk");
    EXPECT_EQ(pick(0, 0), none());
    EXPECT_EQ(pick(4, 0), 200);
}

TEST_F(PostSeasonWindowTest, PointerOverAConferenceFrameClearsTheInformationLine) {
    pick(0, 0) = 9;
    auto& w = open(0);
    ASSERT_FALSE(info(w)->text().isEmpty());
    auto* champ = control<QGroupBox>(w, QStringLiteral("frmChamp"));
    QMouseEvent overChamp(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(champ, &overChamp);
    EXPECT_FALSE(info(w)->text().isEmpty());
    auto* conf2 = control<QGroupBox>(w, QStringLiteral("frmConf2"));
    QMouseEvent overConf(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QCoreApplication::sendEvent(conf2, &overConf);
    EXPECT_EQ(info(w)->text(), QString());
}

TEST_F(PostSeasonWindowTest, DamagedLeagueAndMemberIndexesStayWithinTheTables) {
    pool().divisionRec[7] = {28, 30, 60}; // a last team beyond the team slots
    pool().teamAbbr[38] = QStringLiteral("X38");
    h.session.currentMember = 500;
    pick(12, MemberSlots - 1) = 38;
    auto& w = open(0);
    EXPECT_EQ(list(w, 12)->count(), 1 + TeamSlots);
    EXPECT_EQ(list(w, 12)->currentText(), QStringLiteral("X38"));
    choose(list(w, 7), 2);
    click(w, "cmdOk");
    EXPECT_EQ(pick(7, MemberSlots - 1), 29);
}

} // namespace
} // namespace vek
