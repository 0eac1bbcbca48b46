#include "views/leaguestandings.h"

namespace vek {

LeagueStandings::LeagueStandings(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("LeagueStandings"), QStringLiteral("Pool Standings"),
                    parent) {}

} // namespace vek
