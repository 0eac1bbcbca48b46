#include "model/pooldata.h"

#include <gtest/gtest.h>

#include <memory>

namespace vek {
namespace {

TEST(PoolLookups, DefaultMemberFallsBackToTheFirstOutsideTheList) {
    auto pool = std::make_unique<PoolData>();
    pool->numMembers = 3;
    const struct {
        int16_t stored;
        int shown;
    } cases[] = {{0, 0}, {2, 2}, {3, 0}, {-1, 0}, {120, 0}};
    for (const auto& c : cases) {
        pool->defaultMember = c.stored;
        EXPECT_EQ(pool->defaultMemberIndex(), c.shown) << c.stored;
    }
}

TEST(PoolLookups, TeamTextsAreBlankOutsideTheTeamSlots) {
    auto pool = std::make_unique<PoolData>();
    pool->numTeams = 2;
    pool->teamName[1] = QStringLiteral("Harbour City");
    pool->teamAbbr[1] = QStringLiteral("HAR");
    pool->teamAbbr[2] = QStringLiteral("TIE-");
    EXPECT_EQ(pool->teamNameOf(1), QStringLiteral("Harbour City"));
    EXPECT_EQ(pool->teamAbbrOf(2), QStringLiteral("TIE-"));
    for (int code : {-1, TeamSlots, ByeFlag + 1, 32767}) {
        EXPECT_TRUE(pool->teamNameOf(code).isEmpty()) << code;
        EXPECT_TRUE(pool->teamAbbrOf(code).isEmpty()) << code;
    }
}

} // namespace
} // namespace vek
