#pragma once

#include "session/schedulechanges.h"
#include "setup/scheduleboard.h"
#include "widgets/poolwindow.h"

#include <array>
#include <functional>
#include <map>
#include <set>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace vek {

/// The schedule editor: builds the season schedule week by week on a board of team labels, swaps games,
/// sets the year and the number of weeks, verifies and saves the schedule, starts a new season and opens
/// the season information window. Every action changes the shared schedule at once; closing with
/// changes that are not saved asks to save them, to put the saved schedule back or to go on editing, so the
/// weekly entry never shows games that its saved picks do not belong to. The main window owns the single
/// instance through the window host; the board and the shown week live on with it.
class CreateSchedule final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DesignerCaption = QStringLiteral("Create Schedule");
    static inline const QString UnsavedQuestion =
        QStringLiteral("The schedule has changes that are not saved. Save them now?");
    static inline const QString WeekFullHint =
        QStringLiteral("The week has no empty position left: click a team in it to take it out first.");

    explicit CreateSchedule(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    [[nodiscard]] const ScheduleBoard& board() const { return m_board; }

    void reject() override;

protected:
    void loadWindow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();

    // Painting.
    void RefreshTeamBox();
    void RedrawScheduleWeek();
    void paintGameBoxes();
    void paintSwapPointers();
    void paintTeamLabel(int team);
    void showCounts(int team);
    void showSlots();
    void showSpinners();

    // Handlers.
    void teamClicked(int team);
    void teamHovered(int team);
    void cmdByeClicked();
    void swapBoxClicked(int slot);
    void cmdSwapClicked();
    void scrWeekChanged(int value);
    void scrNofwChanged(int value);
    void scrYearChanged(int value);
    void cmdVerifyClicked();
    bool cmdSaveClicked();
    void menuNewClicked();
    void menuStatsClicked();
    void cmdOkClicked();
    /// Closing: unsaved changes are saved (Yes) or put back (No). False, and the editor stays open, on
    /// Cancel or when a save failed.
    bool settleUnsavedChanges();

    ScheduleBoard m_board;
    SavedSchedule m_saved;
    std::set<int> m_navyTeams; // marked as byes by "Mark rest as bye" since the last redraw
    std::set<int> m_navyBoxes;
    std::map<QObject*, std::function<void()>> m_clickActions; // labels that act as buttons
    std::map<QObject*, std::function<void()>> m_hoverActions; // controls that set the hint line

    QMenuBar* m_menuBar = nullptr;
    QMenu* menuSched = nullptr;
    QAction* menuNew = nullptr;
    QAction* menuStats = nullptr;
    QAction* hlpFile = nullptr;
    QGroupBox* Frame1 = nullptr;
    Table<QLabel*, ScheduleBoard::TeamLabels> teamBox{};
    QGroupBox* frmSchedule = nullptr;
    Table<QLabel*, 2 * ScheduleBoard::SlotRows> gameBox{};
    QGroupBox* frmSwap = nullptr;
    Table<QLabel*, ScheduleBoard::SlotRows> swapBox{};
    QPushButton* cmdSwap = nullptr;
    QRadioButton* schedOption = nullptr;
    QRadioButton* byeOption = nullptr;
    QPushButton* cmdBye = nullptr;
    QScrollBar* scrWeek = nullptr;
    QLabel* weekBox = nullptr;
    QScrollBar* scrNofw = nullptr;
    QLabel* nofwBox = nullptr;
    QScrollBar* scrYear = nullptr;
    QLabel* yearBox = nullptr;
    QGroupBox* verifyFrame = nullptr;
    QLabel* statusType = nullptr;
    QLabel* verifyBox = nullptr;
    QLabel* awayBox = nullptr;
    QLabel* homeBox = nullptr;
    QLabel* byeBox = nullptr;
    QListWidget* checkList = nullptr;
    QGroupBox* frmKey = nullptr;
    std::array<QLabel*, 3> keyBox{};
    QLineEdit* fnameBox = nullptr;
    QLabel* desBox = nullptr;
    QPushButton* cmdVerify = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdOk = nullptr;
};

} // namespace vek
