#pragma once

#include "app/poolwindow.h"

namespace vek {

/// The pool statistics over picks and results.
/// Only its frame so far: opened modally from the main window, closed with OK.
class LeagueStats final : public PoolWindow {
    Q_OBJECT
public:
    explicit LeagueStats(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;
};

} // namespace vek
