#include "views/teamratings.h"

namespace vek {

TeamRatings::TeamRatings(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("TeamRatings"), QStringLiteral("VEK Team Rating"), parent) {
}

} // namespace vek
