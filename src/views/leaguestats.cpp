#include "views/leaguestats.h"

namespace vek {

LeagueStats::LeagueStats(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("LeagueStats"), QStringLiteral("League Statistics"),
                    parent) {}

} // namespace vek
