#pragma once

#include "entry/weekentry.h"
#include "model/pooldata.h"
#include "widgets/poolwindow.h"

#include <array>
#include <functional>
#include <map>
#include <optional>

class QComboBox;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vek {

/// The weekly entry window: one week of games on a grid, for a member's picks with confidence points
/// and Monday-night total (entryMode 0), the results and scores (1) or the point spreads (2). It builds
/// and paints the grid and wires the controls to the entry rules (`WeekEntry`), which change the shared
/// data model at once; Save and OK write the files through one session operation, Cancel and closing
/// the window put back what was not saved. The main window owns the single instance through the window
/// host; the window unloads when it closes, while its state (shown week, selected row, ...) lives on
/// with the instance and each opening renews only what its load sets.
class ResultsPredict final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DesignerCaption = QStringLiteral("VEK Results");
    static constexpr int GridRows = GameSlots; // a week of 19 games fits

    explicit ResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    [[nodiscard]] QLabel* tieBox() const { return m_tieBox; }
    [[nodiscard]] QLabel* f3Box() const { return m_f3Box; }

    /// The window state, for whoever needs to look at it.
    [[nodiscard]] const WeekEntry& weekEntry() const { return m_entry; }

    /// Save: writes the files of the mode through the session and reruns what depends on them. A failed
    /// write is reported to the user; the entries then count as unsaved. Returns whether all was written.
    bool SaveWeekEntries();

    /// Closing other than by OK (Cancel, Esc, the window's close button) puts back what was not saved.
    void done(int result) override;

protected:
    void loadWindow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The controls of one game row.
    struct GameRow {
        QLabel* rowMark = nullptr;   // the game's number; marks the selected row
        QLabel* agameBox = nullptr;  // away team abbreviation, shows the row's entry
        QLabel* ascoreBox = nullptr; // away score, or the favourite's line
        QLabel* hgameBox = nullptr;
        QLabel* hscoreBox = nullptr;
        QLabel* cpBox = nullptr; // confidence points or the spread
        QPushButton* cmdTie = nullptr;
    };

    using Look = WeekEntry::Look;

    void buildControls();
    void buildLayout();
    void connectControls();

    // Painting.
    void PaintWeekGrid();
    void NextConfidenceValue();
    void ShowConfidenceState();
    void ShowSpreadLines();
    void ShowResultScores();
    /// Rewrites the row's abbreviations and gives its labels the look of its entry, or the look given.
    void paintRowLook(int row, std::optional<WeekEntry::RowLook> look = std::nullopt);
    /// Shows the selected row's teams. `loadScores`: the user chose the row or made an entry, so the
    /// box that takes the row's typing (its scores, or the Monday-night total) is filled and gets the
    /// keyboard with its text selected.
    void showSelection(bool loadScores);
    void takeTyping(QLineEdit* box);
    void showMondayNightFields();
    void showLogButton();
    void placeSpinner();
    void showOkAllowed();

    // Entries.
    void sideChoice(int side); // the click handlers of awayBox (0) and homeBox (1)
    void tieChoice();          // the click handler of tieBox
    void afterEntry(int row, bool entered);
    void rowTeamClicked(int row, int side);
    void cmdTieClicked(int row);
    void cpBoxClicked(int row);
    void spreadSpinChanged(int value);
    void scoreEdited(int side);
    void scoreEnter(int side);
    void cmdLogClicked();
    bool logScores();
    /// Scores typed for the selected row and not yet logged, settled before the selection, the week or
    /// the files move on, so that a row never shows scores that are not stored: logged as Log Score
    /// would when both boxes hold one, else the row shows its stored scores again. `keepResult`: the
    /// user is choosing the row's result by hand, so the typed scores are stored without deciding it.
    void settleTypedScores(bool keepResult = false);
    /// A row's score labels as the pool holds them.
    void showRowScores(int row);

    // Commands and navigation.
    void weekSpinChanged(int value);
    void memberBoxChanged(int index);
    void cmdClearClicked();
    void cmdClearCPtsClicked();
    void cmdClearSPtsClicked();
    void cmdPostSeasonClicked();
    void cmdOkClicked();
    bool keyPressed(QObject* watched, QKeyEvent* event);

    WeekEntry m_entry;
    bool m_scoresTyped = false; // the score boxes hold typing for the selected row, not yet settled

    std::map<const QObject*, std::function<void()>> m_clickActions; // labels that act as buttons
    QGridLayout* m_grid = nullptr;
    std::array<GameRow, GridRows> m_rows{};

    QLabel* m_tieBox = nullptr;
    QLabel* m_f3Box = nullptr;
    QLabel* gamenumBox = nullptr;
    QSpinBox* weekSpin = nullptr;
    QLabel* weekBox = nullptr;
    QComboBox* MemberBox = nullptr;
    QLabel* memlabelBox = nullptr;
    QLabel* awayBox = nullptr;
    QLabel* homeBox = nullptr;
    QLabel* picAway = nullptr;
    QLabel* picHome = nullptr;
    QLabel* f1Box = nullptr;
    QLabel* f2Box = nullptr;
    QLineEdit* awayScoreBox = nullptr;
    QLineEdit* homeScoreBox = nullptr;
    QPushButton* cmdLog = nullptr;
    QLabel* cpLabel = nullptr;
    QLabel* cp2Label = nullptr;
    QLabel* cptsBox = nullptr;
    QPushButton* cmdClearCPts = nullptr;
    QLabel* lblTotScore = nullptr;
    QLineEdit* txtTotScore = nullptr;
    QSpinBox* spreadSpin = nullptr;
    QPushButton* cmdClearSPts = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdPostSeason = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* Label5 = nullptr; // the legend of the row looks
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label4 = nullptr;
};

} // namespace vek
