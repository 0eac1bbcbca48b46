#include "session/memberchanges.h"

#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "model/datafolder.h"
#include "model/membersfile.h"
#include "model/predictionfiles.h"
#include "session/poolsession.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <memory>

namespace vek {
namespace {

// Every file named by a member: the predictions and confidence points, and the previous season's.
const QStringList MemberExtensions{QStringLiteral("PRD"), QStringLiteral("CPT"), QStringLiteral("OLD"),
                                   QStringLiteral("OCP")};

bool stemUsedByAnother(const MemberList& list, const QString& stem, int position) {
    for (int i = 0; i < list.names.size(); ++i) {
        if (i != position && memberFileStem(list.names[i]) == stem) {
            return true;
        }
    }
    return false;
}

// Moves the member's files to the new name; all or none of them.
bool moveMemberFiles(const DataFolder& folder, const MemberRename& rename) {
    struct Move {
        QString from;
        QString to;
    };
    std::vector<Move> moves;
    for (const QString& extension : MemberExtensions) {
        const QString from = folder.filePath(memberFileName(rename.oldName, extension));
        const QString to = folder.filePath(memberFileName(rename.newName, extension));
        if (to != from && QFile::exists(to)) {
            return false; // another member's files, or files left behind: never overwritten
        }
        if (QFile::exists(from)) {
            moves.push_back({from, QDir(folder.path()).filePath(memberFileName(rename.newName, extension))});
        }
    }
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (!QFile::rename(moves[i].from, moves[i].to)) {
            while (i-- > 0) {
                QFile::rename(moves[i].to, moves[i].from);
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
    const int members = std::min<int>(static_cast<int>(list.names.size()), MemberSlots);
    MemberListOutcome outcome;

    auto scratch = std::make_unique<PoolData>();
    scratch->numMembers = static_cast<int16_t>(members);
    for (int i = 0; i < members; ++i) {
        scratch->memberName[i] = list.names[i];
        scratch->memberEmail[i] = list.emails.value(i);
    }
    scratch->defaultMember = static_cast<int16_t>(list.defaultMember);
    outcome.written = writeMembers(folder, *scratch);
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

    pool.numMembers = static_cast<int16_t>(members);
    for (int i = 0; i < members; ++i) {
        pool.memberName[i] = list.names[i];
        pool.memberEmail[i] = list.emails.value(i);
    }
    pool.defaultMember = static_cast<int16_t>(list.defaultMember);

    // Each member's predictions follow it to its position: they come from its own files.
    const WeekLayout layout = pool.weekLayout();
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
