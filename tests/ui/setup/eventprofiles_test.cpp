// The event profiles window: its up-down controls drive the working copy and the labels beside them,
// the week size switches the weekly values, Cancel puts the periods back, OK stores through the session,
// and every tab can be read.
#include "setup/eventprofiles.h"
#include "setupwindows.h"
#include "support/filetext.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

namespace vek {
namespace {

class EventProfilesTest : public ::testing::Test {
protected:
    EventProfilesTest() {
        // 32 teams, 16 slots a week, at most 4 of them byes.
        test::fillSamplePool(h.pool(), {QStringLiteral("Margaret Smith")}, 3);
        h.pool().confidenceMode = 0;
        h.pool().numWeeks = 18;
        h.pool().openDates[17] = 4;
        h.pool().minWeekGames = 12;
        applyDefaults();
    }
    void applyDefaults() {
        PoolData& p = h.pool();
        p.halfWeeks = {10, 8, 0, 0, 0};
        p.quarterWeeks = {4, 5, 4, 5, 0};
        p.goodWeekMinWins.fill(10);
        p.badWeekMaxWins.fill(2);
        p.goodWeekPoints.fill(500);
        p.badWeekPoints.fill(2000);
        p.perfectWeekPoints.fill(2000);
        p.goodWeekPoints[2] = 444;
    }
    EventProfiles& open() {
        EventProfiles& window = h.host.window<EventProfiles>();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
    QWidget& window() { return *h.host.existing<EventProfiles>(); }
    QString text(const char* label) {
        return test::control<QLabel>(window(), QString::fromLatin1(label))->text();
    }
    QSpinBox* spin(const char* name) { return test::control<QSpinBox>(window(), QString::fromLatin1(name)); }
    QPushButton* button(const char* name) {
        return test::control<QPushButton>(window(), QString::fromLatin1(name));
    }

    test::UiHarness h;
};

TEST_F(EventProfilesTest, TheWeekTabFollowsTheWeekSize) {
    open();
    EXPECT_EQ(text("numGames"), QStringLiteral("16"));
    EXPECT_EQ(spin("nofgSpin")->minimum(), 12);
    EXPECT_EQ(spin("nofgSpin")->maximum(), 16);
    EXPECT_EQ(text("goodWeek"), QStringLiteral("10"));
    EXPECT_EQ(text("gwPerc"), QStringLiteral("62.50%"));
    EXPECT_EQ(text("bwPerc"), QStringLiteral("12.50%"));
    EXPECT_EQ(text("pnlGoodWeek"), QStringLiteral("MINIMUM # of correct predictions needed to win:"));

    spin("nofgSpin")->stepDown();
    spin("nofgSpin")->stepDown();
    EXPECT_EQ(text("numGames"), QStringLiteral("14"));
    EXPECT_EQ(text("gwPts"), QStringLiteral("444"));
    EXPECT_EQ(spin("gwpSpin")->value(), 444); // the next step starts from the value shown
    EXPECT_EQ(text("gwPerc"), QStringLiteral("71.43%"));

    QTest::mouseClick(test::control<QRadioButton>(window(), QStringLiteral("ptOption2")), Qt::LeftButton, {},
                      QPoint(6, 6));
    EXPECT_EQ(spin("gwpSpin")->singleStep(), 100);
    EXPECT_EQ(spin("qptSpin")->singleStep(), 1);
    spin("gwpSpin")->stepUp();
    EXPECT_EQ(text("gwPts"), QStringLiteral("544"));
    button("cmdClrBW")->click();
    EXPECT_EQ(text("bwPts"), QStringLiteral("0"));
    spin("minSpin")->stepUp();
    EXPECT_EQ(text("goodWeek"), QStringLiteral("11"));

    spin("nofgSpin")->stepUp();
    spin("nofgSpin")->stepUp();
    EXPECT_EQ(text("gwPts"), QStringLiteral("500")); // only the size shown was changed
    EXPECT_EQ(text("bwPts"), QStringLiteral("2000"));
    EXPECT_EQ(h.pool().goodWeekPoints[2], 444); // until OK
}

TEST_F(EventProfilesTest, PeriodsFollowTheirLengthsAndCancelPutsThemBack) {
    const auto quarterLast = h.pool().quarterLastWeek;
    open();
    EXPECT_EQ(text("numGamesH1"), QStringLiteral("8"));
    spin("hSpin0")->setValue(9);
    EXPECT_EQ(text("numGamesH1"), QStringLiteral("9"));
    EXPECT_EQ(text("stWeekH1"), QStringLiteral("10"));
    EXPECT_EQ(text("endWeekH1"), QStringLiteral("18"));
    EXPECT_EQ(text("gamesH1"), QString::number(7 * 15 + 16 + 12)); // weeks 10..16 have a bye, week 18 four
    spin("qSpin0")->setValue(6);
    EXPECT_EQ(text("stWeekQ1"), QStringLiteral("7"));
    EXPECT_EQ(text("numGamesQ3"), QStringLiteral("3"));
    EXPECT_EQ(h.pool().quarterLastWeek[0], 5); // the shared periods follow while the window is open

    auto* desBox = test::control<QLabel>(window(), QStringLiteral("desBox"));
    test::control<QTabWidget>(window(), QStringLiteral("tabProfile"))->setCurrentIndex(2);
    EXPECT_EQ(desBox->text(), QStringLiteral("Set Semi-Season Profile Event."));
    test::hover(test::control<QWidget>(window(), QStringLiteral("semiFrame")));
    EXPECT_EQ(desBox->text(), QStringLiteral("Best win/loss record for each half of the season."));

    button("cmdCancel")->click();
    EXPECT_EQ(h.pool().quarterLastWeek, quarterLast);
    EXPECT_EQ(h.pool().halfWeeks[0], 10);
}

TEST_F(EventProfilesTest, OkStoresTheSettingsAndAFailedWriteKeepsTheWindowOpen) {
    ASSERT_TRUE(QDir(h.temp.path()).mkdir(QStringLiteral("events.dat")));
    EventProfiles& profiles = open();
    spin("sptSpin")->setValue(3000);
    button("cmdClrWC")->click();
    button("cmdOK")->click();
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_TRUE(h.messages.requests[0].text.startsWith(QStringLiteral("events.dat could not be saved: ")));
    EXPECT_TRUE(profiles.isLoaded());
    EXPECT_EQ(h.pool().seasonPoints, 2500);

    ASSERT_TRUE(QDir(h.temp.path()).rmdir(QStringLiteral("events.dat")));
    button("cmdOK")->click();
    EXPECT_EQ(profiles.result(), QDialog::Accepted);
    EXPECT_FALSE(profiles.isLoaded());
    EXPECT_EQ(h.pool().seasonPoints, 3000);
    EXPECT_EQ(h.pool().wildChoicePoints, 0);
    EXPECT_TRUE(h.temp.read(QStringLiteral("events.dat")).startsWith("3000\r\n"));
}

TEST_F(EventProfilesTest, PeriodsThatDoNotFitTheSeasonOpenFittedAndOkStoresThem) {
    h.pool().numWeeks = 4;
    open();
    EXPECT_EQ(text("numGamesQ3"), QStringLiteral("1"));
    EXPECT_EQ(spin("qSpin0")->value(), 1);
    EXPECT_EQ(spin("hSpin0")->value(), 2);
    EXPECT_EQ(text("endWeekH1"), QStringLiteral("4"));
    EXPECT_TRUE(text("desBox").startsWith(QStringLiteral("The stored lengths of the halves and quarters")));
    button("cmdOK")->click();
    EXPECT_EQ(h.pool().halfWeeks[0], 2);
    EXPECT_EQ(h.pool().quarterWeeks[3], 1);
    const QList<QByteArray> lines = test::fileLines(h.temp.read(QStringLiteral("events.dat")));
    EXPECT_EQ(lines.mid(4, 2), (QList<QByteArray>{"2", "2"}));
    EXPECT_EQ(lines.mid(8, 4), (QList<QByteArray>{"1", "1", "1", "1"}));
}

TEST_F(EventProfilesTest, APoolWithoutTeamsOpensQuietlyWithTheWeekTabDisabled) {
    h.pool().numTeams = 0;
    open();
    EXPECT_TRUE(h.messages.requests.empty());
    for (const char* name : {"nofgSpin", "minSpin", "maxSpin", "gwpSpin", "bwpSpin", "pwpSpin"}) {
        EXPECT_FALSE(spin(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(button("cmdClrGW")->isEnabled());
    EXPECT_EQ(text("gwPts"), QString());
    EXPECT_TRUE(spin("sptSpin")->isEnabled());
}

TEST_F(EventProfilesTest, EveryTabCanBeRead) {
    test::fillLargestPool(h.pool());
    h.pool().confidenceMode = 0;
    EventProfiles& profiles = open();
    auto* tabs = test::control<QTabWidget>(profiles, QStringLiteral("tabProfile"));
    const QString names[] = {"week", "quarter", "semiseason", "season", "postseason", "specials"};
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        test::expectWholeOnScreen(profiles, QStringLiteral("eventprofiles-") + names[tab]);
    }
    h.pool().confidenceMode = 2; // the threshold captions of a confidence pool
    profiles.done(QDialog::Rejected);
    open();
    tabs->setCurrentIndex(0);
    test::expectWholeOnScreen(profiles, QStringLiteral("eventprofiles-week-confidence"));
}

} // namespace
} // namespace vek
