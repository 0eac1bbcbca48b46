#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The league's teams rated from the results so far.
/// Only its frame so far: opened modally from the main window, closed with OK.
class TeamRatings final : public StandInWindow {
    Q_OBJECT
public:
    explicit TeamRatings(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
