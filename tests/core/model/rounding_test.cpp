// The one rounding rule of the windows and the reports: halves away from zero, also where a half is
// stored just below itself, and ratios of whole numbers rounded exactly.
#include "model/rounding.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(Rounding, HalvesGoAwayFromZero) {
    const struct {
        double value;
        int decimals;
        double units;
    } values[] = {
        {0.6625, 3, 663}, {-0.6625, 3, -663},
        {1.005, 2, 101},  {2.5, 0, 3},
        {-2.5, 0, -3},    {2.4999, 0, 2},
        {-0.4, 0, 0},     {std::numeric_limits<double>::quiet_NaN(), 2, 0},
    };
    for (const auto& v : values) {
        const double units = roundedUnits(v.value, v.decimals);
        EXPECT_EQ(units, v.units) << v.value;
        EXPECT_FALSE(units == 0.0 && std::signbit(units)) << v.value; // never -0
    }

    const struct {
        int64_t part;
        int64_t whole;
        int decimals;
        int64_t units;
    } ratios[] = {{53, 80, 3, 663}, {5100, 80, 1, 638}, {2, 3, 3, 667}, {1, 3, 3, 333},
                  {-1, 8, 2, -13},  {1, -8, 2, -13},    {5, 0, 3, 0}};
    for (const auto& r : ratios) {
        EXPECT_EQ(roundedRatioUnits(r.part, r.whole, r.decimals), r.units) << r.part << "/" << r.whole;
    }
    EXPECT_EQ(unitsText(-5, 1), QStringLiteral("-0.5"));
}

} // namespace
} // namespace vek
