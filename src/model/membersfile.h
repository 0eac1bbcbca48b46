#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

#include <QString>

#include <vector>

namespace vek {

class DataFolder;
struct MemberList;
struct PoolData;

/// members.dat: the member count, each member's name and e-mail address, then the default member.

/// What reading the member list found beyond the plain outcome.
struct MembersReadOutcome : ReadOutcome {
    int listedMembers = 0; // the count the file gives
    int notLoaded = 0;     // members the file lists after the last member slot
};

inline const QString MembersFileName = QStringLiteral("members.dat");

/// Reads the members; none when the file cannot be opened. The count is capped at maxMembers; members
/// beyond the member tables are read past (and counted in `notLoaded`) so that the default member that
/// follows them is still found. A negative default member becomes 0.
MembersReadOutcome readMembers(const DataFolder& folder, PoolData& pool);
/// Writes the member list (a PoolData passes its own): never more members than the tables hold, never a
/// negative default member.
[[nodiscard]] WriteResult writeMembers(const DataFolder& folder, const MemberList& members);

/// A name or address as members.dat gives it back once written (a double quote read from a file edited
/// by hand comes back as an apostrophe).
[[nodiscard]] QString storedMemberText(const QString& text);

/// Whether two member names name the same files: the folder finds a file whatever the case of its name,
/// so the first 8 characters are compared ignoring case. Members without a name have no files to share.
[[nodiscard]] bool sameMemberFiles(const QString& name, const QString& other);

/// The members whose names name the same files, in groups of two or more positions in member order (a
/// members.dat edited by hand).
[[nodiscard]] std::vector<std::vector<int>> membersSharingFiles(const MemberList& members);

} // namespace vek
