#include "setup/leaguemembers.h"

namespace vek {

LeagueMembers::LeagueMembers(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("LeagueMembers"), QStringLiteral("Pool Members"), parent) {}

} // namespace vek
