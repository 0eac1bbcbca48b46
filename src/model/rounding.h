#pragma once

#include <QString>

#include <cstdint>

namespace vek {

// One rounding rule for every figure the program shows, in a window or in a report: to the nearest,
// halves away from zero. A figure is counted in units of its last decimal place (0.001 for three
// decimals), so that a rounded value is a whole number and its text is exact.

/// The value in units of the last of `decimals` decimal places, rounded to a whole number of them,
/// halves away from zero: 2.125 with 2 decimals gives 213, -2.5 with none -3. The value is first taken
/// to the 15 significant digits a double holds for certain, so that a half stored just below it (1.25
/// as 1.2499...) still rounds up. Never -0; a value that is not finite gives 0.
[[nodiscard]] double roundedUnits(double value, int decimals);

/// part / whole in units of the last of `decimals` decimal places, worked out exactly in whole numbers
/// and rounded halves away from zero: 53 / 80 with 3 decimals gives 663. 0 when whole is 0.
[[nodiscard]] int64_t roundedRatioUnits(int64_t part, int64_t whole, int decimals);

/// A whole number of units written with `decimals` decimals: 663 with 3 gives "0.663", -5 with 1
/// gives "-0.5", 7 with none "7".
[[nodiscard]] QString unitsText(double units, int decimals);

} // namespace vek
