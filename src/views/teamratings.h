#pragma once

#include "app/poolwindow.h"

namespace vek {

/// The league's teams rated from the results so far.
/// Only its frame so far: opened modally from the main window, closed with OK.
class TeamRatings final : public PoolWindow {
    Q_OBJECT
public:
    explicit TeamRatings(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;
};

} // namespace vek
