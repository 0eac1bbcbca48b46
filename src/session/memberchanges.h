#pragma once

#include "model/datafolder.h"
#include "model/datawriter.h"
#include "model/pooldata.h"

#include <QString>
#include <QStringList>

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

/// The member list as OK saves it.
struct MemberListChange {
    MemberList list;
    std::vector<MemberRename> renames;
    std::vector<int> added; // positions of the members added since the list was loaded: no files are theirs
};

/// A rename that would have the member read files of his new name that are already in the folder, in
/// place of his own predictions.
struct RefusedRename {
    MemberRename rename;
    QStringList files; // the files in the way, as the folder names them
};

/// What saving the member list did. `saved()` is the one answer to whether the list was saved; a refused
/// list was not, and its `written` says so too.
struct MemberListOutcome {
    std::vector<RefusedRename> refused; // when any, nothing was written and nothing changed
    WriteResult written;                // members.dat, the member file that could not be renamed, or
                                        // the refusal (never ok then)
    std::vector<MemberRename> kept;     // members whose predictions stay under their old names

    [[nodiscard]] bool saved() const { return refused.empty() && written.ok; }
};

/// How a file of the folder is renamed: `renameFile`; tests pass one that fails on cue.
using FileRename =
    std::function<WriteResult(const DataFolder& folder, const QString& fromName, const QString& toName)>;

/// OK of the member list. First every renamed member's new name is looked up: files of that name in the
/// folder that no renamed member takes away would give him other predictions than his own, so any such
/// rename is `refused` and nothing happens. Otherwise each renamed member's .PRD, .CPT, .OLD and .OCP
/// take the new name, unless a member loaded under the old name keeps it (those are `kept`); a member
/// added under the old name has no files of his own, and a name that another renamed member leaves is
/// free, so names can form a chain or be exchanged. Then members.dat is written. When a rename or the
/// write fails, every file renamed is put back and nothing else happens. Then the list goes into the
/// shared tables, every member's predictions and confidence points are read again from its files with
/// the schedule's layout on disk (which also sets whether they are complete, by start-up's rule), the
/// team tallies are marked stale, and the pick differences, member odds and main window's buttons are
/// brought up to date.
[[nodiscard]] MemberListOutcome changeMemberList(PoolSession& session, const MemberListChange& change,
                                                 const FileRename& rename = renameFile);

} // namespace vek
