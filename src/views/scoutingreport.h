#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// How well one member has picked each team's games.
/// Only its frame so far: opened modally from the main window, closed with OK.
class ScoutingReport final : public StandInWindow {
    Q_OBJECT
public:
    explicit ScoutingReport(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
