#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The pool standings by week, quarter, half and season.
/// Only its frame so far: opened modally from the main window, closed with OK.
class LeagueStandings final : public StandInWindow {
    Q_OBJECT
public:
    explicit LeagueStandings(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
