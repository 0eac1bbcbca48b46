// How the report divides the members into groups of columns.
#include "reports/membergroups.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

std::vector<int> sizes(const MemberGroups& layout) {
    std::vector<int> out;
    for (const MemberGroup& g : layout.groups) {
        out.push_back(g.size());
    }
    return out;
}

TEST(MemberGroups, SizesGapsAndNameWidths) {
    struct Case {
        int members;
        std::vector<int> sizes;
        int gap;
        int nameWidth;
    };
    const Case cases[] = {
        {0, {}, 0, 7},
        {1, {1}, 1, 8},
        {2, {2}, 5, 8},
        {9, {9}, 5, 8},
        {10, {10}, 4, 8},
        {11, {11}, 3, 8},
        {12, {12}, 2, 8},
        {13, {13}, 1, 8},
        {14, {14}, 0, 7},
        {15, {15}, 0, 7},
        {16, {8, 8}, 5, 8},
        {17, {8, 9}, 5, 8},   // 8.5 to the even neighbour
        {19, {10, 9}, 4, 8},  // 9.5 to the even neighbour
        {29, {14, 15}, 0, 7}, //
        {46, {12, 12, 12, 10}, 2, 8},
        {120, {15, 15, 15, 15, 15, 15, 15, 15}, 0, 7},
        // Where halves to the even neighbour would leave the last group over 15.
        {94, {14, 14, 14, 14, 14, 14, 10}, 0, 7},
        {107, {14, 14, 14, 14, 14, 14, 14, 9}, 0, 7},
        {121, {14, 14, 14, 14, 14, 14, 14, 14, 9}, 0, 7},
    };
    for (const Case& c : cases) {
        const MemberGroups layout = reportMemberGroups(c.members);
        EXPECT_EQ(sizes(layout), c.sizes) << c.members << " members";
        EXPECT_EQ(layout.gap, c.gap) << c.members << " members";
        EXPECT_EQ(layout.nameWidth, c.nameWidth) << c.members << " members";
    }
}

TEST(MemberGroups, EveryMemberInOneGroupOfAtMost15) {
    for (int n = 1; n <= 121; ++n) {
        const MemberGroups layout = reportMemberGroups(n);
        int next = 0;
        for (const MemberGroup& g : layout.groups) {
            EXPECT_EQ(g.first, next) << n;
            EXPECT_GE(g.size(), 1) << n;
            EXPECT_LE(g.size(), 15) << n;
            next = g.last + 1;
        }
        EXPECT_EQ(next, n);
        EXPECT_LE(layout.groups.size(), 9u);
    }
}

} // namespace
} // namespace vek
