#include "entry/weekentry.h"

#include "model/datafolder.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "session/poolsession.h"

#include <algorithm>
#include <cmath>

namespace vek {
namespace {

QString numberText(float value) {
    // A spread of 0 (or its negation) reads "0", never "-0".
    return value == 0.0F ? QStringLiteral("0") : QString::number(static_cast<double>(value));
}

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

/// Puts a saved value back; tells whether that changed anything.
template <class T> bool putBack(T& target, const T& saved) {
    if (target == saved) {
        return false;
    }
    target = saved;
    return true;
}

} // namespace

WeekEntry::WeekEntry(PoolSession& session) : m_session(session) {}

PoolData& WeekEntry::pool() {
    return m_session.pool();
}

const PoolData& WeekEntry::pool() const {
    return m_session.pool();
}

// ---- Loading and navigation ------------------------------------------------------------------------

void WeekEntry::load(EntryMode mode) {
    const PoolData& data = pool();
    const int weeks = data.weekLayout().weeks();
    m_mode = mode;
    m_selectedRow = 0;
    switch (mode) {
    case EntryMode::Predictions:
        m_session.currentMember = static_cast<int16_t>(data.defaultMemberIndex());
        m_shownWeek = 0;
        break;
    case EntryMode::Results: {
        // Without results the first week: the week another mode was left at would take the first
        // week's scores.
        const int current = data.currentWeek;
        const bool moveOn = current >= 0 && m_session.weekResultsComplete(current) && current < weeks - 1;
        m_shownWeek = std::clamp(moveOn ? current + 1 : current, 0, std::max(0, weeks - 1));
        m_lastResultWeek = current;
        break;
    }
    case EntryMode::Spreads:
        m_shownWeek = 0;
        m_spreadRow = 0;
        break;
    }
    m_entriesChanged = false;
    m_spreadsCleared = false;
    keepCopy();
}

void WeekEntry::showWeek(int week) {
    m_shownWeek = std::clamp(week, 0, WeekSlots - 1);
    m_selectedRow = 0;
    // The spinner stays on its row while the other week has that row.
    if (m_spreadRow >= games()) {
        m_spreadRow = 0;
    }
}

void WeekEntry::changeMember(int member) {
    m_session.currentMember = static_cast<int16_t>(isMember(member) ? member : 0);
    m_selectedRow = 0;
    m_entriesChanged = false;
    keepCopy();
}

void WeekEntry::selectRow(int row) {
    if (row >= 0 && row < GameSlots) {
        m_selectedRow = row;
    }
}

int WeekEntry::member() const {
    const int current = m_session.currentMember;
    return isMember(current) ? current : 0;
}

// ---- The shown week --------------------------------------------------------------------------------

int WeekEntry::games() const {
    return pool().games(m_shownWeek);
}

bool WeekEntry::isGameRow(int row) const {
    return row >= 0 && row < games();
}

int WeekEntry::team(int row, int side) const {
    if (!isWeek(m_shownWeek) || row < 0 || row >= GameSlots || side < 0 || side > 1) {
        return -1;
    }
    return pool().scheduleGrid[m_shownWeek][row][side];
}

int WeekEntry::rowEntry(int row) const {
    const PoolData& data = pool();
    if (!isWeek(m_shownWeek) || row < 0 || row >= GameSlots) {
        return data.noneCode();
    }
    switch (m_mode) {
    case EntryMode::Predictions:
        return pickCode(data.memberPicks[m_shownWeek][row][member()]);
    case EntryMode::Results:
        return data.gameWinner[m_shownWeek][row];
    case EntryMode::Spreads:
        break;
    }
    return data.favoriteTeam[m_shownWeek][row];
}

bool WeekEntry::rowHasEntry(int row) const {
    const int entry = rowEntry(row);
    if (entry == pool().tieCode()) {
        return true;
    }
    return entry != pool().noneCode() && (entry == team(row, 0) || entry == team(row, 1));
}

int WeekEntry::enteredCount() const {
    int count = 0;
    for (int row = 0; row < games(); ++row) {
        count += rowHasEntry(row) ? 1 : 0;
    }
    return count;
}

WeekEntry::RowLook WeekEntry::rowLook(int row) const {
    const int entry = rowEntry(row);
    if (entry == pool().tieCode()) {
        return {Look::Tie, Look::Tie};
    }
    if (entry != pool().noneCode() && entry == team(row, 0)) {
        return {Look::Chosen, Look::Other};
    }
    if (entry != pool().noneCode() && entry == team(row, 1)) {
        return {Look::Other, Look::Chosen};
    }
    return {Look::None, Look::None};
}

// ---- Entries ---------------------------------------------------------------------------------------

bool WeekEntry::chooseSide(int side) {
    PoolData& data = pool();
    const int row = m_selectedRow;
    const int chosen = team(row, side);
    if (!isGameRow(row) || !isTeamSlot(chosen)) {
        return false; // a damaged schedule entry names no team
    }
    switch (m_mode) {
    case EntryMode::Predictions:
        data.memberPicks[m_shownWeek][row][member()] = static_cast<int16_t>(chosen);
        break;
    case EntryMode::Results:
        data.gameWinner[m_shownWeek][row] = static_cast<int16_t>(chosen);
        break;
    case EntryMode::Spreads:
        data.favoriteTeam[m_shownWeek][row] = static_cast<int16_t>(chosen);
        setSpreadRow(row);
        break;
    }
    afterEntry(row);
    return true;
}

bool WeekEntry::chooseTie() {
    PoolData& data = pool();
    const int row = m_selectedRow;
    if (!isGameRow(row)) {
        return false;
    }
    switch (m_mode) {
    case EntryMode::Predictions:
        return false; // a pick names a team
    case EntryMode::Results:
        data.gameWinner[m_shownWeek][row] = data.tieCode();
        afterEntry(row);
        return true;
    case EntryMode::Spreads:
        // "Even" acts on its own row: the spinner moves there before its spread becomes 0.
        setSpreadRow(row);
        data.pointSpread[m_shownWeek][row] = 0.0F;
        data.favoriteTeam[m_shownWeek][row] = data.tieCode();
        m_entriesChanged = true;
        return true;
    }
    return false;
}

void WeekEntry::afterEntry(int row) {
    const int weekGames = games();
    for (int open = 0; open < weekGames; ++open) {
        if (!rowHasEntry(open)) {
            m_selectedRow = open;
            break;
        }
    }
    // The week is complete when its last game is entered as the last of them. Only a run of complete
    // weeks moves the current week, so completing a week after a gap does not.
    if (m_mode == EntryMode::Results && row == weekGames - 1 && enteredCount() == weekGames) {
        m_session.advanceCurrentWeek();
        m_lastResultWeek = std::max<int>(m_lastResultWeek, pool().currentWeek);
    }
    m_entriesChanged = true;
}

bool WeekEntry::clickTeam(int row, int side) {
    if (row < 0 || row >= GameSlots) {
        return false;
    }
    m_selectedRow = row;
    if (scoresDecide()) {
        return false;
    }
    return chooseSide(side);
}

bool WeekEntry::scoresDecide() const {
    return m_mode == EntryMode::Results && spreadsUsed();
}

bool WeekEntry::clickTie(int row) {
    if (row < 0 || row >= GameSlots) {
        return false;
    }
    m_selectedRow = row;
    return chooseTie();
}

bool WeekEntry::storeScores(int away, int home) {
    const int row = m_selectedRow;
    if (m_mode != EntryMode::Results || !isGameRow(row) || !inRange(away, 0, MaxScore) ||
        !inRange(home, 0, MaxScore)) {
        return false;
    }
    pool().gameScore[m_shownWeek][row] = {static_cast<int16_t>(away), static_cast<int16_t>(home)};
    m_entriesChanged = true;
    return true;
}

bool WeekEntry::logScores(int away, int home) {
    if (!storeScores(away, home)) {
        return false;
    }
    if (away == home) {
        chooseTie();
    } else {
        chooseSide(away > home ? 0 : 1);
    }
    return true;
}

void WeekEntry::clearWeek() {
    switch (m_mode) {
    case EntryMode::Predictions:
        m_session.clearWeekPicks(member(), m_shownWeek);
        break;
    case EntryMode::Results:
        m_session.clearWeekResults(m_shownWeek);
        m_lastResultWeek = std::min<int>(m_lastResultWeek, pool().currentWeek);
        break;
    case EntryMode::Spreads:
        return;
    }
    m_selectedRow = 0;
    m_entriesChanged = true;
}

bool WeekEntry::clearOffered() const {
    switch (m_mode) {
    case EntryMode::Predictions:
        return true;
    case EntryMode::Results:
        return m_shownWeek == pool().currentWeek;
    case EntryMode::Spreads:
        break;
    }
    return false;
}

void WeekEntry::postSeasonChanged() {
    m_entriesChanged = true;
}

void WeekEntry::markChanged() {
    m_entriesChanged = true;
}

// ---- Confidence points and the Monday-night total --------------------------------------------------

bool WeekEntry::confidenceUsed() const {
    return pool().confidenceMode != 0;
}

int WeekEntry::confidenceOffset() const {
    // Mode 1 runs down from the week's slots, so a week with byes loses its lowest values.
    return pool().confidenceMode == 2 || !isWeek(m_shownWeek) ? 0 : pool().openDates[m_shownWeek];
}

int WeekEntry::confidence(int row) const {
    return isGameRow(row) ? pool().confidencePoints[m_shownWeek][row][member()] : 0;
}

int WeekEntry::nextConfidence() const {
    const int offset = confidenceOffset();
    const int weekGames = games();
    for (int k = weekGames; k >= 0; --k) {
        const int value = offset + k;
        bool inUse = false;
        for (int row = 0; row < weekGames && !inUse; ++row) {
            inUse = confidence(row) == value;
        }
        if (!inUse) {
            return value;
        }
    }
    return offset;
}

bool WeekEntry::confidencePlaced(int row) const {
    return confidence(row) > confidenceOffset();
}

bool WeekEntry::allConfidencePlaced() const {
    return nextConfidence() == confidenceOffset();
}

bool WeekEntry::toggleConfidence(int row) {
    if (m_mode != EntryMode::Predictions || !confidenceUsed() || !isGameRow(row)) {
        return false;
    }
    int16_t& points = pool().confidencePoints[m_shownWeek][row][member()];
    if (points != 0) {
        points = 0;
    } else if (allConfidencePlaced()) {
        return false;
    } else {
        points = static_cast<int16_t>(nextConfidence());
    }
    m_entriesChanged = true;
    return true;
}

void WeekEntry::clearConfidence() {
    for (int row = 0; row < games(); ++row) {
        pool().confidencePoints[m_shownWeek][row][member()] = 0;
    }
    m_entriesChanged = true;
}

bool WeekEntry::mondayNightSelected() const {
    return games() > 0 && m_selectedRow == games() - 1 && pool().mnTieBreaker != 0;
}

int WeekEntry::mondayNightTotal() const {
    return isWeek(m_shownWeek) ? pool().mondayNightTotal[m_shownWeek][member()] : 0;
}

bool WeekEntry::setMondayNightTotal(int total) {
    if (!isWeek(m_shownWeek) || !inRange(total, 0, MaxScore)) {
        return false;
    }
    pool().mondayNightTotal[m_shownWeek][member()] = static_cast<int16_t>(total);
    m_entriesChanged = true;
    return true;
}

// ---- Point spreads ---------------------------------------------------------------------------------

bool WeekEntry::spreadsUsed() const {
    return isTrue(pool().usePointSpreads);
}

void WeekEntry::setSpreadRow(int row) {
    m_spreadRow = std::clamp(row, 0, GameSlots - 1);
}

int WeekEntry::spreadSteps() const {
    const float spread = isWeek(m_shownWeek) ? pool().pointSpread[m_shownWeek][m_spreadRow] : 0.0F;
    return std::clamp(static_cast<int>(std::lround(spread * 2.0F)), 0, MaxSpreadSteps);
}

std::optional<WeekEntry::RowLook> WeekEntry::setSpreadSteps(int steps) {
    PoolData& data = pool();
    const int row = m_spreadRow;
    if (m_mode != EntryMode::Spreads || !isGameRow(row)) {
        return std::nullopt;
    }
    const float spread = static_cast<float>(std::clamp(steps, 0, MaxSpreadSteps)) / 2.0F;
    data.pointSpread[m_shownWeek][row] = spread;
    m_entriesChanged = true;
    // The labels follow the spread, not the stored favourite: 0 shows the game even, a spread for an
    // even game shows it undecided.
    if (spread == 0.0F) {
        return RowLook{Look::Tie, Look::Tie};
    }
    if (data.favoriteTeam[m_shownWeek][row] == data.tieCode()) {
        return RowLook{Look::None, Look::None};
    }
    return std::nullopt;
}

void WeekEntry::clearSpreads() {
    PoolData& data = pool();
    for (int row = 0; row < games(); ++row) {
        data.favoriteTeam[m_shownWeek][row] = data.tieCode();
        data.pointSpread[m_shownWeek][row] = 0.0F;
    }
    m_spreadsCleared = true;
    m_entriesChanged = true;
}

QString WeekEntry::spreadText(int row) const {
    return isGameRow(row) ? numberText(pool().pointSpread[m_shownWeek][row]) : QString();
}

QString WeekEntry::spreadLine(int row, int side) const {
    if (!isGameRow(row)) {
        return {};
    }
    const bool awayFavourite = pool().favoriteTeam[m_shownWeek][row] == team(row, 0);
    if (awayFavourite != (side == 0)) {
        return {};
    }
    return numberText(-pool().pointSpread[m_shownWeek][row]);
}

// ---- Scores ----------------------------------------------------------------------------------------

bool WeekEntry::scoreBoxesShown() const {
    return m_mode == EntryMode::Results && (spreadsUsed() || mondayNightSelected());
}

bool WeekEntry::rowScoresShown(int row) const {
    return m_mode == EntryMode::Results && isGameRow(row) &&
           (spreadsUsed() || (row == games() - 1 && pool().mnTieBreaker != 0));
}

int WeekEntry::score(int row, int side) const {
    return isGameRow(row) && (side == 0 || side == 1) ? pool().gameScore[m_shownWeek][row][side] : 0;
}

// ---- Commands --------------------------------------------------------------------------------------

bool WeekEntry::okAllowed() const {
    switch (m_mode) {
    case EntryMode::Predictions:
        return !confidenceUsed() || allConfidencePlaced();
    case EntryMode::Results:
        return true;
    case EntryMode::Spreads:
        break;
    }
    return !m_spreadsCleared;
}

bool WeekEntry::postSeasonOffered() const {
    return pool().postSeasonPoints > 0 || pool().bigGamePoints > 0;
}

WriteResult WeekEntry::save() {
    TwoFileSave result{WriteResult::success(QString())};
    switch (m_mode) {
    case EntryMode::Predictions:
        if (pool().memberCount() > 0) {
            result = m_session.savePredictions(member());
        }
        break;
    case EntryMode::Results:
        result = m_session.saveResults();
        break;
    case EntryMode::Spreads:
        result = {m_session.saveSpreads()};
        break;
    }
    if (result.ok) {
        m_entriesChanged = false;
        keepCopy();
    } else if (result.firstFileWritten) {
        keepFirstFileCopy();
    }
    return result;
}

void WeekEntry::keepFirstFileCopy() {
    // The .PRD file holds the picks, results.dat the results and the current week: the next start reads
    // them from the file just written, so Cancel must not take them back.
    const SavedEntries now = current();
    if (m_mode == EntryMode::Predictions) {
        m_saved.picks = now.picks;
        m_saved.postSeasonPicks = now.postSeasonPicks;
    } else {
        m_saved.winners = now.winners;
        m_saved.postSeasonResults = now.postSeasonResults;
        m_saved.currentWeek = now.currentWeek;
    }
}

WeekEntry::SavedEntries WeekEntry::current() const {
    const PoolData& data = pool();
    SavedEntries now;
    now.member = member();
    for (int w = 0; w < WeekSlots; ++w) {
        for (int g = 0; g < GameSlots; ++g) {
            now.picks[w][g] = data.memberPicks[w][g][now.member];
            now.confidence[w][g] = data.confidencePoints[w][g][now.member];
        }
        now.mondayNight[w] = data.mondayNightTotal[w][now.member];
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        now.postSeasonPicks[slot] = data.postSeasonPicks[slot][now.member];
    }
    now.winners = data.gameWinner;
    now.scores = data.gameScore;
    now.postSeasonResults = data.postSeasonResults;
    now.favourites = data.favoriteTeam;
    now.spreads = data.pointSpread;
    now.currentWeek = data.currentWeek;
    return now;
}

void WeekEntry::keepCopy() {
    m_saved = current();
}

bool WeekEntry::cancel() {
    PoolData& data = pool();
    const SavedEntries& saved = m_saved;
    bool changed = false;
    switch (m_mode) {
    case EntryMode::Predictions:
        for (int w = 0; w < WeekSlots; ++w) {
            for (int g = 0; g < GameSlots; ++g) {
                changed |= putBack(data.memberPicks[w][g][saved.member], saved.picks[w][g]);
                changed |= putBack(data.confidencePoints[w][g][saved.member], saved.confidence[w][g]);
            }
            changed |= putBack(data.mondayNightTotal[w][saved.member], saved.mondayNight[w]);
        }
        for (int slot = 0; slot < PostSeasonSlots; ++slot) {
            changed |= putBack(data.postSeasonPicks[slot][saved.member], saved.postSeasonPicks[slot]);
        }
        break;
    case EntryMode::Results:
        // The seeds the post-season window gave stay: they follow from the results it showed.
        changed |= putBack(data.gameWinner, saved.winners);
        changed |= putBack(data.gameScore, saved.scores);
        changed |= putBack(data.postSeasonResults, saved.postSeasonResults);
        break;
    case EntryMode::Spreads:
        changed |= putBack(data.favoriteTeam, saved.favourites);
        changed |= putBack(data.pointSpread, saved.spreads);
        break;
    }
    changed |= putBack(data.currentWeek, saved.currentWeek);
    m_entriesChanged = false;
    m_spreadsCleared = false;
    if (changed) {
        // Clear Results may have enabled or disabled buttons that follow the current week.
        m_session.refreshMainButtons();
    }
    return changed;
}

} // namespace vek
