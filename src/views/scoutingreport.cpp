#include "views/scoutingreport.h"

namespace vek {

ScoutingReport::ScoutingReport(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("ScoutingReport"), QStringLiteral("Scouting Report"),
                    parent) {}

} // namespace vek
