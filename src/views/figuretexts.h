#pragma once

#include <QString>

#include <cstdint>

namespace vek {

// How the views write their figures: fixed decimals rounded half away from zero, as the reports round
// them, never "-0".

/// The value with `decimals` decimals ("0.00" for 2): 2.125 gives "2.13", -0.001 gives "0.00".
[[nodiscard]] QString decimalText(double value, int decimals);

/// part / whole with `decimals` decimals, rounded exactly: 53 / 80 with 3 gives "0.663"; 0 in that
/// format when whole is 0.
[[nodiscard]] QString ratioText(int64_t part, int64_t whole, int decimals);

/// part / whole as a percentage with `decimals` decimals and "%", rounded exactly ("0.0%": 5 of 8
/// gives "62.5%", 51 of 80 "63.8%"); 0 in that format when whole is 0.
[[nodiscard]] QString percentText(int64_t part, int64_t whole, int decimals);

/// part / whole in hundredths, rounded to the nearest whole number with halves to the even one, as a
/// bar from 0 to 100 shows it; 0 when whole is 0.
[[nodiscard]] int percentBar(int64_t part, int64_t whole);

} // namespace vek
