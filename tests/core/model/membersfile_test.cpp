// members.dat: the member list and the default member.
#include "model/membersfile.h"
#include "model/pooldata.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Members = QStringLiteral("members.dat");

std::unique_ptr<PoolData> readFrom(const test::TempFolder& dir, MembersReadOutcome* outcome = nullptr) {
    auto pool = test::newPool();
    pool->maxMembers = MaxMembersLimit;
    const MembersReadOutcome result = readMembers(dir.folder(), *pool);
    if (outcome) {
        *outcome = result;
    }
    return pool;
}

QByteArray memberList(int count, int listed, const QByteArray& defaultMember) {
    QList<QByteArray> lines{QByteArray::number(listed)};
    for (int m = 0; m < count; ++m) {
        lines << "\"Member " + QByteArray::number(m) + "\""
              << "\"m" + QByteArray::number(m) + "@example.org\"";
    }
    lines << defaultMember;
    return test::fileOf(lines);
}

TEST(MembersFile, RoundTripInMemberOrder) {
    test::TempFolder dir;
    auto written = test::newPool();
    written->numMembers = 3;
    written->memberName[0] = QStringLiteral("Smith, Al");
    written->memberName[1] = QStringLiteral("J\u00f8rgen");
    written->memberName[2] = QStringLiteral("Bobby");
    written->memberEmail[0] = QStringLiteral("al@example.org");
    written->memberEmail[2] = QStringLiteral("bobby@example.org");
    written->defaultMember = 2;
    ASSERT_TRUE(writeMembers(dir.folder(), *written).ok);
    EXPECT_EQ(dir.read(Members),
              QByteArray("3\r\n\"Smith, Al\"\r\n\"al@example.org\"\r\n\"J\xc3\xb8rgen\"\r\n\"\"\r\n"
                         "\"Bobby\"\r\n\"bobby@example.org\"\r\n2\r\n"));
    MembersReadOutcome outcome;
    auto read = readFrom(dir, &outcome);
    EXPECT_TRUE(outcome.opened);
    EXPECT_FALSE(outcome.endedEarly);
    EXPECT_EQ(outcome.notLoaded, 0);
    EXPECT_EQ(read->numMembers, 3);
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(read->memberName[m], written->memberName[m]);
        EXPECT_EQ(read->memberEmail[m], written->memberEmail[m]);
    }
    EXPECT_EQ(read->defaultMember, 2);
}

TEST(MembersFile, MissingFileAndDefaultMember) {
    test::TempFolder dir;
    auto pool = test::newPool();
    pool->numMembers = 4;
    pool->defaultMember = 2;
    EXPECT_FALSE(readMembers(dir.folder(), *pool).opened);
    EXPECT_EQ(pool->numMembers, 0);
    EXPECT_EQ(pool->defaultMember, 0);

    dir.write(Members, memberList(3, 3, "-1"));
    EXPECT_EQ(readFrom(dir)->defaultMember, 0);
    dir.write(Members, memberList(3, 3, "7")); // beyond the members: kept as read
    EXPECT_EQ(readFrom(dir)->defaultMember, 7);

    // Writing: a negative default member is written as 0; an empty list is the two lines 0 and 0.
    pool->numMembers = 0;
    pool->defaultMember = -1;
    ASSERT_TRUE(writeMembers(dir.folder(), *pool).ok);
    EXPECT_EQ(dir.read(Members), QByteArray("0\r\n0\r\n"));
}

TEST(MembersFile, MembersBeyondTheTablesAreReadPastAndCounted) {
    test::TempFolder dir;
    dir.write(Members, memberList(130, 130, "5"));
    MembersReadOutcome outcome;
    auto pool = readFrom(dir, &outcome);
    EXPECT_EQ(pool->numMembers, MemberSlots);
    EXPECT_EQ(outcome.listedMembers, 130);
    EXPECT_EQ(outcome.notLoaded, 9);
    EXPECT_EQ(pool->memberName[120], QStringLiteral("Member 120"));
    EXPECT_EQ(pool->memberEmail[120], QStringLiteral("m120@example.org"));
    EXPECT_EQ(pool->defaultMember, 5); // found behind the members that were not loaded

    // Writing keeps to the tables.
    pool->numMembers = 200;
    ASSERT_TRUE(writeMembers(dir.folder(), *pool).ok);
    EXPECT_EQ(test::fileLines(dir.read(Members)).size(), 1 + 2 * MemberSlots + 1);
    EXPECT_TRUE(dir.read(Members).startsWith("121\r\n"));

    // A count above maxMembers is cut to it, so the value read as the default member is a name.
    dir.write(Members, memberList(600, 600, "3"));
    pool = readFrom(dir, &outcome);
    EXPECT_EQ(pool->numMembers, MemberSlots);
    EXPECT_EQ(outcome.notLoaded, MaxMembersLimit - MemberSlots);
    EXPECT_EQ(pool->defaultMember, 0);
}

TEST(MembersFile, NegativeOrMissingCount) {
    test::TempFolder dir;
    dir.write(Members, test::fileOf({"-5", "\"A\"", "\"a@example.org\""}));
    auto pool = readFrom(dir);
    EXPECT_EQ(pool->numMembers, 0);

    dir.write(Members, test::fileOf({"2", "\"A\""}));
    MembersReadOutcome outcome;
    pool = readFrom(dir, &outcome);
    EXPECT_TRUE(outcome.endedEarly);
    EXPECT_EQ(pool->numMembers, 2);
    EXPECT_EQ(pool->memberName[0], QStringLiteral("A"));
    EXPECT_EQ(pool->memberName[1], QString());
}

} // namespace
} // namespace vek
