#include "engine/pickdifferences.h"

#include <cstdint>

namespace vek {

namespace {

constexpr int SeasonGames = WeekSlots * GameSlots;
constexpr int CodeValues = 256; // a pick's low byte

// Every member's season of pick codes, one game after another, so that a pair of members is compared
// over contiguous memory. Lives on the stack: the call allocates nothing.
using SeasonCodes = std::array<std::array<uint8_t, SeasonGames>, MemberSlots>;

} // namespace

void CalcPickDifferences(PoolData& pool) {
    const int members = pool.memberCount();
    const WeekLayout layout = pool.weekLayout();
    const int weeks = layout.weeks();
    std::array<int, WeekSlots> games{};
    for (int w = 0; w < weeks; ++w) {
        games[w] = layout.games(w);
    }

    for (int a = 0; a < members; ++a) {
        const auto ai = a;
        pool.uniquePicks[ai] = 0;
        for (int w = 0; w < weeks; ++w) {
            pool.uniquePicksWeek[ai][w] = 0;
        }
        for (int b = 0; b < members; ++b) {
            const auto bi = b;
            pool.pickDiffTotal[ai][bi] = 0;
            for (int w = 0; w < weeks; ++w) {
                pool.pickDiffWeek[ai][bi][w] = 0;
                pool.pickDiffMonday[ai][bi][w] = 0;
            }
        }
    }

    // Unique picks: a pick is unique when its code occurs once among the game's picks.
    SeasonCodes codes;
    for (int w = 0; w < weeks; ++w) {
        const auto wi = w;
        for (int g = 0; g < games[wi]; ++g) {
            const auto gi = g;
            auto& picks = pool.memberPicks[wi][gi];
            std::array<int16_t, CodeValues> pickedBy{};
            for (int a = 0; a < members; ++a) {
                int16_t& pick = picks[a];
                pick = static_cast<int16_t>(pick & 0x7FFF);
                const auto code = static_cast<uint8_t>(pickCode(pick));
                codes[a][wi * GameSlots + gi] = code;
                ++pickedBy[code];
            }
            for (int a = 0; a < members; ++a) {
                const auto ai = a;
                if (pickedBy[codes[ai][wi * GameSlots + gi]] == 1) {
                    picks[ai] = static_cast<int16_t>(picks[ai] | UniquePickFlag);
                    ++pool.uniquePicks[ai];
                    ++pool.uniquePicksWeek[ai][wi];
                }
            }
        }
    }

    // Differences: each unordered pair once, written to both halves of the symmetric tables.
    for (int a = 0; a < members; ++a) {
        const auto ai = a;
        const auto& mine = codes[ai];
        for (int b = a + 1; b < members; ++b) {
            const auto bi = b;
            const auto& theirs = codes[bi];
            int total = 0;
            for (int w = 0; w < weeks; ++w) {
                const auto wi = w;
                const int n = games[wi];
                if (n == 0) {
                    continue;
                }
                const std::size_t base = wi * GameSlots;
                int differ = 0;
                for (int g = 0; g < n; ++g) {
                    differ += mine[base + g] != theirs[base + g];
                }
                const std::size_t monday = base + (n - 1);
                const auto mondayDiffers = static_cast<int16_t>(mine[monday] != theirs[monday]);
                pool.pickDiffWeek[ai][bi][wi] = static_cast<int16_t>(differ);
                pool.pickDiffWeek[bi][ai][wi] = static_cast<int16_t>(differ);
                pool.pickDiffMonday[ai][bi][wi] = mondayDiffers;
                pool.pickDiffMonday[bi][ai][wi] = mondayDiffers;
                total += differ;
            }
            pool.pickDiffTotal[ai][bi] = static_cast<int16_t>(total);
            pool.pickDiffTotal[bi][ai] = static_cast<int16_t>(total);
        }
    }
}

} // namespace vek
