// The enabled state of the main window's command buttons, worked out from the data.
#include "app/mainbuttons.h"
#include "support/poolbuilder.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace vek {
namespace {

// The buttons a state enables, by name, in the list's order.
QStringList enabledButtons(const MainButtonStates& states) {
    QStringList names;
    for (const MainButtonFace& face : MainButtonFaces) {
        if (states.enabled(face.button)) {
            names << QString::fromLatin1(face.name);
        }
    }
    return names;
}

TEST(MainButtons, EnabledStateFollowsTheData) {
    const QStringList always{"cmdMembers", "cmdPoolProfile", "cmdSchedule", "cmdAlignment", "cmdPrint"};
    struct Case {
        const char* name;
        int16_t numMembers;
        int16_t scheduleVerified;
        int16_t usePointSpreads;
        int16_t currentWeek;
        QStringList alsoEnabled;
    };
    const Case cases[] = {
        {"nothing set up", 0, 0, 0, -1, {}},
        {"verified schedule, no members", 0, -1, 0, -1, {"cmdEventProfiles", "cmdResults"}},
        {"one member", 1, -1, 0, -1, {"cmdEventProfiles", "cmdResults", "cmdPredict", "cmdCharts"}},
        {"two members",
         2,
         -1,
         0,
         -1,
         {"cmdEventProfiles", "cmdResults", "cmdPredict", "cmdCharts", "cmdDifference"}},
        {"point spreads", 0, -1, -1, -1, {"cmdEventProfiles", "cmdResults", "cmdSpread"}},
        {"point spreads without a verified schedule", 5, 0, -1, -1, {}},
        {"results without members", 0, 0, 0, 0, {"cmdLedger", "cmdScout", "cmdRatings"}},
        {"results with a member",
         1,
         0,
         0,
         3,
         {"cmdStandings", "cmdCompRslt", "cmdStats", "cmdLedger", "cmdScout", "cmdRatings"}},
        {"everything",
         121,
         -1,
         -1,
         18,
         {"cmdEventProfiles", "cmdResults", "cmdPredict", "cmdCharts", "cmdDifference", "cmdSpread",
          "cmdStandings", "cmdCompRslt", "cmdStats", "cmdLedger", "cmdScout", "cmdRatings"}},
        // Only -1 is true; any other flag value is false.
        {"schedule check 1", 2, 1, -1, -1, {}},
        {"schedule check -2", 2, -2, 0, -1, {}},
        {"point spreads 1", 0, -1, 1, -1, {"cmdEventProfiles", "cmdResults"}},
        // Signed comparisons: a negative count or week offers nothing that needs them.
        {"negative member count",
         -3,
         -1,
         0,
         0,
         {"cmdEventProfiles", "cmdResults", "cmdLedger", "cmdScout", "cmdRatings"}},
        {"week below -1", 2, 0, 0, -2, {}},
    };
    for (const Case& c : cases) {
        auto pool = test::newPool();
        pool->numMembers = c.numMembers;
        pool->scheduleVerified = c.scheduleVerified;
        pool->usePointSpreads = c.usePointSpreads;
        pool->currentWeek = c.currentWeek;
        QStringList expected = always;
        expected << c.alsoEnabled;
        QStringList actual = enabledButtons(mainButtonStates(*pool));
        expected.sort();
        actual.sort();
        EXPECT_EQ(actual, expected) << c.name;
    }
}

TEST(MainButtons, EachCallStartsFromTheDataAlone) {
    auto pool = test::newPool();
    pool->numMembers = 2;
    pool->scheduleVerified = True16;
    pool->usePointSpreads = True16;
    pool->currentWeek = 4;
    const MainButtonStates all = mainButtonStates(*pool);
    EXPECT_EQ(all, MainButtonStates{});

    pool->usePointSpreads = 0; // point spreads switched off and saved
    pool->numMembers = 1;
    const MainButtonStates fewer = mainButtonStates(*pool);
    EXPECT_FALSE(fewer.enabled(MainButton::cmdSpread));
    EXPECT_FALSE(fewer.enabled(MainButton::cmdDifference));
    EXPECT_TRUE(fewer.enabled(MainButton::cmdPredict));
}

} // namespace
} // namespace vek
