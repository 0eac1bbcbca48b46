#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The output dialog: printed reports, report files and e-mail.
/// Only its frame so far: opened modally from the main window, closed with OK.
class PrintWindow final : public StandInWindow {
    Q_OBJECT
public:
    explicit PrintWindow(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
