#include "model/membersfile.h"

#include "model/datafolder.h"
#include "model/pooldata.h"

#include <algorithm>

namespace vek {

MembersReadOutcome readMembers(const DataFolder& folder, PoolData& pool) {
    MembersReadOutcome outcome;
    std::optional<DataReader> reader = openDataFile(folder, MembersFileName, outcome);
    if (!reader) {
        pool.numMembers = 0;
        pool.defaultMember = 0;
        return outcome;
    }
    int16_t count = pool.numMembers;
    reader->read(count);
    outcome.listedMembers = count;
    outcome.valuesReplaced = count < 0;
    count = std::clamp<int16_t>(count, 0, std::max<int16_t>(pool.maxMembers, 0));
    for (int member = 0; member < count; ++member) {
        if (isMember(member)) {
            reader->read(pool.memberName[member]);
            reader->read(pool.memberEmail[member]);
        } else {
            reader->skip();
            reader->skip();
        }
    }
    pool.numMembers = std::min<int16_t>(count, MemberSlots);
    outcome.notLoaded = count - pool.numMembers;
    reader->read(pool.defaultMember);
    pool.defaultMember = std::max<int16_t>(pool.defaultMember, 0);
    outcome.endedEarly = reader->hitEnd();
    outcome.valuesReplaced = outcome.valuesReplaced || reader->unusedValues();
    return outcome;
}

WriteResult writeMembers(const DataFolder& folder, const MemberList& members) {
    DataWriter writer;
    writer.writeInt(members.memberCount());
    for (int member = 0; member < members.memberCount(); ++member) {
        writer.writeText(members.memberName[member]);
        writer.writeText(members.memberEmail[member]);
    }
    writer.writeInt(std::max<int16_t>(members.defaultMember, 0));
    return writer.commit(folder, MembersFileName);
}

QString storedMemberText(const QString& text) {
    // Written and read back, so that it never drifts from what the file really holds.
    DataWriter writer;
    writer.writeText(text);
    DataReader reader(writer.bytes());
    QString stored;
    reader.read(stored);
    return stored;
}

namespace {

bool sameStem(const QString& stem, const QString& other) {
    return stem.compare(other, Qt::CaseInsensitive) == 0;
}

} // namespace

bool sameMemberFiles(const QString& name, const QString& other) {
    // Members without a name have no files at all, so they share none.
    return isNamedMember(name) && isNamedMember(other) &&
           sameStem(memberFileStem(name), memberFileStem(other));
}

std::vector<std::vector<int>> membersSharingFiles(const MemberList& members) {
    // Every pair is compared: each stem is made once, not again for every pair it is in.
    Table<QString, MemberSlots> stems{};
    for (int m = 0; m < members.memberCount(); ++m) {
        stems[m] = memberFileStem(members.memberName[m]);
    }
    std::vector<std::vector<int>> groups;
    Table<bool, MemberSlots> grouped{};
    for (int first = 0; first < members.memberCount(); ++first) {
        if (grouped[first] || !isNamedMember(members.memberName[first])) {
            continue;
        }
        std::vector<int> group{first};
        for (int other = first + 1; other < members.memberCount(); ++other) {
            if (isNamedMember(members.memberName[other]) && sameStem(stems[first], stems[other])) {
                group.push_back(other);
                grouped[other] = true;
            }
        }
        if (group.size() > 1) {
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

} // namespace vek
