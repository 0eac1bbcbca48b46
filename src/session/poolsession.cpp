#include "session/poolsession.h"

#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "engine/spreadwinners.h"
#include "model/periodtables.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"

#include <algorithm>

namespace vek {

PoolSession::PoolSession(DataFolder folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_pool(std::make_unique<PoolData>()) {}

PoolSession::~PoolSession() = default;

WeekLayout PoolSession::fileLayout() const {
    return m_fileLayout.value_or(m_pool->weekLayout());
}

void PoolSession::setFileLayout(const WeekLayout& layout) {
    m_fileLayout = layout;
    m_pool->minWeekGames = fewestWeekGames(layout);
}

void PoolSession::refreshMainButtons() {
    emit mainButtonsRefreshRequested();
}

void PoolSession::refreshSeasonCaption() {
    emit seasonCaptionRefreshRequested();
}

TwoFileSave PoolSession::savePredictions(int member) {
    PoolData& pool = *m_pool;
    if (member < 0 || member >= pool.memberCount()) {
        return {WriteResult::failure(memberFileName(QString(), QStringLiteral("PRD")),
                                     QStringLiteral("there is no pool member %1").arg(member + 1))};
    }
    const WeekLayout layout = fileLayout();
    const QString& name = pool.memberName[member];
    TwoFileSave result{isNamedMember(name)
                           ? checkReplaceable(m_folder, {memberFileName(name, PicksExtension),
                                                         memberFileName(name, ConfidenceExtension)})
                           : WriteResult{}};
    if (result.ok) {
        result = {writePredictions(m_folder, pool, member, layout)};
    }
    if (result.ok) {
        // Without its .PRD file a .CPT file of the new picks would describe picks that are not there.
        result = {writeConfidence(m_folder, pool, member, layout), true};
    }
    // Set both ways, so a member whose picks were taken back is listed as incomplete again.
    pool.predictionsComplete[member] = memberPredictionsComplete(pool, member, layout) ? True16 : 0;

    refreshMainButtons();
    CalcPickDifferences(pool);
    CalcMemberOdds(pool);
    teamsRecalculated = false;
    return result;
}

TwoFileSave PoolSession::saveResults() {
    PoolData& pool = *m_pool;
    const WeekLayout layout = fileLayout();
    TwoFileSave result{checkReplaceable(m_folder, {ResultsFileName, ScoresFileName})};
    if (result.ok) {
        result = {writeResults(m_folder, pool, layout)};
    }
    // The main window's buttons follow currentWeek as results.dat now holds it.
    refreshMainButtons();
    if (result.ok) {
        // Scores of weeks whose results are not on disk would be read against the wrong winners.
        result = {writeScores(m_folder, pool, layout), true};
    }
    teamsRecalculated = false;
    if (isTrue(pool.usePointSpreads)) {
        CalcSpreadWinners(pool);
    }
    return result;
}

WriteResult PoolSession::saveSpreads() {
    PoolData& pool = *m_pool;
    const WriteResult result = writeFavorites(m_folder, pool, fileLayout());
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
