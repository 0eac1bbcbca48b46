#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The pool statistics over picks and results.
/// Only its frame so far: opened modally from the main window, closed with OK.
class LeagueStats final : public StandInWindow {
    Q_OBJECT
public:
    explicit LeagueStats(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
