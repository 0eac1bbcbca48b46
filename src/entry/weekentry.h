#pragma once

#include "entry/entrymode.h"
#include "model/datawriter.h"
#include "model/pooldata.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace vek {

class PoolSession;

/// The rules of the weekly entry window, without its widgets: which week and row are shown, what a game
/// row holds and how it looks, entering picks, results and favourites, completing a week, handing out
/// confidence values, the spread row, clearing a week, saving, and undoing what was not saved.
///
/// Entries change the shared data model at once, as the window shows them. A copy of what the mode can
/// change is taken at every load and after every successful save; `cancel` puts it back, so Cancel
/// and closing the window leave the pool as it was last saved. The window owns one for the life of its
/// instance, so the shown week and the selected row live on between openings.
class WeekEntry {
public:
    static constexpr int MaxScore = 32767;     // scores and Monday-night totals are 16-bit integers
    static constexpr int MaxSpreadSteps = 200; // the spinner counts half points: spreads 0 to 100

    /// How one team label of a row looks: the chosen team, the other team of a decided game, both teams
    /// of a tie or an even game, or both teams of a game without entry.
    enum class Look { None, Tie, Chosen, Other };
    struct RowLook {
        Look away = Look::None;
        Look home = Look::None;
        bool operator==(const RowLook&) const = default;
    };

    explicit WeekEntry(PoolSession& session);

    // ---- Loading and navigation --------------------------------------------------------------------
    /// The window's load: the mode, the shown week (a member's picks and the spreads open on week 1,
    /// the results on the current week or the week after it when it is complete, on week 1 before any
    /// results), the selected row, the member being edited (the default member), and the copy that
    /// Cancel restores.
    void load(EntryMode mode);
    /// Another week on the grid; nothing is saved.
    void showWeek(int week);
    /// Another member after the member left was saved (or had nothing to save): a copy of the new
    /// member's predictions is taken for Cancel.
    void changeMember(int member);
    /// Makes a row the selected one without entering anything (a click on its scores).
    void selectRow(int row);

    [[nodiscard]] EntryMode mode() const { return m_mode; }
    [[nodiscard]] int shownWeek() const { return m_shownWeek; }
    [[nodiscard]] int selectedRow() const { return m_selectedRow; }
    /// The highest week made the current week while the window is open.
    [[nodiscard]] int lastResultWeek() const { return m_lastResultWeek; }
    [[nodiscard]] int spreadRow() const { return m_spreadRow; }
    /// Whether anything was entered since the last load or save; a member change saves first then.
    [[nodiscard]] bool entriesChanged() const { return m_entriesChanged; }
    /// The member being edited: `currentMember`, or member 0 when that lies outside the tables.
    [[nodiscard]] int member() const;

    // ---- The shown week ----------------------------------------------------------------------------
    [[nodiscard]] int games() const;
    [[nodiscard]] bool isGameRow(int row) const;
    /// The team code of a row's side (0 away, 1 home); -1 outside the week's games.
    [[nodiscard]] int team(int row, int side) const;
    /// The row's entry: the member's pick, the result or the favourite (none outside the games).
    [[nodiscard]] int rowEntry(int row) const;
    /// Whether the row holds an entry: one of its teams, or a tie (even).
    [[nodiscard]] bool rowHasEntry(int row) const;
    [[nodiscard]] int enteredCount() const;
    [[nodiscard]] RowLook rowLook(int row) const;

    // ---- Entries for the selected row ---------------------------------------------------------------
    /// The away (0) or home (1) team of the selected row: the pick, the winner or the favourite; then
    /// the selection moves on to the first row without entry, and a results week may become complete.
    /// False when the side names no team, so nothing was entered.
    bool chooseSide(int side);
    /// A tie (results) or an even game (spreads) for the selected row; nothing among the picks.
    bool chooseTie();
    /// Whether a game's result comes from its scores (results with point spreads), so that a click on a
    /// team only selects its row.
    [[nodiscard]] bool scoresDecide() const;
    /// A click on a row's team: selects the row and chooses the team, except where the scores decide
    /// and the click only selects. Returns whether it entered.
    bool clickTeam(int row, int side);
    /// A row's "Tie" or "Even" button.
    bool clickTie(int row);
    /// The two scores of the selected row; equal scores make a tie, else the higher side wins. Scores
    /// outside 0..32767 are refused.
    bool logScores(int away, int home);
    /// The two scores of the selected row, leaving its result as it is (a result chosen for the row by
    /// hand while its scores were typed). Scores outside 0..32767 are refused.
    bool storeScores(int away, int home);
    /// Clear Picks or Clear Results for the shown week (results: the current week falls to the week
    /// before it). Writes nothing.
    void clearWeek();
    /// Whether Clear is offered: picks always, results only on the current week, spreads never.
    [[nodiscard]] bool clearOffered() const;
    /// The post-season window stored its choices.
    void postSeasonChanged();
    /// A key was pressed in the window: a member change saves first from now on.
    void markChanged();

