#pragma once

namespace vek {

struct PoolData;

/// The enabled state of the main window's seventeen command buttons (all but Exit, which is always
/// enabled), worked out from the data alone, so that a command is offered only when the data it works
/// on exists. The main window applies it after start-up, after every confirmed change and whenever a
/// window it opened returns.
struct MainButtonStates {
    bool cmdMembers = true;
    bool cmdPoolProfile = true;
    bool cmdSchedule = true;
    bool cmdAlignment = true;
    bool cmdPrint = true;
    bool cmdEventProfiles = true;
    bool cmdResults = true;
    bool cmdPredict = true;
    bool cmdCharts = true;
    bool cmdDifference = true;
    bool cmdSpread = true;
    bool cmdStandings = true;
    bool cmdCompRslt = true;
    bool cmdStats = true;
    bool cmdLedger = true;
    bool cmdScout = true;
    bool cmdRatings = true;

    bool operator==(const MainButtonStates&) const = default;
};

/// The button states from the member count, the schedule check, the point-spread option and the last
/// week with results. Only -1 counts as true for the schedule check and the point-spread option.
[[nodiscard]] MainButtonStates mainButtonStates(const PoolData& pool);

} // namespace vek
