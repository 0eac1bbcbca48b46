#include "engine/weekpoints.h"

#include "engine/weekperiods.h"

#include <vector>

namespace vek {
namespace {

enum class PointsSystem : int16_t { Ledger = 0, SplitCredit = 1, FullCredit = 2 };

enum class Period { None, Season, Half, Quarter };

/// One event that is due in the week, with what its winners share and, for the Season, Semi-Season and
/// Quarter events, the points per game behind that go with it.
struct DueEvent {
    EventColumn column = EvSeason;
    int32_t bit = 0;
    int32_t points = 0;
    Period period = Period::None;
    int periodIndex = 0;
    int32_t perGameBehind = 0;
    int32_t totalGamesBehind = 0;
    int best = 0;
    int winners = 0;

    [[nodiscard]] bool wonBy(const WeekStanding& s) const { return (s.eventFlags & bit) != 0; }
    [[nodiscard]] int own(const WeekStanding& s) const {
        switch (period) {
        case Period::Season:
            return s.seasonWins;
        case Period::Half:
            return s.halfWins[periodIndex];
        case Period::Quarter:
            return s.quarterWins[periodIndex];
        case Period::None:
            break;
        }
        return 0;
    }
};

/// Adds an award to a member's running balance and to its ledger column; the column keeps single
/// precision, the sum is formed in double precision.
void credit(PoolData& pool, WeekStanding& s, int member, int column, double amount) {
    s.pointsTotal += amount;
    float& cell = pool.ledgerBalance[member][column];
    cell = static_cast<float>(static_cast<double>(cell) + amount);
}

/// The events due in the week, in the order they are awarded: the weekly events, the quarters, the
/// halves, the season and the other season-end events.
std::vector<DueEvent> dueEvents(const PoolData& p, int16_t week) {
    const int i = weekSizeEntry(p, week);
    std::vector<DueEvent> events;
    events.reserve(15);
    events.push_back({EvGoodWeek, eventbit::GoodWeek, p.goodWeekPoints[i]});
    events.push_back({EvBadWeek, eventbit::BadWeek, p.badWeekPoints[i]});
    events.push_back({EvPerfectWeek, eventbit::PerfectWeek, p.perfectWeekPoints[i]});

    constexpr int32_t quarterBits[4] = {eventbit::Quarter0, eventbit::Quarter1, eventbit::Quarter2,
                                        eventbit::Quarter3};
    for (int q = 0; q < 4; ++q) {
        if (week == p.quarterLastWeek[q]) {
            events.push_back({EvQuarter, quarterBits[q], p.quarterPoints, Period::Quarter, q,
                              p.quarterGbPoints, p.totalQuarterGamesBehind, p.maxQuarterWins[q]});
        }
    }
    constexpr int32_t halfBits[2] = {eventbit::Half0, eventbit::Half1};
    for (int h = 0; h < 2; ++h) {
        if (week == p.halfLastWeek[h]) {
            events.push_back({EvSemiSeason, halfBits[h], p.halfPoints, Period::Half, h, p.halfGbPoints,
                              p.totalHalfGamesBehind, p.maxHalfWins[h]});
        }
    }
    if (week == p.numWeeks - 1) {
        events.push_back({EvSeason, eventbit::Season, p.seasonPoints, Period::Season, 0, p.seasonGbPoints,
                          p.totalGamesBehind, p.maxWins});
        events.push_back({EvOver50, eventbit::Over50, p.over50Points});
        events.push_back({EvWildChoices, eventbit::WildChoices, p.wildChoicePoints});
        events.push_back({EvMondayNight, eventbit::MondayNight, p.mondayNightPoints});
        events.push_back({EvPostSeason, eventbit::PostSeason, p.postSeasonPoints});
        events.push_back({EvChampionship, eventbit::Championship, p.bigGamePoints});
    }
    return events;
}

} // namespace

void AwardWeekPoints(PoolData& pool, int16_t week) {
    if (!isWeek(week)) {
        return;
    }
    const auto system = static_cast<PointsSystem>(pool.pointsSystem);
    if (system != PointsSystem::Ledger && system != PointsSystem::SplitCredit &&
        system != PointsSystem::FullCredit) {
        return;
    }
    const int members = pool.memberCount();
    const bool gamesBehindMove = pool.confidenceMode == 0;
    auto& rows = pool.weekStandings[week];

    // W is counted per event rather than per column, so that a week closing two quarters (one of them
    // empty) never shares one quarter's winners with the other.
    std::vector<DueEvent> events = dueEvents(pool, week);
    for (DueEvent& e : events) {
        for (int m = 0; m < members; ++m) {
            e.winners += e.wonBy(rows[m]) ? 1 : 0;
        }
    }

    // Pass 1: the winners. Products are formed in 64 bits; every share keeps its fraction.
    for (int m = 0; m < members; ++m) {
        const auto member = m;
        WeekStanding& s = rows[member];
        for (const DueEvent& e : events) {
            if (!e.wonBy(s)) {
                continue;
            }
            const double w = e.winners;
            double share = e.points;
            if (system == PointsSystem::Ledger) {
                share = static_cast<double>(int64_t{members - e.winners} * e.points) / w;
            } else if (system == PointsSystem::SplitCredit) {
                share = e.points / w;
            }
            credit(pool, s, member, e.column, share);
            if (e.period != Period::None && gamesBehindMove) {
                const auto pot = static_cast<double>(int64_t{e.perGameBehind} * e.totalGamesBehind);
                credit(pool, s, member, e.column + 1, system == PointsSystem::FullCredit ? pot : pot / w);
            }
        }
    }
    if (system != PointsSystem::Ledger) {
        return;
    }

    // Pass 2: under the ledger every other member pays, but only for an event somebody won this week.
    for (int m = 0; m < members; ++m) {
        const auto member = m;
        WeekStanding& s = rows[member];
        for (const DueEvent& e : events) {
            if (e.wonBy(s) || e.winners == 0) {
                continue;
            }
            credit(pool, s, member, e.column, -static_cast<double>(e.points));
            if (e.period != Period::None && gamesBehindMove) {
                const int64_t behind = e.best - e.own(s);
                credit(pool, s, member, e.column + 1, -static_cast<double>(behind * e.perGameBehind));
            }
        }
    }
}

} // namespace vek
