#include "session/poolsession.h"

#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "engine/spreadwinners.h"

#include <algorithm>

namespace vek {
namespace {

// The first failure of a sequence of writes is the one the user is told about.
void keepFirstFailure(WriteResult& first, const WriteResult& next) {
    if (first.ok && !next.ok) {
        first = next;
    }
}

} // namespace

PoolSession::PoolSession(DataFolder folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_pool(std::make_unique<PoolData>()) {}

PoolSession::~PoolSession() = default;

void PoolSession::refreshMainButtons() {
    emit mainButtonsRefreshRequested();
}

WriteResult PoolSession::savePredictions(int member) {
    PoolData& pool = *m_pool;
    if (member < 0 || member >= pool.memberCount()) {
        return WriteResult::failure(memberFileName(QString(), QStringLiteral("PRD")),
                                    QStringLiteral("there is no pool member %1").arg(member + 1));
    }
    const WeekLayout layout = pool.weekLayout();
    WriteResult result = writePredictions(m_folder, pool, member, layout);
    keepFirstFailure(result, writeConfidence(m_folder, pool, member, layout));
    // Set both ways, so a member whose picks were taken back is listed as incomplete again.
    pool.predictionsComplete[member] = predictionsCompleteWhenSaved(pool, member, layout) ? True16 : 0;

    refreshMainButtons();
    CalcPickDifferences(pool);
    CalcMemberOdds(pool);
    teamsRecalculated = false;
    return result;
}

WriteResult PoolSession::saveResults() {
    PoolData& pool = *m_pool;
    const WeekLayout layout = pool.weekLayout();
    WriteResult result = writeResults(m_folder, pool, layout);
    // The main window's buttons follow currentWeek as results.dat now holds it.
    refreshMainButtons();
    keepFirstFailure(result, writeScores(m_folder, pool, layout));
    teamsRecalculated = false;
    if (isTrue(pool.usePointSpreads)) {
        CalcSpreadWinners(pool);
    }
    return result;
}

WriteResult PoolSession::saveSpreads() {
    PoolData& pool = *m_pool;
    const WriteResult result = writeFavorites(m_folder, pool, pool.weekLayout());
    CalcSpreadWinners(pool);
    return result;
}

void PoolSession::clearWeekPicks(int member, int week) {
    PoolData& pool = *m_pool;
    if (isMember(member)) {
        for (int game = 0; game < pool.games(week); ++game) {
            pool.memberPicks[week][game][member] = pool.noneCode();
        }
    }
    refreshMainButtons();
}

void PoolSession::clearWeekResults(int week) {
    PoolData& pool = *m_pool;
    if (isWeek(week)) {
        for (int game = 0; game < pool.games(week); ++game) {
            pool.gameWinner[week][game] = pool.noneCode();
            if (isTrue(pool.usePointSpreads)) {
                pool.gameScore[week][game] = {0, 0};
            }
        }
        // A cleared week ends the run of complete weeks; clearing a week after it changes nothing.
        if (pool.currentWeek > week - 1) {
            pool.currentWeek = static_cast<int16_t>(week - 1);
        }
    }
    refreshMainButtons();
}

bool PoolSession::weekResultsComplete(int week) const {
    const PoolData& pool = *m_pool;
    if (!isWeek(week)) {
        return false;
    }
    for (int game = 0; game < pool.games(week); ++game) {
        const int16_t winner = pool.gameWinner[week][game];
        const auto& teams = pool.scheduleGrid[week][game];
        const bool decided = winner == pool.tieCode() ||
                             (winner != pool.noneCode() && (winner == teams[0] || winner == teams[1]));
        if (!decided) {
            return false;
        }
    }
    return true;
}

int16_t PoolSession::advanceCurrentWeek() {
    PoolData& pool = *m_pool;
    const int lastWeek = pool.weekLayout().weeks() - 1;
    int week = std::max<int>(pool.currentWeek, -1);
    while (week < lastWeek && weekResultsComplete(week + 1)) {
        ++week;
    }
    if (week > pool.currentWeek) {
        pool.currentWeek = static_cast<int16_t>(week);
    }
    return pool.currentWeek;
}

} // namespace vek
