#pragma once

#include "app/poolwindow.h"

namespace vek {

/// The points ledger: every member's balance per event.
/// Only its frame so far: opened modally from the main window, closed with OK.
class Ledger final : public PoolWindow {
    Q_OBJECT
public:
    explicit Ledger(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;
};

} // namespace vek
