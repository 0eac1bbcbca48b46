#include "reports/membergroups.h"

#include <algorithm>
#include <cmath>

namespace vek {
namespace {
constexpr int MaxGroupSize = 15;
constexpr int LineWidth = 122;
constexpr int CellWidth = 8;
constexpr int MaxGap = 5;
} // namespace

MemberGroups reportMemberGroups(int members) {
    MemberGroups layout;
    if (members < 1) {
        return layout;
    }
    const int count = (members + MaxGroupSize - 1) / MaxGroupSize;
    int size = static_cast<int>(std::nearbyint(static_cast<double>(members) / count)); // halves to even
    if (members - (count - 1) * size > MaxGroupSize) {
        size = (members + count - 1) / count;
    }
    int first = 0;
    for (int g = 0; g < count; ++g) {
        const int last = g + 1 < count ? first + size - 1 : members - 1;
        layout.groups.push_back({first, last});
        first = last + 1;
    }
    const int firstSize = layout.groups.front().size();
    layout.gap = firstSize == 1 ? 1 : std::min(MaxGap, (LineWidth - CellWidth * firstSize) / (firstSize - 1));
    layout.nameWidth = layout.gap != 0 ? 8 : 7;
    return layout;
}

} // namespace vek
