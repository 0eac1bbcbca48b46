#include "engine/weekscoring.h"

#include "engine/weekperiods.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <limits>

namespace vek {
namespace {

// Post-season slots of one conference: its four division winners and its two wild cards.
struct Conference {
    int firstDivision;
    int firstWildCard;
};
constexpr Conference Nfc{0, 8};
constexpr Conference Afc{4, 10};
constexpr int BigGameSlot = 12;

constexpr int32_t QuarterBits[4] = {eventbit::Quarter0, eventbit::Quarter1, eventbit::Quarter2,
                                    eventbit::Quarter3};
constexpr int32_t HalfBits[2] = {eventbit::Half0, eventbit::Half1};

// Lowest weekCp a Bad Week search starts from; above any week's confidence points.
constexpr int NoWeekMinCp = 1000;

int16_t withBits(int16_t flags, int16_t bits) {
    return static_cast<int16_t>(flags | bits);
}
int16_t withoutBits(int16_t flags, int16_t bits) {
    return static_cast<int16_t>(flags & ~bits);
}

int32_t saturated(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

/// Scores one member's post-season predictions against the results entered so far. A slot whose result
/// is still empty is nobody's hit, so a pool that has not reached the play-offs gives no points.
class PostSeasonCard {
public:
    PostSeasonCard(const PoolData& pool, int member) : m_pool(pool), m_member(member) {}

    [[nodiscard]] int64_t points() const { return conferencePoints(Nfc) + conferencePoints(Afc); }
    [[nodiscard]] bool pickedBigGame() const { return isResult(pick(BigGameSlot), BigGameSlot); }

private:
    [[nodiscard]] int16_t pick(int slot) const { return m_pool.postSeasonPicks[slot][m_member]; }
    [[nodiscard]] bool isResult(int16_t code, int slot) const {
        const int16_t result = m_pool.postSeasonResults[slot];
        return result != m_pool.noneCode() && code == result;
    }
    [[nodiscard]] bool isWildCard(int16_t code, const Conference& conf) const {
        return isResult(code, conf.firstWildCard) || isResult(code, conf.firstWildCard + 1);
    }
    [[nodiscard]] bool isDivisionWinner(int16_t code, const Conference& conf) const {
        for (int slot = conf.firstDivision; slot < conf.firstDivision + 4; ++slot) {
            if (isResult(code, slot)) {
                return true;
            }
        }
        return false;
    }

    [[nodiscard]] int64_t conferencePoints(const Conference& conf) const {
        int64_t points = 0;
        int divisionHits = 0;
        for (int slot = conf.firstDivision; slot < conf.firstDivision + 4; ++slot) {
            if (isResult(pick(slot), slot)) {
                ++divisionHits;
            }
            // A predicted division winner that made the play-offs as a wild card.
            if (isWildCard(pick(slot), conf)) {
                points += m_pool.divAsWildCardPoints;
            }
        }
        if (divisionHits > 0) {
            points += m_pool.divWinnerPoints[divisionHits - 1];
        }

        // The two wild cards in either order; one team picked for both slots is one prediction.
        const int16_t first = pick(conf.firstWildCard);
        const int16_t second = pick(conf.firstWildCard + 1);
        const bool secondCounts = second != first;
        const int wildHits =
            (isWildCard(first, conf) ? 1 : 0) + (secondCounts && isWildCard(second, conf) ? 1 : 0);
        if (wildHits > 0) {
            points += m_pool.wildCardPoints[wildHits - 1];
        }
        // A predicted wild card that won a division of its conference.
        if (isDivisionWinner(first, conf)) {
            points += m_pool.wildCardAsDivPoints;
        }
        if (secondCounts && isDivisionWinner(second, conf)) {
            points += m_pool.wildCardAsDivPoints;
        }
        return points;
    }

    const PoolData& m_pool;
    int m_member;
};

/// The four contests between pairs of members, each with its pair of elimFlags bits.
struct ContestBits {
    int16_t tie;
    int16_t out;
};
constexpr int Contests = 4;
constexpr ContestBits ContestFlags[Contests] = {
    {elim::SeasonTie, elim::SeasonOut},
    {elim::HalfTie, elim::HalfOut},
    {elim::QuarterTie, elim::QuarterOut},
    {elim::MondayTie, elim::MondayOut},
};

// What the pairs of a week tell a member about one contest, three bits per contest: it trailed some
// pair (the lower tally, or b on equal tallies); in some pair exactly as many games were left to decide
// as it was behind; in some pair fewer were left.
constexpr uint32_t Trailed = 1, Level = 2, OutOfReach = 4;
constexpr int VerdictBits = 3;

/// One contest between member a and the `count` members after it: each b's verdict goes into its
/// entry of `verdicts` when b trails, and the verdicts of the pairs that a trails are returned. The
/// games left of pair (a, b) are from[b] - after[b]. Kept free of branches so that it runs in vector
/// registers: it is the inner loop of the season scoring.
int judgePairs(int tallyA, const int* __restrict tallyB, const int* __restrict from,
               const int* __restrict after, int* __restrict verdicts, int count, int shift) {
    int toA = 0;
    for (int i = 0; i < count; ++i) {
        const int left = from[i] - after[i];
        const bool aTrails = tallyA < tallyB[i];
        const int gap = aTrails ? tallyB[i] - tallyA : tallyA - tallyB[i];
        const int verdict = (static_cast<int>(Trailed) | (left == gap ? static_cast<int>(Level) : 0) |
                             (left < gap ? static_cast<int>(OutOfReach) : 0))
                            << shift;
        toA |= aTrails ? verdict : 0;
        verdicts[i] |= aTrails ? 0 : verdict;
    }
    return toA;
}

/// A member's bits of one contest after all its pairs. Taken pair by pair, a pair with fewer games left
/// than the gap sets the eliminated bit and clears the tie bit; one with exactly as many sets the tie
/// bit unless the member is already eliminated; and the tie bit is cleared after every pair when the
/// member's tally is the leader's. The outcome depends only on which of these happened, not on the
/// order of the pairs, so the pairs report verdicts and each member's bits are settled once.
int16_t settledFlags(int16_t flags, uint32_t verdict, bool tallyIsLeaders, const ContestBits& bits) {
    if ((verdict & Trailed) == 0) {
        return flags; // never the trailer: the bits carry over unchanged
    }
    const bool wasOut = (flags & bits.out) != 0;
    const bool wasTie = (flags & bits.tie) != 0;
    const bool outOfReach = (verdict & OutOfReach) != 0;
    const bool level = (verdict & Level) != 0;
    const bool out = wasOut || outOfReach;
    const bool tie = !outOfReach && (wasTie || (level && !wasOut)) && !tallyIsLeaders;
    const int others = flags & ~(bits.tie | bits.out);
    return static_cast<int16_t>(others | (out ? bits.out : 0) | (tie ? bits.tie : 0));
}

/// The bests and worsts of the week that only this call needs.
struct WeekBests {
    int weekMaxWins = 0;
    int weekMaxCp = 0;
    int weekMinWins = 0;
    int weekMinCp = NoWeekMinCp;
    int32_t maxPostSeasonScore = 0;
};

class WeekScorer {
public:
    WeekScorer(PoolData& pool, int16_t week, int16_t half, int16_t quarter, const DifferencesLeft& diffs)
        : m_pool(pool), m_diffs(diffs), m_week(week), m_w(week), m_h(half), m_q(quarter),
          m_members(pool.memberCount()), m_games(pool.games(week)), m_lastWeek(week == pool.numWeeks - 1),
          m_byCp(pool.confidenceMode != 0), m_rows(pool.weekStandings[m_w]) {}

    void run() {
        tallyPicks();
        if (m_lastWeek) {
            scorePostSeason();
        }
        findBests();
        settleContests();
        addGamesBehindAndStreakFlags();
        markEventWinners();
        breakGoodWeekTie();
    }

private:
    WeekStanding& row(int m) { return m_rows[m]; }

    void tallyPicks() {
        const int16_t none = m_pool.noneCode();
        const bool againstSpread = isTrue(m_pool.usePointSpreads);
        for (int g = 0; g < m_games; ++g) {
            const auto game = g;
            const int16_t winner = m_pool.gameWinner[m_w][game];
            if (winner == none) {
                continue; // no result yet: the game counts for nobody
            }
            const int16_t result = againstSpread ? m_pool.spreadWinner[m_w][game] : winner;
            const bool mondayGame = g == m_games - 1;
            const auto& picks = m_pool.memberPicks[m_w][game];
            const auto& points = m_pool.confidencePoints[m_w][game];
            for (int m = 0; m < m_members; ++m) {
                const auto member = m;
                WeekStanding& s = row(m);
                const int16_t pick = picks[member];
                const bool unique = (pick & UniquePickFlag) != 0;
                if (pickCode(pick) == result) {
                    ++s.seasonWins;
                    ++s.halfWins[m_h];
                    ++s.quarterWins[m_q];
                    ++s.weekWins;
                    const int16_t cp = points[member];
                    s.weekCp = static_cast<int16_t>(s.weekCp + cp);
                    s.seasonCp = static_cast<int16_t>(s.seasonCp + cp);
                    s.halfCp[m_h] = static_cast<int16_t>(s.halfCp[m_h] + cp);
                    s.quarterCp[m_q] = static_cast<int16_t>(s.quarterCp[m_q] + cp);
                    if (unique) {
                        ++s.uniqueWins;
                    }
                    if (mondayGame) {
                        ++s.mondayWins;
                    }
                } else {
                    ++s.seasonLosses;
                    ++s.halfLosses[m_h];
                    ++s.quarterLosses[m_q];
                    ++s.weekLosses;
                    if (unique) {
                        ++s.uniqueLosses;
                    }
                }
            }
        }
        if (m_games > 0) {
            const auto& score = m_pool.gameScore[m_w][m_games - 1];
            m_mondayGameTotal = score[0] + score[1];
        }
    }

    void scorePostSeason() {
        for (int m = 0; m < m_members; ++m) {
            const PostSeasonCard card(m_pool, m);
            WeekStanding& s = row(m);
            s.postSeasonScore = saturated(int64_t{s.postSeasonScore} + card.points());
            if (card.pickedBigGame()) {
                ++s.bigGameWins;
            }
        }
    }

    void findBests() {
        PoolData& p = m_pool;
        p.maxWins = 0;
        p.maxHalfWins[m_h] = 0;
        p.maxQuarterWins[m_q] = 0;
        p.maxCp = 0;
        p.maxHalfCp[m_h] = 0;
        p.maxQuarterCp[m_q] = 0;
        p.maxUniqueWins = 0;
        p.maxMondayWins = 0;
        m_bests = WeekBests{};
        m_bests.weekMinWins = p.gamesPerWeek;
        const double halfTheGames = m_games / 2.0;
        for (int m = 0; m < m_members; ++m) {
            WeekStanding& s = row(m);
            p.maxWins = std::max(p.maxWins, s.seasonWins);
            p.maxHalfWins[m_h] = std::max(p.maxHalfWins[m_h], s.halfWins[m_h]);
            p.maxQuarterWins[m_q] = std::max(p.maxQuarterWins[m_q], s.quarterWins[m_q]);
            m_bests.weekMaxWins = std::max<int>(m_bests.weekMaxWins, s.weekWins);
            m_bests.weekMinWins = std::min<int>(m_bests.weekMinWins, s.weekWins);
            if (m_byCp) {
                p.maxCp = std::max(p.maxCp, s.seasonCp);
                p.maxHalfCp[m_h] = std::max(p.maxHalfCp[m_h], s.halfCp[m_h]);
                p.maxQuarterCp[m_q] = std::max(p.maxQuarterCp[m_q], s.quarterCp[m_q]);
                m_bests.weekMaxCp = std::max<int>(m_bests.weekMaxCp, s.weekCp);
                m_bests.weekMinCp = std::min<int>(m_bests.weekMinCp, s.weekCp);
            }
            p.maxUniqueWins = std::max(p.maxUniqueWins, s.uniqueWins);
            p.maxMondayWins = std::max(p.maxMondayWins, s.mondayWins);

            // More than half of the week's games right, every game counted (also one without a result).
            if (s.weekWins > halfTheGames) {
                ++s.overStreak;
                s.longestOverStreak = std::max(s.longestOverStreak, s.overStreak);
            } else {
                s.overStreak = 0;
            }
            if (m_lastWeek) {
                m_bests.maxPostSeasonScore = std::max(m_bests.maxPostSeasonScore, s.postSeasonScore);
            }
        }
        for (int m = 0; m < m_members; ++m) {
            p.maxOverStreak[m_w] = std::max(p.maxOverStreak[m_w], row(m).longestOverStreak);
        }
    }

    void settleContests() {
        const PoolData& p = m_pool;
        // The games still to decide in a period are those from the next week up to the period's end,
        // which stops at the season's end; a period already over has none.
        const int seasonEnd = m_diffs.lastWeek();
        const auto weekAfter = [&](int lastWeek) {
            return std::max(std::min(lastWeek, seasonEnd), int{m_week}) + 1;
        };
        const int next = m_week + 1;
        const int afterSeason = weekAfter(seasonEnd);
        const int afterHalf = weekAfter(p.halfLastWeek[m_h]);
        const int afterQuarter = weekAfter(p.quarterLastWeek[m_q]);

        // Correct picks decide the contests, also in pools with confidence points.
        std::array<std::array<int, MemberSlots>, Contests> tally{};
        const int leader[Contests] = {p.maxWins, p.maxHalfWins[m_h], p.maxQuarterWins[m_q], p.maxMondayWins};
        for (int m = 0; m < m_members; ++m) {
            const WeekStanding& s = row(m);
            const auto i = m;
            tally[0][i] = s.seasonWins;
            tally[1][i] = s.halfWins[m_h];
            tally[2][i] = s.quarterWins[m_q];
            tally[3][i] = s.mondayWins;
        }

        std::array<int, MemberSlots> verdicts{};
        for (int a = 0; a + 1 < m_members; ++a) {
            const auto ia = a;
            const auto gamesFromNext = m_diffs.games(a, next);
            const auto gamesAfterSeason = m_diffs.games(a, afterSeason);
            const auto gamesAfterHalf = m_diffs.games(a, afterHalf);
            const auto gamesAfterQuarter = m_diffs.games(a, afterQuarter);
            const auto mondaysFromNext = m_diffs.mondays(a, next);
            const auto mondaysAfterSeason = m_diffs.mondays(a, afterSeason);
            const int count = m_members - a - 1;
            int toA = 0;
            const auto judge = [&](int c, std::span<const int> from, std::span<const int> after) {
                const auto& tallies = tally[c];
                toA |= judgePairs(tallies[ia], tallies.data() + ia + 1, from.data() + ia + 1,
                                  after.data() + ia + 1, verdicts.data() + ia + 1, count, VerdictBits * c);
            };
            judge(0, gamesFromNext, gamesAfterSeason);
            judge(1, gamesFromNext, gamesAfterHalf);
            judge(2, gamesFromNext, gamesAfterQuarter);
            judge(3, mondaysFromNext, mondaysAfterSeason);
            verdicts[ia] |= toA;
        }

        for (int m = 0; m < m_members; ++m) {
            WeekStanding& s = row(m);
            const auto i = m;
            for (int c = 0; c < Contests; ++c) {
                const auto verdict = static_cast<uint32_t>(verdicts[i] >> (VerdictBits * c)) & 7u;
                s.elimFlags = settledFlags(s.elimFlags, verdict, tally[c][i] == leader[c], ContestFlags[c]);
            }
        }
    }

    void addGamesBehindAndStreakFlags() {
        PoolData& p = m_pool;
        p.totalHalfGamesBehind = 0;
        p.totalQuarterGamesBehind = 0;
        const int bestStreak = p.maxOverStreak[m_w];
        for (int m = 0; m < m_members; ++m) {
            WeekStanding& s = row(m);
            p.totalGamesBehind += p.maxWins - s.seasonWins;
            p.totalHalfGamesBehind += p.maxHalfWins[m_h] - s.halfWins[m_h];
            p.totalQuarterGamesBehind += p.maxQuarterWins[m_q] - s.quarterWins[m_q];

            // Wild Choices: the most correct unique picks the member can still reach.
            const int uniqueLeft = p.uniquePicks[m] - s.uniqueWins - s.uniqueLosses;
            const int uniqueReach = uniqueLeft + s.uniqueWins;
            if (uniqueReach > p.maxUniqueWins) {
                s.elimFlags = withoutBits(s.elimFlags, elim::WildOut | elim::WildTie);
            } else if (uniqueReach < p.maxUniqueWins) {
                s.elimFlags = withoutBits(withBits(s.elimFlags, elim::WildOut), elim::WildTie);
            } else {
                s.elimFlags = withBits(s.elimFlags, elim::WildTie);
            }
            if (s.uniqueWins == p.maxUniqueWins) {
                s.elimFlags = withoutBits(s.elimFlags, elim::WildTie);
            }

            // Over 50%: the streak reached by staying above half in every remaining week.
            const int streakReach = s.overStreak + p.numWeeks - (m_week + 1);
            if (streakReach < bestStreak) {
                s.elimFlags = withoutBits(withBits(s.elimFlags, elim::Over50Out), elim::Over50Tie);
            } else if (streakReach > bestStreak) {
                s.elimFlags = withoutBits(s.elimFlags, elim::Over50Out | elim::Over50Tie);
            } else {
                s.elimFlags = withBits(s.elimFlags, elim::Over50Tie);
            }
            if (s.overStreak == bestStreak) {
                s.elimFlags = withoutBits(s.elimFlags, elim::Over50Tie);
            }
            if (s.longestOverStreak == bestStreak) {
                s.elimFlags = withoutBits(s.elimFlags, elim::Over50Tie | elim::Over50Out);
            }
        }
    }

    void mark(WeekStanding& s, int32_t bit, EventColumn column) {
        s.eventFlags |= bit;
        ++m_pool.eventWinners[column];
    }

    static int64_t storedEntriesSum(const Table<int32_t, WeekSizeEntries>& points) {
        int64_t sum = 0;
        for (int i = 0; i < StoredWeekSizeEntries; ++i) {
            sum += points[i];
        }
        return sum;
    }

    void markEventWinners() {
        PoolData& p = m_pool;
        std::fill(p.eventWinners.begin(), p.eventWinners.end() - 1, int16_t{0});
        const int i = weekSizeEntry(p, m_week);
        m_goodWeekUsed = storedEntriesSum(p.goodWeekPoints) > 0;
        const bool badWeekUsed = storedEntriesSum(p.badWeekPoints) > 0;
        const bool perfectWeekUsed = storedEntriesSum(p.perfectWeekPoints) > 0;
        const bool halfEnds = (p.halfPoints > 0 || p.halfGbPoints > 0) && m_week == p.halfLastWeek[m_h];
        const bool quarterEnds =
            (p.quarterPoints > 0 || p.quarterGbPoints > 0) && m_week == p.quarterLastWeek[m_q];
        const WeekBests& b = m_bests;

        for (int m = 0; m < m_members; ++m) {
            WeekStanding& s = row(m);
            if (m_goodWeekUsed &&
                (m_byCp ? s.weekCp == b.weekMaxCp && b.weekMaxCp >= p.goodWeekMinCp[i]
                        : s.weekWins == b.weekMaxWins && b.weekMaxWins >= p.goodWeekMinWins[i])) {
                mark(s, eventbit::GoodWeek, EvGoodWeek);
            }
            if (badWeekUsed &&
                (m_byCp ? s.weekCp == b.weekMinCp && b.weekMinCp <= p.badWeekMaxCp[i]
                        : s.weekWins == b.weekMinWins && b.weekMinWins <= p.badWeekMaxWins[i])) {
                mark(s, eventbit::BadWeek, EvBadWeek);
            }
            // A week without games has nothing to be perfect in.
            if (perfectWeekUsed && m_games > 0 && s.weekWins == m_games) {
                mark(s, eventbit::PerfectWeek, EvPerfectWeek);
            }
            if (halfEnds &&
                (m_byCp ? s.halfCp[m_h] == p.maxHalfCp[m_h] : s.halfWins[m_h] == p.maxHalfWins[m_h])) {
                mark(s, HalfBits[m_h], EvSemiSeason);
            }
            if (quarterEnds && (m_byCp ? s.quarterCp[m_q] == p.maxQuarterCp[m_q]
                                       : s.quarterWins[m_q] == p.maxQuarterWins[m_q])) {
                mark(s, QuarterBits[m_q], EvQuarter);
            }
            if (!m_lastWeek) {
                continue;
            }
            if ((p.seasonPoints > 0 || p.seasonGbPoints > 0) &&
                (m_byCp ? s.seasonCp == p.maxCp : s.seasonWins == p.maxWins)) {
                mark(s, eventbit::Season, EvSeason);
            }
            if (p.over50Points > 0 && s.longestOverStreak == p.maxOverStreak[m_w]) {
                mark(s, eventbit::Over50, EvOver50);
            }
            if (p.wildChoicePoints > 0 && s.uniqueWins == p.maxUniqueWins) {
                mark(s, eventbit::WildChoices, EvWildChoices);
            }
            if (p.mondayNightPoints > 0 && s.mondayWins == p.maxMondayWins) {
                mark(s, eventbit::MondayNight, EvMondayNight);
            }
            if (p.postSeasonPoints > 0 && s.postSeasonScore == b.maxPostSeasonScore) {
                mark(s, eventbit::PostSeason, EvPostSeason);
            }
            if (p.bigGamePoints > 0 && PostSeasonCard(p, m).pickedBigGame()) {
                mark(s, eventbit::Championship, EvChampionship);
            }
        }
    }

    // The Monday-night total decides a Good Week shared by several members, among those members only.
    void breakGoodWeekTie() {
        PoolData& p = m_pool;
        if (p.mnTieBreaker == 0 || !m_goodWeekUsed || p.eventWinners[EvGoodWeek] < 2) {
            return;
        }
        const auto diff = [&](int m) { return m_mondayGameTotal - p.mondayNightTotal[m_w][m]; };
        const auto wonGoodWeek = [&](int m) { return (row(m).eventFlags & eventbit::GoodWeek) != 0; };

        // Closest without going over, when any tied winner stayed at or under the actual total;
        // otherwise (and with any other tiebreaker) closest either way.
        int bestUnder = INT_MAX;
        int bestEither = INT_MAX;
        for (int m = 0; m < m_members; ++m) {
            if (wonGoodWeek(m)) {
                if (diff(m) >= 0) {
                    bestUnder = std::min(bestUnder, diff(m));
                }
                bestEither = std::min(bestEither, std::abs(diff(m)));
            }
        }
        const bool withoutGoingOver = p.mnTieBreaker == 1 && bestUnder != INT_MAX;
        for (int m = 0; m < m_members; ++m) {
            if (!wonGoodWeek(m)) {
                continue;
            }
            const bool keeps = withoutGoingOver ? diff(m) == bestUnder : std::abs(diff(m)) == bestEither;
            if (!keeps) {
                row(m).eventFlags &= ~eventbit::GoodWeek;
                --p.eventWinners[EvGoodWeek];
            }
        }
    }

    PoolData& m_pool;
    const DifferencesLeft& m_diffs;
    int16_t m_week;
    int m_w;
    int m_h;
    int m_q;
    int m_members;
    int m_games;
    bool m_lastWeek;
    bool m_byCp;
    Table<WeekStanding, MemberSlots>& m_rows;
    int m_mondayGameTotal = 0;
    WeekBests m_bests;
    bool m_goodWeekUsed = false;
};

} // namespace

void ScoreWeek(PoolData& pool, int16_t week, int16_t half, int16_t quarter) {
    ScoreWeek(pool, week, half, quarter, DifferencesLeft(pool));
}

void ScoreWeek(PoolData& pool, int16_t week, int16_t half, int16_t quarter, const DifferencesLeft& diffs) {
    if (!isWeek(week) || half < 0 || half > 1 || quarter < 0 || quarter > 3) {
        return;
    }
    WeekScorer(pool, week, half, quarter, diffs).run();
}

} // namespace vek
