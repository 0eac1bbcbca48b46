#pragma once

#include "widgets/poolwindow.h"

namespace vek {

/// A window whose controls are not built yet: it carries its name and caption, opens modally from the
/// main window and closes with OK, so the main window can already open every window in its mode.
class StandInWindow : public PoolWindow {
    Q_OBJECT
public:
    StandInWindow(PoolSession& session, WindowHost& host, const QString& name, const QString& caption,
                  QWidget* parent = nullptr);

protected:
    void loadWindow() override {}
};

} // namespace vek
