#include "setup/eventprofiles.h"

namespace vek {

EventProfiles::EventProfiles(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("EventProfiles"), QStringLiteral("Event Profiles"),
                    parent) {}

} // namespace vek
