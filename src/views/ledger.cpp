#include "views/ledger.h"

namespace vek {

Ledger::Ledger(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("Ledger"), QStringLiteral("Ledger"), parent) {}

} // namespace vek
