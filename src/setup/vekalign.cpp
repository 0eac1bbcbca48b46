#include "setup/vekalign.h"

namespace vek {

vekalign::vekalign(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("vekalign"), QStringLiteral("VEK Alignment"), parent) {}

} // namespace vek
