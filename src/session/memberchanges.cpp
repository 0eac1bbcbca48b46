#include "session/memberchanges.h"

#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "model/datafolder.h"
#include "model/membersfile.h"
#include "model/predictionfiles.h"
#include "session/poolsession.h"

#include <QStringList>

namespace vek {
namespace {

// Every file named by a member: the predictions and confidence points, and the previous season's.
const QStringList MemberExtensions{QStringLiteral("PRD"), QStringLiteral("CPT"), QStringLiteral("OLD"),
                                   QStringLiteral("OCP")};

bool stemUsedByAnother(const MemberList& list, const QString& stem, int position) {
    for (int i = 0; i < list.memberCount(); ++i) {
        if (i != position && memberFileStem(list.memberName[i]) == stem) {
            return true;
        }
    }
    return false;
}

// Moves the member's files to the new name: all of them or none.
bool moveMemberFiles(const DataFolder& folder, const MemberRename& rename) {
    QStringList moving;
    for (const QString& extension : MemberExtensions) {
        const DataFolder::Lookup from = folder.find(memberFileName(rename.oldName, extension));
        const DataFolder::Lookup to = folder.find(memberFileName(rename.newName, extension));
        if (to.found && to.path != from.path) {
            return false; // another member's files, or files left behind: never replaced
        }
        if (from.found) {
            moving << extension;
        }
    }
    for (qsizetype i = 0; i < moving.size(); ++i) {
        if (!renameFile(folder, memberFileName(rename.oldName, moving[i]),
                        memberFileName(rename.newName, moving[i]))) {
            while (i-- > 0) {
                (void)renameFile(folder, memberFileName(rename.newName, moving[i]),
                                 memberFileName(rename.oldName, moving[i]));
            }
            return false;
        }
    }
    return true;
}

} // namespace

MemberListOutcome changeMemberList(PoolSession& session, const MemberList& list,
                                   const std::vector<MemberRename>& renames) {
    PoolData& pool = session.pool();
    const DataFolder& folder = session.folder();
    MemberListOutcome outcome;
    outcome.written = writeMembers(folder, list);
    if (!outcome.written) {
        return outcome;
    }

    for (const MemberRename& rename : renames) {
        const bool moved = !stemUsedByAnother(list, memberFileStem(rename.oldName), rename.position) &&
                           moveMemberFiles(folder, rename);
        if (!moved) {
            outcome.kept.push_back(rename);
        }
    }

    pool.memberList() = list;
    // Each member's predictions follow it to its position: they come from its own files.
    const WeekLayout layout = session.fileLayout();
    const int members = pool.memberCount();
    for (int member = 0; member < members; ++member) {
        readPredictions(folder, pool, member, layout);
    }
    for (int member = 0; member < members; ++member) {
        readConfidence(folder, pool, member, layout);
    }
    session.teamsRecalculated = false;
    CalcPickDifferences(pool);
    CalcMemberOdds(pool);
    session.refreshMainButtons();
    return outcome;
}

} // namespace vek
