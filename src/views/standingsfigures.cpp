#include "views/standingsfigures.h"

#include "engine/differencesleft.h"
#include "engine/memberodds.h"
#include "model/rounding.h"
#include "views/figuretexts.h"

#include <algorithm>

namespace vek {

namespace {

constexpr int Quarters = 4;
constexpr int Halves = 2;
constexpr std::array<int32_t, Quarters> QuarterBits{eventbit::Quarter0, eventbit::Quarter1,
                                                    eventbit::Quarter2, eventbit::Quarter3};
constexpr std::array<int32_t, Halves> HalfBits{eventbit::Half0, eventbit::Half1};
constexpr std::array<const char*, Quarters> Ordinals{"1st", "2nd", "3rd", "4th"};
constexpr int32_t WeekEventBits = eventbit::GoodWeek | eventbit::BadWeek | eventbit::PerfectWeek;

/// The members whose records a week holds; none for a week outside the tables.
int rowsOfWeek(const PoolData& pool, int week) {
    return isWeek(week) ? pool.memberCount() : 0;
}

/// The first quarter (or half) whose range holds the week; -1 when none does.
int containingPeriod(const PoolData& pool, int week, PeriodKind kind) {
    const bool quarters = kind == PeriodKind::Quarter;
    const int count = quarters ? Quarters : Halves;
    for (int i = 0; i < count; ++i) {
        const int first = quarters ? pool.quarterFirstWeek[i] : pool.halfFirstWeek[i];
        const int last = quarters ? pool.quarterLastWeek[i] : pool.halfLastWeek[i];
        if (first <= week && week <= last) {
            return i;
        }
    }
    return -1;
}

/// The (can at best tie, eliminated) bits of each contest.
std::pair<int16_t, int16_t> contestBits(Contest contest) {
    switch (contest) {
    case Contest::WildChoices:
        return {elim::WildTie, elim::WildOut};
    case Contest::Over50:
        return {elim::Over50Tie, elim::Over50Out};
    case Contest::Quarter:
        return {elim::QuarterTie, elim::QuarterOut};
    case Contest::Half:
        return {elim::HalfTie, elim::HalfOut};
    case Contest::Season:
        return {elim::SeasonTie, elim::SeasonOut};
    case Contest::MondayNight:
        return {elim::MondayTie, elim::MondayOut};
    }
    return {0, 0};
}

/// Sum of pickDiffWeek-style differences from `fromWeek` to `lastWeek` (both kept to the season), taken
/// as the difference of two "to the season's end" sums.
int differencesBetween(const DifferencesLeft& diffs, int lo, int hi, int fromWeek, int lastWeek) {
    const int end = std::min(lastWeek, diffs.lastWeek());
    if (fromWeek > end) {
        return 0;
    }
    return diffs.games(lo, fromWeek)[hi] - diffs.games(lo, end + 1)[hi];
}

} // namespace

WeekPeriods periodsOfWeek(const PoolData& pool, int week, WeekPeriods previous) {
    WeekPeriods periods = previous;
    if (const int q = containingPeriod(pool, week, PeriodKind::Quarter); q >= 0) {
        periods.quarter = q;
    }
    if (const int h = containingPeriod(pool, week, PeriodKind::Half); h >= 0) {
        periods.half = h;
    }
    return periods;
}

bool weekInPeriod(const PoolData& pool, int week, PeriodKind kind) {
    return containingPeriod(pool, week, kind) >= 0;
}

int32_t periodEventBit(const PoolData& pool, int week, PeriodKind kind) {
    const int index = containingPeriod(pool, week, kind);
    if (index < 0) {
        return 0;
    }
    return kind == PeriodKind::Quarter ? QuarterBits[index] : HalfBits[index];
}

QString periodCaption(const PoolData& pool, int week, PeriodKind kind) {
    const int index = containingPeriod(pool, week, kind);
    if (index < 0) {
        return {};
    }
    const bool quarters = kind == PeriodKind::Quarter;
    const int last = quarters ? pool.quarterLastWeek[index] : pool.halfLastWeek[index];
    const QString name = QStringLiteral("%1 %2").arg(
        QLatin1String(Ordinals[index]), quarters ? QStringLiteral("Quarter") : QStringLiteral("Half"));
    return week == last ? QStringLiteral("End ") + name : name;
}

QString seasonCaption(const PoolData& pool, int week) {
    return week == pool.numWeeks - 1 ? QStringLiteral("End Of Season") : QStringLiteral("Season");
}

QString standingsCaption(const PoolData& pool) {
    const bool spreads = isTrue(pool.usePointSpreads);
    if (pool.confidenceMode != 0) {
        return spreads ? QStringLiteral("Pool Standings  (by Confidence Points against the point spread)")
                       : QStringLiteral("Pool Standings  (by Confidence Points)");
    }
    return spreads ? QStringLiteral("Pool Standings  (by Win/Loss Records against the point spread)")
                   : QStringLiteral("Pool Standings  (by Win/Loss Records)");
}

PeriodTally seasonTally(const WeekStanding& s) {
    return {s.seasonWins, s.seasonLosses, s.seasonCp};
}

PeriodTally halfTally(const WeekStanding& s, int half) {
    if (half < 0 || half >= Halves) {
        return {};
    }
    return {s.halfWins[half], s.halfLosses[half], s.halfCp[half]};
}

PeriodTally quarterTally(const WeekStanding& s, int quarter) {
    if (quarter < 0 || quarter >= Quarters) {
        return {};
    }
    return {s.quarterWins[quarter], s.quarterLosses[quarter], s.quarterCp[quarter]};
}

WeekLeaders leadersOfWeek(const PoolData& pool, int week, WeekPeriods periods) {
    WeekLeaders lead;
    const int rows = rowsOfWeek(pool, week);
    for (int r = 0; r < rows; ++r) {
        const WeekStanding& s = pool.weekStandings[week][r];
        const PeriodTally half = halfTally(s, periods.half);
        const PeriodTally quarter = quarterTally(s, periods.quarter);
        lead.seasonWins = std::max<int>(lead.seasonWins, s.seasonWins);
        lead.halfWins = std::max(lead.halfWins, half.wins);
        lead.quarterWins = std::max(lead.quarterWins, quarter.wins);
        lead.seasonCp = std::max<int>(lead.seasonCp, s.seasonCp);
        lead.halfCp = std::max(lead.halfCp, half.cp);
        lead.quarterCp = std::max(lead.quarterCp, quarter.cp);
        lead.uniqueWins = std::max<int>(lead.uniqueWins, s.uniqueWins);
        lead.mondayWins = std::max<int>(lead.mondayWins, s.mondayWins);
    }
    return lead;
}

GamesBehindTotals gamesBehindTotals(const PoolData& pool, int week, WeekPeriods periods,
                                    const WeekLeaders& leaders, int firstRow, int lastRow) {
    GamesBehindTotals totals;
    if (pool.confidenceMode != 0) {
        return totals; // the contests are decided by points: games behind earn nobody anything
    }
    const int first = std::max(firstRow, 0);
    const int last = std::min(lastRow, rowsOfWeek(pool, week) - 1);
    for (int r = first; r <= last; ++r) {
        const WeekStanding& s = pool.weekStandings[week][r];
        totals.season += int64_t{leaders.seasonWins - s.seasonWins} * pool.seasonGbPoints;
        totals.half += int64_t{leaders.halfWins - halfTally(s, periods.half).wins} * pool.halfGbPoints;
        totals.quarter +=
            int64_t{leaders.quarterWins - quarterTally(s, periods.quarter).wins} * pool.quarterGbPoints;
    }
    return totals;
}

ColumnSums columnSums(const PoolData& pool, int week, WeekPeriods periods) {
    ColumnSums sums;
    const int rows = rowsOfWeek(pool, week);
    for (int r = 0; r < rows; ++r) {
        const WeekStanding& s = pool.weekStandings[week][r];
        const PeriodTally half = halfTally(s, periods.half);
        const PeriodTally quarter = quarterTally(s, periods.quarter);
        sums.seasonWins += s.seasonWins;
        sums.seasonLosses += s.seasonLosses;
        sums.halfWins += half.wins;
        sums.halfLosses += half.losses;
        sums.quarterWins += quarter.wins;
        sums.quarterLosses += quarter.losses;
        sums.weekWins += s.weekWins;
        sums.weekLosses += s.weekLosses;
    }
    return sums;
}

ContestStatus contestStatus(int16_t elimFlags, Contest contest) {
    const auto [tie, out] = contestBits(contest);
    return {(elimFlags & tie) != 0, (elimFlags & out) != 0};
}

QString contestMark(ContestStatus status) {
    if (status.canAtBestTie) {
        return QStringLiteral("T");
    }
    return status.eliminated ? QStringLiteral("E") : QStringLiteral(" ");
}

QString winRatioText(int64_t wins, int64_t losses) {
    return ratioText(wins, wins + losses, 3);
}

double roundedBalance(double value) {
    return roundedUnits(value, 0);
}

QString balanceText(double value) {
    return unitsText(roundedBalance(value), 0);
}

QString memberOddsText(const PoolData& pool, int member) {
    // Picked week by week, the season's picks are not all in: no odds to show, whatever memberOdds holds.
    return pool.weeklyPicks == 0 ? OddsText(pool, member) : QStringLiteral("n/a");
}

int balanceSign(double value) {
    const double shown = roundedBalance(value);
    return shown < 0.0 ? -1 : shown > 0.0 ? 1 : 0;
}

int rowOfMember(const PoolData& pool, int week, int member) {
    const int rows = member >= 0 && member < pool.memberCount() ? rowsOfWeek(pool, week) : 0;
    for (int r = 0; r < rows; ++r) {
        if (pool.weekStandings[week][r].memberIndex == member) {
            return r;
        }
    }
    return -1;
}

const WeekStanding* recordOfMember(const PoolData& pool, int week, int member) {
    const int row = rowOfMember(pool, week, member);
    return row < 0 ? nullptr : &pool.weekStandings[week][row];
}

DifferencesAhead differencesAhead(const PoolData& pool, const DifferencesLeft& diffs, int week,
                                  WeekPeriods periods, int a, int b) {
    DifferencesAhead ahead;
    const int members = pool.memberCount();
    if (a == b || a < 0 || b < 0 || a >= members || b >= members || week < -1 || week >= WeekSlots) {
        return ahead;
    }
    const int lo = std::min(a, b);
    const int hi = std::max(a, b);
    const int next = week + 1;
    const int half = std::clamp(periods.half, 0, Halves - 1);
    const int quarter = std::clamp(periods.quarter, 0, Quarters - 1);
    ahead.season = differencesBetween(diffs, lo, hi, next, diffs.lastWeek());
    ahead.half = differencesBetween(diffs, lo, hi, next, pool.halfLastWeek[half]);
    ahead.quarter = differencesBetween(diffs, lo, hi, next, pool.quarterLastWeek[quarter]);
    if (next <= pool.numWeeks - 1 && next < WeekSlots) {
        ahead.nextWeek = pool.pickDiffWeek[a][b][next];
    }
    return ahead;
}

StandingsLine standingsLine(const PoolData& pool, int week, int row, WeekPeriods periods, PeriodKind kind,
                            const WeekLeaders& leaders) {
    StandingsLine line;
    if (row < 0 || row >= rowsOfWeek(pool, week)) {
        return line;
    }
    const WeekStanding& s = pool.weekStandings[week][row];
    const bool quarters = kind == PeriodKind::Quarter;
    line.member = s.memberIndex;
    line.season = seasonTally(s);
    line.seasonBehind = leaders.seasonWins - line.season.wins;
    line.seasonStatus = contestStatus(s.elimFlags, Contest::Season);
    line.period = quarters ? quarterTally(s, periods.quarter) : halfTally(s, periods.half);
    line.periodBehind = (quarters ? leaders.quarterWins : leaders.halfWins) - line.period.wins;
    line.periodStatus = contestStatus(s.elimFlags, quarters ? Contest::Quarter : Contest::Half);
    line.weekWins = s.weekWins;
    line.weekLosses = s.weekLosses;
    line.weekCp = s.weekCp;
    line.balance = s.pointsTotal;
    const int32_t periodBit = periodEventBit(pool, week, kind);
    line.wonAnyEvent = s.eventFlags != 0;
    line.wonSeason = (s.eventFlags & eventbit::Season) == eventbit::Season;
    line.wonPeriod = periodBit != 0 && (s.eventFlags & periodBit) != 0;
    line.wonWeekEvent = (s.eventFlags & WeekEventBits) != 0;
    return line;
}

std::optional<WildChoicesFigures> wildChoicesFigures(const PoolData& pool, int week, int member) {
    const WeekStanding* s = recordOfMember(pool, week, member);
    if (s == nullptr) {
        return std::nullopt;
    }
    WildChoicesFigures f;
    f.wins = s->uniqueWins;
    f.losses = s->uniqueLosses;
    f.left = pool.uniquePicks[member] - s->uniqueWins - s->uniqueLosses;
    f.status = contestStatus(s->elimFlags, Contest::WildChoices);
    f.most = leadersOfWeek(pool, week, {}).uniqueWins;
    f.won = (s->eventFlags & eventbit::WildChoices) != 0;
    return f;
}

std::optional<MondayNightFigures> mondayNightFigures(const PoolData& pool, int week, int member) {
    const WeekStanding* s = recordOfMember(pool, week, member);
    if (s == nullptr) {
        return std::nullopt;
    }
    MondayNightFigures f;
    f.wins = s->mondayWins;
    f.losses = week + 1 - s->mondayWins;
    f.status = contestStatus(s->elimFlags, Contest::MondayNight);
    f.most = leadersOfWeek(pool, week, {}).mondayWins;
    f.won = (s->eventFlags & eventbit::MondayNight) != 0;
    return f;
}

bool leadsOverStreak(const PoolData& pool, int week, const WeekStanding& record) {
    return isWeek(week) && record.longestOverStreak == pool.maxOverStreak[week];
}

std::optional<OverStreakFigures> overStreakFigures(const PoolData& pool, int week, int member) {
    const WeekStanding* s = recordOfMember(pool, week, member);
    if (s == nullptr) {
        return std::nullopt;
    }
    OverStreakFigures f;
    f.streak = s->overStreak;
    f.leads = leadsOverStreak(pool, week, *s);
    f.status = contestStatus(s->elimFlags, Contest::Over50);
    f.most = pool.maxOverStreak[week];
    f.won = (s->eventFlags & eventbit::Over50) != 0;
    return f;
}

std::optional<PostSeasonFigures> postSeasonFigures(const PoolData& pool, int member) {
    const WeekStanding* s = recordOfMember(pool, pool.currentWeek, member);
    if (s == nullptr) {
        return std::nullopt;
    }
    PostSeasonFigures f;
    f.points = s->postSeasonScore;
    f.bigGamePick = pool.postSeasonPicks[PostSeasonSlots - 1][member];
    f.wonPostSeason = (s->eventFlags & eventbit::PostSeason) != 0;
    f.wonBigGame = (s->eventFlags & eventbit::Championship) != 0;
    return f;
}

bool showsPostSeason(const PoolData& pool, int week) {
    return week == pool.numWeeks - 1 && (pool.postSeasonPoints != 0 || pool.bigGamePoints != 0);
}

QString ledgerEventName(int column) {
    static const std::array<const char*, LedgerEvents> Names{
        "Season",       "Season Games Behind", "Semi-Season", "Semi-Season Games Behind",
        "Quarter",      "Qtr Games Behind",    "Good Week",   "Bad Week",
        "Perfect Week", "Wild Choices",        "Over 50%",    "Post Season",
        "Championship", "Monday Night"};
    if (column < 0 || column >= LedgerEvents) {
        return {};
    }
    return QString::fromLatin1(Names[column]);
}

LedgerLine ledgerLine(const PoolData& pool, int member) {
    LedgerLine line;
    if (member < 0 || member >= pool.memberCount()) {
        return line;
    }
    for (int c = 0; c < LedgerEvents; ++c) {
        line.balance[c] = pool.ledgerBalance[member][c];
    }
    if (const WeekStanding* s = recordOfMember(pool, pool.currentWeek, member)) {
        line.total = s->pointsTotal;
    }
    return line;
}

LedgerPage ledgerPage(int members, int first) {
    const int count = std::clamp(members, 0, MemberSlots);
    if (first < 0 || first >= count) {
        first = 0;
    }
    return {first, std::min(first + LedgerPageSize, count) - 1};
}

LedgerPage nextLedgerPage(int members, const LedgerPage& page) {
    return ledgerPage(members, page.first + LedgerPageSize);
}

} // namespace vek
