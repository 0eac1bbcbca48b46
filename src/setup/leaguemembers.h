#pragma once

#include "widgets/standinwindow.h"

namespace vek {

/// The member list editor: names, e-mail addresses and the default member.
/// Only its frame so far: opened modally from the main window, closed with OK.
class LeagueMembers final : public StandInWindow {
    Q_OBJECT
public:
    explicit LeagueMembers(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
};

} // namespace vek
