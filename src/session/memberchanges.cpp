#include "session/memberchanges.h"

#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "model/datafolder.h"
#include "model/membersfile.h"
#include "model/predictionfiles.h"
#include "session/poolsession.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <ranges>

namespace vek {
namespace {

// Every file named by a member: the predictions and confidence points, and the previous season's.
const QStringList MemberExtensions{QStringLiteral("PRD"), QStringLiteral("CPT"), QStringLiteral("OLD"),
                                   QStringLiteral("OCP")};

// One renamed member's files and whether they go to the new name.
struct FileMove {
    MemberRename rename;
    bool moves = true;
    QStringList extensions;                     // the files the member has
    QStringList names;                          // their names in the folder, for the user
    std::vector<std::filesystem::path> sources; // where they are
    QString temporaryStem;
    WriteResult unknown; // a failure when whether the member has a file is not known
};

bool isRenamed(const std::vector<MemberRename>& renames, int position) {
    return std::ranges::any_of(renames, [position](const MemberRename& r) { return r.position == position; });
}

// The name a file of the folder goes by, whatever case the member's name gives it.
QString nameInFolder(const DataFolder& folder, const QString& fileName) {
    return QFileInfo(folder.filePath(fileName)).fileName();
}

// Which renamed members' files go to their new names: all but those that a member loaded under the old
// name keeps reading, and those that an earlier renamed member already takes.
std::vector<FileMove> planMoves(const DataFolder& folder, const MemberListChange& change) {
    const MemberList& list = change.list;
    std::vector<FileMove> moves;
    for (const MemberRename& rename : change.renames) {
        FileMove move;
        move.rename = rename;
        if (!isNamedMember(rename.oldName)) {
            // A member named for the first time has no files to take along, nor any to leave.
            moves.push_back(std::move(move));
            continue;
        }
        for (int position = 0; position < list.memberCount(); ++position) {
            if (position != rename.position && !isRenamed(change.renames, position) &&
                std::ranges::find(change.added, position) == change.added.end() &&
                sameMemberFiles(list.memberName[position], rename.oldName)) {
                move.moves = false;
            }
        }
        for (const FileMove& earlier : moves) {
            if (sameMemberFiles(earlier.rename.oldName, rename.oldName) ||
                sameMemberFiles(earlier.rename.newName, rename.newName)) {
                move.moves = false; // only one member can take the same files
            }
        }
        for (const QString& extension : MemberExtensions) {
            const QString name = memberFileName(rename.oldName, extension);
            const DataFolder::Lookup source = folder.find(name);
            if (!source.found && !source.unlisted.isEmpty()) {
                move.unknown = WriteResult::failure(name, source.unlisted);
            }
            if (source.found) {
                move.extensions << extension;
                move.names << nameInFolder(folder, name);
                move.sources.push_back(source.path);
            }
        }
        moves.push_back(std::move(move));
    }
    return moves;
}

// The files of each new name that stay where they are: a moving member's files leave first, anything
// else (a deleted member's, a leftover) would be read as the renamed member's.
std::vector<RefusedRename> filesInTheWay(const DataFolder& folder, const std::vector<FileMove>& moves) {
    std::vector<RefusedRename> refused;
    for (const FileMove& move : moves) {
        RefusedRename blocked{move.rename, {}};
        for (const QString& extension : MemberExtensions) {
            const QString name = memberFileName(move.rename.newName, extension);
            const DataFolder::Lookup target = folder.find(name);
            const bool leaving = std::ranges::any_of(moves, [&target](const FileMove& other) {
                return other.moves && std::ranges::find(other.sources, target.path) != other.sources.end();
            });
            if (target.found && !leaving) {
                blocked.files << nameInFolder(folder, name);
            }
        }
        if (!blocked.files.isEmpty()) {
            refused.push_back(std::move(blocked));
        }
    }
    return refused;
}

// The renames done so far, to be put back when a later one fails.
class RenameLog {
public:
    RenameLog(const DataFolder& folder, const FileRename& rename) : m_folder(folder), m_rename(rename) {}

    WriteResult move(const QString& from, const QString& to) {
        WriteResult result = m_rename(m_folder, from, to);
        if (result) {
            m_done.push_back({from, to});
        }
        return result;
    }
    void putBack() {
        for (const auto& [from, to] : std::views::reverse(m_done)) {
            (void)m_rename(m_folder, to, from);
        }
        m_done.clear();
    }

private:
    const DataFolder& m_folder;
    const FileRename& m_rename;
    std::vector<std::pair<QString, QString>> m_done;
};

QString fileName(const QString& stem, const QString& extension) {
    return stem + QLatin1Char('.') + extension;
}

// Whichever step failed, the user knows the file as the member's file under its old name.
WriteResult moveFailure(const FileMove& move, const QString& extension, const WriteResult& failed) {
    return WriteResult::failure(move.names[move.extensions.indexOf(extension)],
                                QStringLiteral("renaming it %1 failed: %2")
                                    .arg(memberFileName(move.rename.newName, extension), failed.reason));
}

// First every moving member's files to a name of their own, then to the new names: in a chain or an
// exchange of names a member's new name is still another's old one when the first move is made.
WriteResult moveFiles(const DataFolder& folder, std::vector<FileMove>& moves, RenameLog& log) {
    const auto taken = [&folder](const QString& stem) {
        return std::ranges::any_of(MemberExtensions, [&](const QString& extension) {
            return folder.exists(fileName(stem, extension));
        });
    };
    int unused = 0;
    for (FileMove& move : moves | std::views::filter(&FileMove::moves)) {
        do {
            move.temporaryStem = QStringLiteral("~member%1").arg(unused++);
        } while (taken(move.temporaryStem));
        for (const QString& extension : move.extensions) {
            const WriteResult result = log.move(memberFileName(move.rename.oldName, extension),
                                                fileName(move.temporaryStem, extension));
            if (!result) {
                return moveFailure(move, extension, result);
            }
        }
    }
    for (const FileMove& move : moves | std::views::filter(&FileMove::moves)) {
        for (const QString& extension : move.extensions) {
            const WriteResult result = log.move(fileName(move.temporaryStem, extension),
                                                memberFileName(move.rename.newName, extension));
            if (!result) {
                return moveFailure(move, extension, result);
            }
        }
    }
    return {};
}

} // namespace

MemberListOutcome changeMemberList(PoolSession& session, const MemberListChange& change,
                                   const FileRename& rename) {
    PoolData& pool = session.pool();
    const DataFolder& folder = session.folder();
    const MemberList& list = change.list;
    MemberListOutcome outcome;
    std::vector<FileMove> moves = planMoves(folder, change);
    outcome.refused = filesInTheWay(folder, moves);
    if (!outcome.refused.empty()) {
        outcome.written = WriteResult::failure(
            MembersFileName,
            QStringLiteral("members would read files of their new names already in the folder"));
        return outcome;
    }
    // The member list is checked before any member's files move; so is every file a member may have.
    outcome.written = checkReplaceable(folder, {MembersFileName});
    for (auto move = moves.begin(); outcome.written && move != moves.end(); ++move) {
        outcome.written = move->unknown;
    }
    if (!outcome.written) {
        return outcome;
    }
    RenameLog log(folder, rename);
    outcome.written = moveFiles(folder, moves, log);
    if (outcome.written) {
        outcome.written = writeMembers(folder, list);
    }
    if (!outcome.written) {
        // Every member's files where they were, named as the members file that stays names them.
        log.putBack();
        return outcome;
    }
    for (const FileMove& move : moves) {
        if (!move.moves) {
            outcome.kept.push_back(move.rename);
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
