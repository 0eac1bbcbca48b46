#include "engine/memberodds.h"

#include <cmath>

namespace vek {

void CalcMemberOdds(PoolData& pool) {
    const int members = pool.memberCount();
    if (members == 0) {
        return;
    }
    // The working values are single precision, as the odds always were; the texts depend on it.
    std::array<float, MemberSlots> differences{};
    std::array<float, MemberSlots> weights{};

    float differenceSum = 0.0F;
    for (int m = 0; m < members; ++m) {
        const auto mi = m;
        float d = 0.0F;
        for (int n = 0; n < members; ++n) {
            d += static_cast<float>(pool.pickDiffTotal[mi][n]);
        }
        differences[mi] = d;
        differenceSum += d;
    }
    // The lowest total starts from the first member's, so that some member is always the leader however
    // large the totals are.
    double lowest = differences[0];
    for (int m = 1; m < members; ++m) {
        if (differences[m] < static_cast<float>(lowest)) {
            lowest = differences[m];
        }
    }
    const float average = differenceSum / static_cast<float>(members);

    int leader = 0;
    for (int m = 0; m < members; ++m) {
        const auto mi = m;
        if (differences[mi] == static_cast<float>(lowest)) {
            weights[mi] = static_cast<float>(2.0 * (static_cast<double>(average) - lowest));
            leader = m;
        }
    }

    float weightSum = 0.0F;
    for (int m = 0; m < members; ++m) {
        const auto mi = m;
        if (m != leader) {
            weights[mi] = static_cast<float>(static_cast<double>(weights[leader]) -
                                             (static_cast<double>(differences[mi]) - lowest));
        }
        if (weights[mi] < 2.0F) {
            weights[mi] = 2.0F;
        }
        weightSum += weights[mi];
    }
    const auto pot = static_cast<float>(0.75 * static_cast<double>(weightSum));
    for (int m = 0; m < members; ++m) {
        const auto mi = m;
        pool.memberOdds[mi] = pot / weights[mi] - 1.0F;
    }
}

namespace {

struct OddsBand {
    double from;
    double below;
    const char* text;
};

constexpr std::array<OddsBand, 18> OddsBands{{
    {0.0, 0.2, "1/9"},
    {0.2, 0.4, "1/5"},
    {0.4, 0.5, "2/5"},
    {0.5, 0.6, "1/2"},
    {0.6, 0.8, "3/5"},
    {0.8, 1.0, "4/5"},
    {1.0, 1.2, " 1 "},
    {1.2, 1.4, "6/5"},
    {1.4, 1.5, "7/5"},
    {1.5, 1.6, "3/2"},
    {1.6, 1.8, "8/5"},
    {1.8, 2.0, "9/5"},
    {2.0, 2.5, " 2 "},
    {2.5, 3.0, "5/2"},
    {3.0, 3.5, " 3 "},
    {3.5, 4.0, "7/2"},
    {4.0, 4.5, " 4 "},
    {4.5, 5.0, "9/2"},
}};

} // namespace

QString OddsText(const PoolData& pool, int member) {
    if (!isMember(member)) {
        return {};
    }
    const double odds = pool.memberOdds[member];
    for (const OddsBand& band : OddsBands) {
        if (odds >= band.from && odds < band.below) {
            return QString::fromLatin1(band.text);
        }
    }
    // A whole number, halves away from zero; a value that rounds to zero is "0", not "-0".
    const double whole = std::round(odds) + 0.0;
    return QString::number(whole, 'f', 0);
}

} // namespace vek
