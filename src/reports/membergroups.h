#pragma once

#include <vector>

namespace vek {

/// One group of member columns of a report page: consecutive members, first to last inclusive.
struct MemberGroup {
    int first = 0;
    int last = -1;
    [[nodiscard]] int size() const { return last - first + 1; }
    bool operator==(const MemberGroup&) const = default;
};

/// The member columns of the prediction and result report: the groups of at most 15 members that its
/// week pages show side by side, the blanks between two columns and how much of each name a column
/// heading shows.
struct MemberGroups {
    std::vector<MemberGroup> groups;
    int gap = 0;       // blanks between two member columns
    int nameWidth = 7; // leading characters of a name in a column heading
    bool operator==(const MemberGroups&) const = default;
};

/// Up to 15 members form one group; more form as many groups as groups of 15 need, the first ones
/// of n / groups members (halves to the even neighbour) and the last of the rest, or, where that
/// would leave the last group over 15, of n / groups rounded up. The first group's size sets the gap
/// that fills 122 characters (at most 5; 1 for a single member); names show 8 characters with a gap
/// and 7 without, so that two names never touch.
[[nodiscard]] MemberGroups reportMemberGroups(int members);

} // namespace vek
