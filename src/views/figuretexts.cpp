#include "views/figuretexts.h"

#include <cmath>

namespace vek {

QString decimalText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // Rounding first keeps halves away from zero; adding 0.0 turns a rounded -0 into 0.
    const double rounded = std::round(value * scale) / scale + 0.0;
    return QString::number(rounded, 'f', decimals);
}

QString percentText(int64_t part, int64_t whole, int decimals) {
    const double ratio = whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
    return decimalText(100.0 * ratio, decimals) + QLatin1Char('%');
}

int percentBar(int64_t part, int64_t whole) {
    if (whole == 0) {
        return 0;
    }
    return static_cast<int>(std::nearbyint(100.0 * static_cast<double>(part) / static_cast<double>(whole)));
}

} // namespace vek
