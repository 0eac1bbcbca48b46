#include "setup/poolprofile.h"

namespace vek {

PoolProfile::PoolProfile(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("PoolProfile"), QStringLiteral("Pool Profile"), parent) {}

} // namespace vek
