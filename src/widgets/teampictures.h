#pragma once

#include <QPixmap>

namespace vek {

struct PoolData;

/// The team picture store: 36 numbered slots, the first 32 each holding a small logo, the last four
/// none. A team's logo is the picture of slot teamIcon(team); the league editor and the weekly entry
/// window both take their pictures from here, so one number always gives the same picture. The logos
/// are drawn in code, the same every time, so the program ships no picture files.
class TeamPictures {
public:
    static constexpr int Slots = 36;      // picture numbers 0..35
    static constexpr int DrawnSlots = 32; // 0..31 hold a logo, 32..35 none
    static constexpr int Width = 33;
    static constexpr int Height = 26;

    /// The picture of slot `number`; a null pixmap for an empty slot or a number outside 0..35.
    [[nodiscard]] static QPixmap picture(int number);
    /// The picture of the team with this code (teamIcon of its slot); none outside the team slots.
    [[nodiscard]] static QPixmap ofTeam(const PoolData& pool, int code);
};

} // namespace vek
