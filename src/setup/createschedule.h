#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The schedule editor: builds, verifies and saves the season schedule.
/// Only its frame so far: opened modally from the main window, closed with OK.
class CreateSchedule final : public StandInWindow {
    Q_OBJECT
public:
    explicit CreateSchedule(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
