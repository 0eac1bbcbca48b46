// The season information window: the figures of the season frame and of the week chosen with the
// spinner, and how it looks with the longest season.
#include "leaguescreens.h"
#include "session/poolsession.h"
#include "setup/seasonaldata.h"
#include "support/controls.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace vek {
namespace {

class SeasonalDataTest : public ::testing::Test {
protected:
    SeasonalData& open() {
        SeasonalData& window = h.host.window<SeasonalData>();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
    QString text(const QString& name) {
        auto* label = h.host.existing<SeasonalData>()->findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name.toStdString();
        return label ? label->text() : QString();
    }

    test::UiHarness h;
};

TEST_F(SeasonalDataTest, ShowsTheFrameAndTheChosenWeek) {
    test::fillSamplePool(h.pool(), {}, -1);
    h.pool().numWeeks = 18;
    h.pool().byesPerTeam = 2;
    h.pool().openDates[3] = 4;
    SeasonalData& window = open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Schedule Information"));
    const std::pair<const char*, const char*> shown[] = {
        {"numTeams", "32"}, {"numByes", "2"},   {"teamGames", "16"}, {"sWeeks", "18"},   {"cWeek", "0"},
        {"maxGames", "16"}, {"minGames", "12"}, {"inWeek", "1"},     {"numGames", "15"}, {"openDates", "1"},
    };
    for (const auto& [name, value] : shown) {
        EXPECT_EQ(text(QString::fromLatin1(name)), QString::fromLatin1(value)) << name;
    }
    auto* weekSpin = window.findChild<QSpinBox*>(QStringLiteral("weekSpin"));
    EXPECT_EQ(weekSpin->maximum(), 17);
    weekSpin->setValue(3);
    EXPECT_EQ(window.infoWeek(), 3);
    EXPECT_EQ(text(QStringLiteral("inWeek")), QStringLiteral("4"));
    EXPECT_EQ(text(QStringLiteral("numGames")), QStringLiteral("12"));
    EXPECT_EQ(text(QStringLiteral("openDates")), QStringLiteral("4"));

    // Every opening starts on week 1 again.
    window.done(QDialog::Accepted);
    h.pool().currentWeek = 5;
    open();
    EXPECT_EQ(text(QStringLiteral("inWeek")), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("cWeek")), QStringLiteral("6"));
}

TEST_F(SeasonalDataTest, TheLongestSeasonIsReadable) {
    test::fillLargestLeague(h.pool());
    test::fillLongestSeason(h.pool());
    SeasonalData& window = open();
    EXPECT_EQ(text(QStringLiteral("sWeeks")), QStringLiteral("19"));
    test::expectNothingCutOff(window, QStringLiteral("seasonaldata"));
    test::expectRowsWhole(window);
}

} // namespace
} // namespace vek
