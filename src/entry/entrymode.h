#pragma once

#include <cstdint>

namespace vek {

/// What the weekly entry window works on. The session stores it as the number the main window sets
/// (`entryMode`: 0, 1 or 2); the window converts it when it loads.
enum class EntryMode { Predictions = 0, Results = 1, Spreads = 2 };

/// The stored number as a mode: 1 results, 2 point spreads, anything else a member's predictions.
[[nodiscard]] constexpr EntryMode entryModeOf(int16_t stored) {
    switch (stored) {
    case 1:
        return EntryMode::Results;
    case 2:
        return EntryMode::Spreads;
    default:
        return EntryMode::Predictions;
    }
}

} // namespace vek
