#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The scoring rules: the points of every event, period lengths and weekly thresholds.
/// Only its frame so far: opened modally from the main window, closed with OK.
class EventProfiles final : public StandInWindow {
    Q_OBJECT
public:
    explicit EventProfiles(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
