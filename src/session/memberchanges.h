#pragma once

#include "model/datawriter.h"
#include "model/pooldata.h"

#include <QString>

#include <vector>

namespace vek {

class PoolSession;

/// A member whose name now starts with other first 8 characters than the name its files carry.
struct MemberRename {
    int position = 0; // in the new list
    QString oldName;
    QString newName;
};

/// What saving the member list did.
struct MemberListOutcome {
    WriteResult written;            // members.dat
    std::vector<MemberRename> kept; // members whose predictions stay under their old names
};

/// OK of the member list. Writes members.dat; when that fails nothing else happens. Then each renamed
/// member's .PRD, .CPT, .OLD and .OCP take the new name, unless a file of the new name exists or another
/// member of the list uses the old name (those are `kept`). Then the list goes into the shared tables,
/// every member's predictions and confidence points are read again from its files with the schedule's
/// layout on disk (which also sets whether they are complete, by start-up's rule), the team tallies are
/// marked stale, and the pick differences, member odds and main window's buttons are brought up to date.
[[nodiscard]] MemberListOutcome changeMemberList(PoolSession& session, const MemberList& list,
                                                 const std::vector<MemberRename>& renames);

} // namespace vek
