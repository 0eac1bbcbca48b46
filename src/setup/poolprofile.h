#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The pool options: weekly picks, point spreads, confidence points, points system, tie breaker.
/// Only its frame so far: opened modally from the main window, closed with OK.
class PoolProfile final : public StandInWindow {
    Q_OBJECT
public:
    explicit PoolProfile(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
