#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The division standings implied by a member's picks, by all picks together, or from the results.
/// Only its frame so far: opened modally from the main window, closed with OK.
class PredictionCharts final : public StandInWindow {
    Q_OBJECT
public:
    explicit PredictionCharts(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
