#include "model/rounding.h"

#include <cmath>
#include <cstdlib>

namespace vek {

namespace {

int64_t powerOfTen(int decimals) {
    int64_t power = 1;
    for (int i = 0; i < decimals; ++i) {
        power *= 10;
    }
    return power;
}

} // namespace

double roundedUnits(double value, int decimals) {
    if (!std::isfinite(value)) {
        return 0.0;
    }
    const double scaled = value * std::pow(10.0, decimals);
    // 'g' formatting is the same in every locale.
    const double clean = QString::number(scaled, 'g', 15).toDouble();
    // std::round takes halves away from zero; adding 0.0 turns -0 into 0.
    return std::round(clean) + 0.0;
}

int64_t roundedRatioUnits(int64_t part, int64_t whole, int decimals) {
    if (whole == 0) {
        return 0;
    }
    const int64_t numerator = std::llabs(part) * powerOfTen(decimals);
    const int64_t divisor = std::llabs(whole);
    int64_t units = numerator / divisor;
    if (2 * (numerator % divisor) >= divisor) {
        ++units;
    }
    return (part < 0) != (whole < 0) ? -units : units;
}

QString unitsText(double units, int decimals) {
    QString digits = QString::number(std::fabs(units), 'f', 0);
    if (decimals > 0) {
        if (digits.size() <= decimals) {
            digits.prepend(QString(decimals + 1 - digits.size(), QLatin1Char('0')));
        }
        digits.insert(digits.size() - decimals, QLatin1Char('.'));
    }
    return units < 0.0 ? QLatin1Char('-') + digits : digits;
}

} // namespace vek
