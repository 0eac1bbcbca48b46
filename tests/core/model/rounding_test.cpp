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
        {0.6625, 3, 663},   // held as 0.66249999...
        {-0.6625, 3, -663}, //
        {1.0 / 80, 3, 13},  // 0.0125
        {2.5, 0, 3},        //
        {-2.5, 0, -3},      //
        {2.4999, 0, 2},     // a little below a half is no half
        {-0.4, 0, 0},       // never -0
        {123456.7, 0, 123457}, {std::numeric_limits<double>::quiet_NaN(), 2, 0},
    };
    for (const auto& v : values) {
        const double units = roundedUnits(v.value, v.decimals);
        EXPECT_EQ(units, v.units) << v.value;
        EXPECT_FALSE(std::signbit(units) && units == 0.0) << v.value;
    }

    const struct {
        int64_t part;
        int64_t whole;
        int decimals;
        int64_t units;
    } ratios[] = {
        {53, 80, 3, 663}, {5100, 80, 1, 638}, {2, 3, 3, 667}, {1, 3, 3, 333},
        {-1, 8, 2, -13},  {1, -8, 2, -13},    {5, 0, 3, 0},   {121 * 361, 121 * 661, 3, 546},
    };
    for (const auto& r : ratios) {
        EXPECT_EQ(roundedRatioUnits(r.part, r.whole, r.decimals), r.units) << r.part << "/" << r.whole;
    }

    const struct {
        double units;
        int decimals;
        const char* text;
    } texts[] = {{663, 3, "0.663"}, {-5, 1, "-0.5"}, {7, 0, "7"}, {1000, 3, "1.000"}, {0, 2, "0.00"}};
    for (const auto& t : texts) {
        EXPECT_EQ(unitsText(t.units, t.decimals), QString::fromLatin1(t.text)) << t.units;
    }
}

} // namespace
} // namespace vek
