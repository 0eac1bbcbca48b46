#pragma once

#include "app/poolwindow.h"

namespace vek {

/// The pool options: weekly picks, point spreads, confidence points, points system, tie breaker.
/// Only its frame so far: opened modally from the main window, closed with OK.
class PoolProfile final : public PoolWindow {
    Q_OBJECT
public:
    explicit PoolProfile(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;
};

} // namespace vek
