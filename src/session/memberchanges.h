#pragma once

#include "model/datafolder.h"
#include "model/datawriter.h"
#include "model/pooldata.h"

#include <QString>

#include <functional>
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
    WriteResult written;            // members.dat, or the member file that could not be renamed
    std::vector<MemberRename> kept; // members whose predictions stay under their old names
};

/// How a file of the folder is renamed: `renameFile`; tests pass one that fails on cue.
using FileRename =
    std::function<WriteResult(const DataFolder& folder, const QString& fromName, const QString& toName)>;

/// OK of the member list. Each renamed member's .PRD, .CPT, .OLD and .OCP take the new name, unless a
/// file of the new name is in the way or another member keeps the old name (those are `kept`); a name
/// that another renamed member leaves is free, so names can form a chain or be exchanged. Then
/// members.dat is written. When a rename or the write fails, every file renamed is put back and nothing
/// else happens. Then the list goes into the shared tables, every member's predictions and confidence
/// points are read again from its files with the schedule's layout on disk (which also sets whether they
/// are complete, by start-up's rule), the team tallies are marked stale, and the pick differences,
/// member odds and main window's buttons are brought up to date.
[[nodiscard]] MemberListOutcome changeMemberList(PoolSession& session, const MemberList& list,
                                                 const std::vector<MemberRename>& renames,
                                                 const FileRename& rename = renameFile);

} // namespace vek
