#pragma once

#include "model/table.h"

#include <QString>

namespace vek {

struct PoolData;

/// The main window's seventeen command buttons (all but Exit), in the order the window shows them: frame
/// by frame, each frame top to bottom. The button faces, their enabled states, the refresh and the tool
/// tips all go by this one list.
enum class MainButton {
    cmdMembers, // Frame1
    cmdPoolProfile,
    cmdEventProfiles,
    cmdPredict, // Frame2
    cmdResults,
    cmdSpread,
    cmdSchedule, // Frame3
    cmdAlignment,
    cmdStats, // Frame4
    cmdRatings,
    cmdCharts,
    cmdScout,
    cmdLedger,
    cmdCompRslt,
    cmdStandings, // Frame5, above Exit
    cmdDifference,
    cmdPrint,
};
constexpr int MainButtonCount = 17;

/// A button's place in the list, which indexes the tables kept per button.
[[nodiscard]] constexpr int indexOf(MainButton button) {
    return static_cast<int>(button);
}

/// What the main window shows of one command button.
struct MainButtonFace {
    MainButton button;
    const char* name; // the button's objectName
    int frame;        // 1 to 5: the frame that holds it
    const char* caption;
    const char* hint;    // the status bar's hint panel while the pointer is over the button
    const char* toolTip; // set at start-up; none for cmdStandings, whose tip names the current week
};

/// The faces of the seventeen buttons, in the list's order.
// clang-format off
inline constexpr Table<MainButtonFace, MainButtonCount> MainButtonFaces{{{
    {MainButton::cmdMembers, "cmdMembers", 1, "Members",
     "Add/Edit/Delete pool member information.", "Pool members"},
    {MainButton::cmdPoolProfile, "cmdPoolProfile", 1, "Pool Profile",
     "Pool options profile.", "Pool profile"},
    {MainButton::cmdEventProfiles, "cmdEventProfiles", 1, "Events",
     "Pool event values and options profile.", "Event profiles"},
    {MainButton::cmdPredict, "cmdPredict", 2, "Picks",
     "Add/Edit/Delete game predictions.", "Enter predictions"},
    {MainButton::cmdResults, "cmdResults", 2, "Results",
     "Add/Edit/Delete game results.", "Enter results"},
    {MainButton::cmdSpread, "cmdSpread", 2, "Spread",
     "Add/Edit/Delete game spread points.", "Enter week's point spreads"},
    {MainButton::cmdSchedule, "cmdSchedule", 3, "Schedule",
     "Add/Edit/Delete vekaran season schedule.", "View and/or enter new VEK schedule."},
    {MainButton::cmdAlignment, "cmdAlignment", 3, "Teams",
     "View/Modify vekaran team alignment.", "Add/Edit/Change VEK team names and alignment."},
    {MainButton::cmdStats, "cmdStats", 4, "Pool Statistics",
     "View pool statistics.", "View detailed information on member predictions and VEK results."},
    {MainButton::cmdRatings, "cmdRatings", 4, "Team Ratings",
     "View team ratings.", "View a ratings chart on VEK team performance."},
    {MainButton::cmdCharts, "cmdCharts", 4, "Pool Charts",
     "View team and pool win/loss charts.", "View member predictions and VEK results in standings format."},
    {MainButton::cmdScout, "cmdScout", 4, "Scouting Report",
     "View a report on how successfull pool members have predicted the winners.",
     "Compare how successfull each member's team predictions have been."},
    {MainButton::cmdLedger, "cmdLedger", 4, "Points Ledger",
     "View pool member's event points ledger.",
     "View an event-by-event breakdown on your pool's point distribution."},
    {MainButton::cmdCompRslt, "cmdCompRslt", 4, "Compare Results",
     "View prediction results comparison.", "Compare the results of each member's predictions."},
    {MainButton::cmdStandings, "cmdStandings", 5, "View Standings",
     "View pool standings and information.", nullptr},
    {MainButton::cmdDifference, "cmdDifference", 5, "View Differences",
     "View differences between pool member predictions.",
     "Compare the differences between each member's predictions."},
    {MainButton::cmdPrint, "cmdPrint", 5, "Print",
     "View printout options and settings.", "Print options"},
}}};
// clang-format on

/// The face of a button.
[[nodiscard]] constexpr const MainButtonFace& faceOf(MainButton button) {
    return MainButtonFaces[indexOf(button)];
}

/// The enabled state of each of the seventeen buttons, worked out from the data alone, so that a command
/// is offered only when the data it works on exists. Exit is never touched: it stays enabled.
class MainButtonStates {
public:
    MainButtonStates() { m_enabled.fill(true); }

    [[nodiscard]] bool enabled(MainButton button) const { return m_enabled[indexOf(button)]; }
    void set(MainButton button, bool enabled) { m_enabled[indexOf(button)] = enabled; }

    bool operator==(const MainButtonStates&) const = default;

private:
    Table<bool, MainButtonCount> m_enabled{};
};

/// The button states from the member count, the schedule check, the point-spread option and the last
/// week with results. Only -1 counts as true for the schedule check and the point-spread option.
[[nodiscard]] MainButtonStates mainButtonStates(const PoolData& pool);

/// The main window's texts that name the current week, currentWeek + 1 (0 when no week has results):
/// the status bar's week panel, "Week: N", and the View Standings tool tip, which names the same week.
[[nodiscard]] QString weekPanelText(const PoolData& pool);
[[nodiscard]] QString standingsToolTip(const PoolData& pool);

/// The main window's texts that name the season of the schedule: its caption, "<title> - <description>
/// (YEAR Season)", and the status bar's season panel, "YEAR Season".
[[nodiscard]] QString seasonCaption(const PoolData& pool);
[[nodiscard]] QString seasonPanelText(const PoolData& pool);

} // namespace vek
