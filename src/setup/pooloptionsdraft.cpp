#include "setup/pooloptionsdraft.h"

#include "model/pooldata.h"

namespace vek {

void PoolOptionsDraft::load(const PoolData& pool) {
    m_weekToWeek = pool.weeklyPicks == 1;
    m_pointSpreads = isTrue(pool.usePointSpreads);
    if (!m_weekToWeek) {
        chooseAllSeason();
    }
    m_savedConfidenceMode = pool.confidenceMode;
    m_confidence = pool.confidenceMode != 0;
    m_range = !m_confidence ? Range::None : pool.confidenceMode == 1 ? Range::Slots : Range::Games;

    m_storedTieBreaker = pool.mnTieBreaker;
    m_tieBreaker.reset();
    if (pool.mnTieBreaker >= 0 && pool.mnTieBreaker <= 2) {
        m_tieBreaker = pool.mnTieBreaker;
    }

    m_storedPointsSystem = pool.pointsSystem;
    m_split = false;
    switch (pool.pointsSystem) {
    case 0:
        m_scoring = Scoring::Ledger;
        break;
    case 1:
    case 2:
        m_scoring = Scoring::Credit;
        m_split = pool.pointsSystem == 1;
        break;
    default:
        m_scoring = Scoring::None;
        break;
    }
}

void PoolOptionsDraft::chooseWeekToWeek() {
    m_weekToWeek = true;
}

void PoolOptionsDraft::chooseAllSeason() {
    m_weekToWeek = false;
    m_pointSpreads = false;
}

void PoolOptionsDraft::choosePointSpreads(bool yes) {
    if (spreadsEnabled()) {
        m_pointSpreads = yes;
    }
}

void PoolOptionsDraft::chooseConfidence(bool yes) {
    m_confidence = yes;
}

void PoolOptionsDraft::chooseRange(Range range) {
    if (rangeEnabled()) {
        m_range = range;
    }
}

void PoolOptionsDraft::chooseTieBreaker(int16_t tieBreaker) {
    if (tieBreaker >= 0 && tieBreaker <= 2) {
        m_tieBreaker = tieBreaker;
    }
}

void PoolOptionsDraft::chooseScoring(Scoring scoring) {
    m_scoring = scoring;
}

void PoolOptionsDraft::chooseSplit(bool split) {
    if (splitEnabled()) {
        m_split = split;
    }
}

PoolOptions PoolOptionsDraft::result() const {
    PoolOptions options;
    options.weeklyPicks = m_weekToWeek ? 1 : 0;
    options.usePointSpreads = m_pointSpreads ? True16 : int16_t{0};
    options.confidenceMode = !m_confidence ? 0 : m_range == Range::Slots ? 1 : 2;
    options.mnTieBreaker = m_tieBreaker.value_or(m_storedTieBreaker);
    switch (m_scoring) {
    case Scoring::Ledger:
        options.pointsSystem = 0;
        break;
    case Scoring::Credit:
        options.pointsSystem = m_split ? 1 : 2;
        break;
    case Scoring::None:
        options.pointsSystem = m_storedPointsSystem;
        break;
    }
    return options;
}

} // namespace vek
