#include "engine/differencesleft.h"

#include <algorithm>

namespace vek {

DifferencesLeft::DifferencesLeft(const PoolData& pool)
    : m_members(pool.memberCount()), m_lastWeek(std::min<int>(pool.numWeeks, WeekSlots) - 1),
      m_games((m_members * Rows * m_members)), m_mondays((m_members * Rows * m_members)) {
    for (int a = 0; a + 1 < m_members; ++a) {
        const auto ia = a;
        for (int b = a + 1; b < m_members; ++b) {
            const auto ib = b;
            const auto& weekDiff = pool.pickDiffWeek[ia][ib];
            const auto& mondayDiff = pool.pickDiffMonday[ia][ib];
            int games = 0;
            int mondays = 0;
            for (int v = m_lastWeek; v >= 0; --v) {
                games += weekDiff[v];
                mondays += mondayDiff[v];
                const auto cell = ((a * Rows + v) * m_members + b);
                m_games[cell] = games;
                m_mondays[cell] = mondays;
            }
        }
    }
}

std::span<const int> DifferencesLeft::row(const std::vector<int>& table, int a, int fromWeek) const {
    const auto start = ((a * Rows + std::clamp(fromWeek, 0, Rows - 1)) * m_members);
    return {table.data() + start, sizeFor(m_members)};
}

} // namespace vek
