#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The league editor: team names, abbreviations and the alignment in the eight divisions.
/// Only its frame so far: opened modally from the main window, closed with OK.
class vekalign final : public StandInWindow {
    Q_OBJECT
public:
    explicit vekalign(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
