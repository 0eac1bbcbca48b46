#pragma once

#include "model/pooldata.h"

#include <span>
#include <vector>

namespace vek {

/// For every pair of members a < b, the games on which they picked differently from any week to the
/// season's end, summed once from pickDiffWeek and pickDiffMonday. The week scoring takes the games
/// still to be decided in a period as the difference of two of these sums; the season scoring builds
/// one table for all its weeks instead of summing the pairs' weeks again in every week.
class DifferencesLeft {
public:
    explicit DifferencesLeft(const PoolData& pool);

    /// Entry b: the games a and b picked differently in weeks `fromWeek` to the season's last week
    /// (0 from a week after it); only the entries b > a are kept. fromWeek is 0..WeekSlots.
    [[nodiscard]] std::span<const int> games(int a, int fromWeek) const { return row(m_games, a, fromWeek); }
    /// The same for the Monday-night games.
    [[nodiscard]] std::span<const int> mondays(int a, int fromWeek) const {
        return row(m_mondays, a, fromWeek);
    }
    /// The season's last week within the tables; -1 for a season without weeks.
    [[nodiscard]] int lastWeek() const { return m_lastWeek; }

private:
    static constexpr int Rows = WeekSlots + 1;

    [[nodiscard]] std::span<const int> row(const std::vector<int>& table, int a, int fromWeek) const;

    int m_members = 0;
    int m_lastWeek = -1;
    std::vector<int> m_games;   // (a, fromWeek, b)
    std::vector<int> m_mondays; // (a, fromWeek, b)
};

} // namespace vek
