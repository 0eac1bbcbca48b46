#include "views/figuretexts.h"

#include "model/rounding.h"

#include <cmath>

namespace vek {

QString decimalText(double value, int decimals) {
    return unitsText(roundedUnits(value, decimals), decimals);
}

QString ratioText(int64_t part, int64_t whole, int decimals) {
    return unitsText(static_cast<double>(roundedRatioUnits(part, whole, decimals)), decimals);
}

QString percentText(int64_t part, int64_t whole, int decimals) {
    return ratioText(100 * part, whole, decimals) + QLatin1Char('%');
}

int percentBar(int64_t part, int64_t whole) {
    if (whole == 0) {
        return 0;
    }
    // A half is exact here (100 x part / whole = k + 1/2 is a binary fraction), so the division cannot
    // move it off the half.
    return static_cast<int>(std::nearbyint(100.0 * static_cast<double>(part) / static_cast<double>(whole)));
}

} // namespace vek