    // ---- Confidence points and the Monday-night total ---------------------------------------------
    [[nodiscard]] bool confidenceUsed() const;
    /// The lowest value of the week less one: the week's values run from it + 1 to it + games.
    [[nodiscard]] int confidenceOffset() const;
    /// The value the next click hands out: the highest value of the week not in use, or the offset when
    /// every value is placed.
    [[nodiscard]] int nextConfidence() const;
    [[nodiscard]] int confidence(int row) const;
    /// Whether the row holds one of the week's values.
    [[nodiscard]] bool confidencePlaced(int row) const;
    [[nodiscard]] bool allConfidencePlaced() const;
    /// A click on a row's value: hands out the next value, or takes the row's value back.
    bool toggleConfidence(int row);
    /// Clear Confidence Points: every game of the week without value.
    void clearConfidence();
    /// Whether the Monday-night total is asked for: the selected row is the week's last game and the
    /// pool breaks ties by it.
    [[nodiscard]] bool mondayNightSelected() const;
    [[nodiscard]] int mondayNightTotal() const;
    /// Stores the member's total for the week; a total outside 0..32767 is refused.
    bool setMondayNightTotal(int total);

    // ---- Point spreads -------------------------------------------------------------------------------
    [[nodiscard]] bool spreadsUsed() const;
    /// The row the spinner edits; a click on a row's spread moves it there.
    void setSpreadRow(int row);
    /// The spinner's value for the spread row: twice its spread.
    [[nodiscard]] int spreadSteps() const;
    /// The spinner changed: the spread row's spread becomes half the value. Returns the look the row
    /// takes now (even at 0, undecided when a spread is given to an even game), or none when it keeps
    /// its look.
    std::optional<RowLook> setSpreadSteps(int steps);
    /// Clear Spread Points: every game of the week even, spread 0.
    void clearSpreads();
    /// What the row's spread column shows (3.5, 0).
    [[nodiscard]] QString spreadText(int row) const;
    /// Beside a member's picks: the favourite's line, the negated spread on the favourite's side (an even
    /// or unset game on the home side). Empty for the other side.
    [[nodiscard]] QString spreadLine(int row, int side) const;

    // ---- Scores of results -------------------------------------------------------------------------
    /// Whether the score boxes are offered for the selected row: with point spreads, or for the Monday-
    /// night game when the pool breaks ties by it.
    [[nodiscard]] bool scoreBoxesShown() const;
    /// Whether a row's score labels show its scores (results mode).
    [[nodiscard]] bool rowScoresShown(int row) const;
    [[nodiscard]] int score(int row, int side) const;

    // ---- Commands --------------------------------------------------------------------------------------
    /// Whether OK may close the window: every confidence value placed, and the spreads not cleared
    /// since the window opened. Save is always offered.
    [[nodiscard]] bool okAllowed() const;
    /// Whether the post-season window is offered: the pool gives post-season or Big Game points.
    [[nodiscard]] bool postSeasonOffered() const;
    /// Save: the mode's files through the session, and what depends on them. On success the entries
    /// count as saved and the copy for Cancel is renewed; when only the first of two files was written
    /// (the .PRD file, results.dat), what that file holds counts as saved.
    [[nodiscard]] WriteResult save();
    /// Cancel or closing: puts back what the mode can change as it was at the last load or save, and
    /// refreshes the main window's buttons when that changed anything. Returns whether it did.
    bool cancel();

private:
    /// What the window can change, as it was at the last load or save.
    struct SavedEntries {
        int member = 0;
        Table2<int16_t, WeekSlots, GameSlots> picks{};
        Table2<int16_t, WeekSlots, GameSlots> confidence{};
        Table<int16_t, WeekSlots> mondayNight{};
        Table<int16_t, PostSeasonSlots> postSeasonPicks{};
        Table2<int16_t, WeekSlots, GameSlots> winners{};
        Table3<int16_t, WeekSlots, GameSlots, 2> scores{};
        Table<int16_t, PostSeasonSlots> postSeasonResults{};
        Table2<int16_t, WeekSlots, GameSlots> favourites{};
        Table2<float, WeekSlots, GameSlots> spreads{};
        int16_t currentWeek = 0;
    };

    [[nodiscard]] SavedEntries current() const;
    void keepCopy();
    /// Whether a failed save wrote its first file and stopped at the second (.CPT, scores.dat).
    void keepFirstFileCopy();
    void afterEntry(int row);
    [[nodiscard]] PoolData& pool();
    [[nodiscard]] const PoolData& pool() const;

    PoolSession& m_session;
    EntryMode m_mode = EntryMode::Predictions;
    int m_shownWeek = 0;
    int m_selectedRow = 0;
    int m_lastResultWeek = 0;
    int m_spreadRow = 0;
    bool m_entriesChanged = false;
    bool m_spreadsCleared = false;
    SavedEntries m_saved;
};

} // namespace vek
