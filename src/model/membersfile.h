#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

namespace vek {

class DataFolder;
struct PoolData;

/// members.dat: the member count, each member's name and e-mail address, then the default member.

/// What reading the member list found beyond the plain outcome.
struct MembersReadOutcome : ReadOutcome {
    int listedMembers = 0; // the count the file gives
    int notLoaded = 0;     // members the file lists after the last member slot
};

/// Reads the members; none when the file cannot be opened. The count is capped at maxMembers; members
/// beyond the member tables are read past (and counted in `notLoaded`) so that the default member that
/// follows them is still found. A negative default member becomes 0.
MembersReadOutcome readMembers(const DataFolder& folder, PoolData& pool);
[[nodiscard]] WriteResult writeMembers(const DataFolder& folder, const PoolData& pool);

} // namespace vek
