#include "output/printwindow.h"

namespace vek {

PrintWindow::PrintWindow(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("PrintWindow"), QStringLiteral("Print Options"), parent) {}

} // namespace vek
