#include "engine/pickdifferences.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vek {

namespace {

constexpr int CodeValues = 256; // a pick's low byte
constexpr int WeekBytes = 32;   // a week's game slots, padded so that two weeks compare as whole blocks

// One member's week of pick codes; the slots after the week's games hold 0 for every member, so they
// never differ.
using WeekCodes = Table<uint8_t, WeekBytes>;
// Every member's season of pick codes, so that a pair of members is compared over contiguous memory.
// Lives on the stack: the call allocates nothing.
using SeasonCodes = Table2<WeekCodes, MemberSlots, WeekSlots>;

// The games of a week on which the two members picked differently, game by game: what a processor
// without SSE2 runs, and what the faster comparison below must equal.
int gamesDifferingPortable(const WeekCodes& mine, const WeekCodes& theirs) {
    int differ = 0;
    for (int g = 0; g < WeekBytes; ++g) {
        differ += static_cast<int>(mine[g] != theirs[g]);
    }
    return differ;
}

// The same where the processor has 16-byte compares: the pair loop runs this for every pair of members
// and every week, so it takes a week in two.
#if defined(__SSE2__)
int gamesDifferingSse2(const WeekCodes& mine, const WeekCodes& theirs) {
    static_assert(WeekBytes == 2 * sizeof(__m128i));
    const auto load = [](const WeekCodes& codes, int half) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(codes.data()) + half);
    };
    // Each byte: 0, 1 or 2 slots of the two halves on which the codes agree; the sums of absolute
    // differences from 0 add them up in two 64-bit lanes.
    const __m128i agreeing =
        _mm_sub_epi8(_mm_setzero_si128(), _mm_add_epi8(_mm_cmpeq_epi8(load(mine, 0), load(theirs, 0)),
                                                       _mm_cmpeq_epi8(load(mine, 1), load(theirs, 1))));
    const __m128i sums = _mm_sad_epu8(agreeing, _mm_setzero_si128());
    return WeekBytes - (_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
}
#endif

// Differences: each unordered pair once, written to both halves of the symmetric tables; a member never
// differs from itself. The week comparison is a template argument, so that the loop calls it directly.
template <int (*GamesDiffering)(const WeekCodes&, const WeekCodes&)>
void countDifferences(PoolData& pool, const SeasonCodes& codes, const Table<int, WeekSlots>& games) {
    const int members = pool.memberCount();
    const int weeks = pool.weekLayout().weeks();
    for (int a = 0; a < members; ++a) {
        pool.pickDiffTotal[a][a] = 0;
        for (int w = 0; w < weeks; ++w) {
            pool.pickDiffWeek[a][a][w] = 0;
            pool.pickDiffMonday[a][a][w] = 0;
        }
        const auto& mine = codes[a];
        for (int b = a + 1; b < members; ++b) {
            const auto& theirs = codes[b];
            int total = 0;
            for (int w = 0; w < weeks; ++w) {
                const auto differ = static_cast<int16_t>(GamesDiffering(mine[w], theirs[w]));
                const int monday = games[w] - 1;
                const auto mondayDiffers =
                    static_cast<int16_t>(monday >= 0 && mine[w][monday] != theirs[w][monday]);
                pool.pickDiffWeek[a][b][w] = differ;
                pool.pickDiffWeek[b][a][w] = differ;
                pool.pickDiffMonday[a][b][w] = mondayDiffers;
                pool.pickDiffMonday[b][a][w] = mondayDiffers;
                total += differ;
            }
            pool.pickDiffTotal[a][b] = static_cast<int16_t>(total);
            pool.pickDiffTotal[b][a] = static_cast<int16_t>(total);
        }
    }
}

} // namespace

void CalcPickDifferences(PoolData& pool, PickComparison comparison) {
    static_assert(GameSlots <= WeekBytes);
    const int members = pool.memberCount();
    const WeekLayout layout = pool.weekLayout();
    const int weeks = layout.weeks();
    Table<int, WeekSlots> games{};
    for (int w = 0; w < weeks; ++w) {
        games[w] = layout.games(w);
    }

    // Unique picks: a pick is unique when its code occurs once among the game's picks.
    SeasonCodes codes{};
    for (int a = 0; a < members; ++a) {
        pool.uniquePicks[a] = 0;
        for (int w = 0; w < weeks; ++w) {
            pool.uniquePicksWeek[a][w] = 0;
        }
    }
    for (int w = 0; w < weeks; ++w) {
        for (int g = 0; g < games[w]; ++g) {
            auto& picks = pool.memberPicks[w][g];
            Table<int16_t, CodeValues> pickedBy{};
            for (int a = 0; a < members; ++a) {
                int16_t& pick = picks[a];
                pick = static_cast<int16_t>(pick & 0x7FFF);
                const auto code = static_cast<uint8_t>(pickCode(pick));
                codes[a][w][g] = code;
                ++pickedBy[code];
            }
            for (int a = 0; a < members; ++a) {
                if (pickedBy[codes[a][w][g]] == 1) {
                    picks[a] = static_cast<int16_t>(picks[a] | UniquePickFlag);
                    ++pool.uniquePicks[a];
                    ++pool.uniquePicksWeek[a][w];
                }
            }
        }
    }

#if defined(__SSE2__)
    if (comparison == PickComparison::Fastest) {
        countDifferences<gamesDifferingSse2>(pool, codes, games);
        return;
    }
#endif
    countDifferences<gamesDifferingPortable>(pool, codes, games);
}

} // namespace vek
