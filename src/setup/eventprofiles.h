#pragma once

#include "setup/eventsettingsdraft.h"
#include "widgets/poolwindow.h"

#include <array>
#include <functional>
#include <span>
#include <vector>

class QGroupBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace vek {

class HoverHelp;

/// The scoring rules: the points of every event, the lengths of the halves and quarters, and the
/// weekly thresholds and points by week size. Edits a working copy; while it is open the shared period
/// tables follow the lengths, and Cancel puts them back. OK writes events.dat and only then stores the
/// settings; a failed write is told to the user and the window stays open.
class EventProfiles final : public PoolWindow {
    Q_OBJECT
public:
    explicit EventProfiles(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    /// Stores the settings through the session; a failed write is told to the user. Returns whether the
    /// file was written.
    bool SaveEventProfiles();

    void done(int result) override;

protected:
    void loadWindow() override;

private:
    /// One up-down control with the label that shows its value.
    struct Spin {
        EventSetting setting;
        QSpinBox* spin = nullptr;
        QLabel* value = nullptr;
    };
    /// One row of a period tab: its first and last week and its games.
    struct PeriodColumns {
        QLabel* startWeek = nullptr;
        QLabel* endWeek = nullptr;
        QLabel* games = nullptr;
    };

    void buildControls();
    QWidget* buildWeekTab();
    /// A quarter or half frame: a row per period with its length, first and last week and games, then
    /// the points and points per game behind.
    QGroupBox* buildPeriodFrame(const char* name, const QString& caption, const QString& gamesHeader,
                                EventSetting firstLength, std::span<PeriodColumns> columns,
                                const QString& suffix);
    QWidget* buildSeasonTab();
    QWidget* buildPostSeasonTab();
    QWidget* buildSpecialsTab();
    void addHelpTexts();

    /// Places a setting's caption, value label, up-down control and Clear button (when it has one) on a
    /// row of a frame's grid.
    void addSettingRow(QGridLayout* grid, int row, EventSetting setting);
    [[nodiscard]] Spin& spinOf(EventSetting setting);

    void spinMoved(EventSetting setting, int value);
    void clearSetting(EventSetting setting);
    void incrementChosen(int index);
    /// Every control from the working copy; a value outside a control's range shows as stored.
    void showAll();
    void showSpin(const Spin& spin);
    void showValue(const Spin& spin);

    void showPeriods(EventSetting firstLength, std::span<const PeriodColumns> columns,
                     const std::function<EventSettingsDraft::PeriodRow(int)>& period);

    void RefreshWeekSizeLabels();
    void DeriveHalfWeeks();
    void DeriveQuarterWeeks();

    EventSettingsDraft m_draft;
    HoverHelp* m_help = nullptr;
    std::vector<Spin> m_spins;
    std::vector<std::pair<EventSetting, QPushButton*>> m_clearButtons;

    QTabWidget* tabProfile = nullptr;
    QGroupBox* Frame1 = nullptr;
    Table<QRadioButton*, 4> ptOption{};
    QLabel* desBox = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    QGroupBox* goodwkFrame = nullptr;
    QGroupBox* badweekFrame = nullptr;
    QGroupBox* perfectweekFrame = nullptr;
    QLabel* pnlGoodWeek = nullptr;
    QLabel* pnlBadWeek = nullptr;
    QLabel* gwPerc = nullptr;
    QLabel* bwPerc = nullptr;
    QGroupBox* quarterFrame = nullptr;
    std::array<PeriodColumns, 4> m_quarters{};
    QGroupBox* semiFrame = nullptr;
    std::array<PeriodColumns, 2> m_halves{};
    QGroupBox* seasonFrame = nullptr;
    QLabel* numWeeks = nullptr;
    QGroupBox* playoffFrame = nullptr;
    QGroupBox* superFrame = nullptr;
    QGroupBox* wcFrame = nullptr;
    QGroupBox* o50Frame = nullptr;
    QGroupBox* mnFrame = nullptr;
};

} // namespace vek
