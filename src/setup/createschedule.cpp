#include "setup/createschedule.h"

namespace vek {

CreateSchedule::CreateSchedule(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("CreateSchedule"), QStringLiteral("Create Schedule"),
                    parent) {}

} // namespace vek
