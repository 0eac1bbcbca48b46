#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The points ledger: every member's balance per event.
/// Only its frame so far: opened modally from the main window, closed with OK.
class Ledger final : public StandInWindow {
    Q_OBJECT
public:
    explicit Ledger(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
