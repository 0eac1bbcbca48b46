#pragma once

#include "model/datafolder.h"
#include "model/datawriter.h"
#include "model/mailsettingsfile.h"
#include "model/pooldata.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace vek {

/// The printer settings the reports print with. Start-up records the fixed-pitch font when a printer is
/// installed; without one the font stays empty and the reports use their own default.
struct PrinterSettings {
    QString fontName;
};

/// The outcome of a save of two files: the first failure (or success), and whether the first file was
/// written, so that what it holds is on disk even when the second failed.
struct TwoFileSave : WriteResult {
    bool firstFileWritten = false;
};

/// One running pool: owns the shared data model, knows the pool's folder, keeps the mail settings and
/// the mode values that one window sets for another. Every window receives it by reference; main()
/// owns it for the whole run.
class PoolSession final : public QObject {
    Q_OBJECT
public:
    explicit PoolSession(DataFolder folder, QObject* parent = nullptr);
    ~PoolSession() override;

    PoolSession(const PoolSession&) = delete;
    PoolSession& operator=(const PoolSession&) = delete;

    [[nodiscard]] PoolData& pool() { return *m_pool; }
    [[nodiscard]] const PoolData& pool() const { return *m_pool; }
    [[nodiscard]] const DataFolder& folder() const { return m_folder; }

    /// Asks the main window to set its buttons' enabled state from the data (the one way back into it).
    void refreshMainButtons();
    /// Asks the main window to show the season year in its caption and season panel again: a schedule
    /// was saved, or a new season began.
    void refreshSeasonCaption();

    /// The week layout of schedule.dat as it is on disk: the layout that every per-game file (each
    /// member's .PRD and .CPT, results.dat, scores.dat, favorite.dat) is written with and is read with at
    /// the next start, whatever the schedule editor has changed in memory since. Start-up records it; a
    /// successful schedule save and a new season record the new one. Until one is recorded (a session
    /// that has not read a folder) it is the schedule in memory, there being no other. Recording a layout
    /// also gives minWeekGames the value start-up works out for it, so that the week sizes of the event
    /// profiles and the scoring agree with those of the next start.
    [[nodiscard]] WeekLayout fileLayout() const;
    void setFileLayout(const WeekLayout& layout);

    // ---- Confirmed changes of the weekly entry window -------------------------------------------------
    // Each writes its files atomically, over the layout on disk, and then runs the recomputations that
    // depend on what it changed; the recomputations work on memory, so they run even when a write
    // failed. A save of two files checks both before it writes either (see `checkReplaceable`),
    // and stops at the first that fails; the result names it, or is success.

    /// A member's predictions saved: the .PRD file, then (when that was written) the .CPT file;
    /// predictionsComplete set, true or false, by the rule start-up reads the files with;
    /// RefreshMainButtons, pick differences, member odds; the team tallies marked stale. A member outside
    /// the member list has no files: nothing is written or recomputed and the result is a failure. A
    /// member without a name has no files either: nothing is written and the result says to name him.
    [[nodiscard]] TwoFileSave savePredictions(int member);
    /// Results saved: results.dat, RefreshMainButtons, then (when results.dat was written) scores.dat;
    /// the team tallies marked stale; the winners against the spread when point spreads are used.
    [[nodiscard]] TwoFileSave saveResults();
    /// Point spreads saved: favorite.dat, then the winners against the spread.
    [[nodiscard]] WriteResult saveSpreads();

    /// Clear Picks: every pick of the member in the week becomes none; RefreshMainButtons. Writes nothing.
    void clearWeekPicks(int member, int week);
    /// Clear Results: every result of the week becomes none (and its scores 0 when point spreads are
    /// used); the week and the weeks after it are no longer complete, so currentWeek falls to the week
    /// before it; RefreshMainButtons. Writes nothing.
    void clearWeekResults(int week);

    /// Whether every game of the week holds a result: the away team, the home team or a tie.
    [[nodiscard]] bool weekResultsComplete(int week) const;
    /// A week's results were completed: currentWeek moves on over the unbroken run of complete weeks
    /// that follows it (never backwards, never over a week that still lacks a result). Returns it.
    int16_t advanceCurrentWeek();

    MailSettings mail;
    PrinterSettings printer;

    // Mode values, set by one window for another.
    int16_t entryMode = 0;          // 0 predictions or differences, 1 results, 2 point spreads
    int16_t scheduleMode = 0;       // 1 after a new season
    int16_t sortMode = 0;           // 0 every member's standings, 1 consensus, 2 league
    bool teamsRecalculated = false; // the team tallies match the data
    int16_t currentMember = 0;      // the member being edited in the weekly entry window

signals:
    void mainButtonsRefreshRequested();
    void seasonCaptionRefreshRequested();

private:
    DataFolder m_folder;
    std::unique_ptr<PoolData> m_pool;
    std::optional<WeekLayout> m_fileLayout;
};

} // namespace vek
