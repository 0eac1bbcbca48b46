#include "engine/differencesleft.h"

#include <algorithm>

namespace vek {

DifferencesLeft::DifferencesLeft(const PoolData& pool)
    : m_members(pool.memberCount()), m_lastWeek(std::min<int>(pool.numWeeks, WeekSlots) - 1),
      m_games(static_cast<std::size_t>(m_members * Rows * m_members)),
      m_mondays(static_cast<std::size_t>(m_members * Rows * m_members)) {
    for (int a = 0; a + 1 < m_members; ++a) {
        const auto ia = static_cast<std::size_t>(a);
        for (int b = a + 1; b < m_members; ++b) {
            const auto ib = static_cast<std::size_t>(b);
            const auto& weekDiff = pool.pickDiffWeek[ia][ib];
            const auto& mondayDiff = pool.pickDiffMonday[ia][ib];
            int games = 0;
            int mondays = 0;
            for (int v = m_lastWeek; v >= 0; --v) {
                games += weekDiff[static_cast<std::size_t>(v)];
                mondays += mondayDiff[static_cast<std::size_t>(v)];
                const auto cell = static_cast<std::size_t>((a * Rows + v) * m_members + b);
                m_games[cell] = games;
                m_mondays[cell] = mondays;
            }
        }
    }
}

std::span<const int> DifferencesLeft::row(const std::vector<int>& table, int a, int fromWeek) const {
    const auto start = static_cast<std::size_t>((a * Rows + std::clamp(fromWeek, 0, Rows - 1)) * m_members);
    return {table.data() + start, static_cast<std::size_t>(m_members)};
}

} // namespace vek
