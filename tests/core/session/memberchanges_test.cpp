// OK of the member list as a session operation: members.dat as start-up reads it back, predictions
// following their members to new positions, renamed members' files, a rename refused over files in the
// way, and a failed write that changes nothing.
#include "app/startup.h"
#include "session/memberchanges.h"
#include "session/poolsession.h"
#include "setup/memberlistdraft.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDir>

#include <map>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QStringList Members{QStringLiteral("Alice Anders"), QStringLiteral("Bob Jones"),
                          QStringLiteral("Carla Castillo"), QStringLiteral("Dora Diaz")};

/// A session over the sample pool of four members with every file on disk, each member's picks and
/// confidence points its own, and a member list editor's working copy loaded from it.
struct MemberPool {
    MemberPool() {
        pool() = *test::samplePool(Members, 3);
        for (int m = 0; m < 4; ++m) {
            pool().confidencePoints[2][0][m] = static_cast<int16_t>(100 + m);
        }
        test::writeAllFiles(dir.folder(), pool());
        original = std::make_unique<PoolData>(pool());
        draft.load(pool());
        QObject::connect(&session, &PoolSession::mainButtonsRefreshRequested, [this] {
            ++refreshes;
            namesAtRefresh = pool().numMembers;
        });
    }
    PoolData& pool() { return session.pool(); }
    MemberListOutcome save() { return changeMemberList(session, draft.change()); }
    /// Whether member `slot` now holds the predictions member `from` had before.
    bool holdsPredictionsOf(int slot, int from) const {
        const PoolData& now = session.pool();
        const WeekLayout layout = now.weekLayout();
        for (int w = 0; w < layout.weeks(); ++w) {
            for (int g = 0; g < layout.games(w); ++g) {
                if (pickCode(now.memberPicks[w][g][slot]) != pickCode(original->memberPicks[w][g][from]) ||
                    now.confidencePoints[w][g][slot] != original->confidencePoints[w][g][from]) {
                    return false;
                }
            }
            if (now.mondayNightTotal[w][slot] != original->mondayNightTotal[w][from]) {
                return false;
            }
        }
        for (int s = 0; s < PostSeasonSlots; ++s) {
            if (now.postSeasonPicks[s][slot] != original->postSeasonPicks[s][from]) {
                return false;
            }
        }
        return true;
    }
    /// Every file of the folder with its bytes.
    std::map<QString, QByteArray> files() const {
        std::map<QString, QByteArray> all;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
            all[name] = dir.read(name);
        }
        return all;
    }
    void rename(int position, const char* name) {
        ASSERT_TRUE(draft.edit(position));
        ASSERT_EQ(
            draft.add(QString::fromUtf8(name), draft.entries()[static_cast<std::size_t>(position)].email)
                .result,
            MemberListDraft::AddResult::Stored);
    }

    test::TempFolder dir;
    PoolSession session{dir.folder()};
    std::unique_ptr<PoolData> original;
    MemberListDraft draft;
    int refreshes = 0;
    int namesAtRefresh = -1;
};

class MemberChanges : public ::testing::Test, protected MemberPool {};

TEST_F(MemberChanges, PredictionsFollowTheirMembersAfterADeletion) {
    draft.chooseDefault(3);
    ASSERT_TRUE(draft.remove(1));
    pool().pickDiffTotal[0][1] = 999;
    pool().predictionsComplete[2] = 0; // stale: read again with the files
    session.teamsRecalculated = true;
    const MemberListOutcome outcome = save();
    ASSERT_TRUE(outcome.saved());
    EXPECT_TRUE(outcome.kept.empty());

    EXPECT_EQ(
        test::fileLines(dir.read(QStringLiteral("members.dat"))),
        (QList<QByteArray>{"3", "\"Alice Anders\"", "\"member0@example.org\"", "\"Carla Castillo\"",
                           "\"member2@example.org\"", "\"Dora Diaz\"", "\"member3@example.org\"", "2"}));
    EXPECT_EQ(pool().numMembers, 3);
    EXPECT_EQ(pool().memberName[1], QStringLiteral("Carla Castillo"));
    EXPECT_EQ(pool().memberEmail[2], QStringLiteral("member3@example.org"));
    EXPECT_EQ(pool().defaultMember, 2);
    EXPECT_TRUE(holdsPredictionsOf(0, 0));
    EXPECT_TRUE(holdsPredictionsOf(1, 2));
    EXPECT_TRUE(holdsPredictionsOf(2, 3));
    EXPECT_EQ(pool().predictionsComplete[1], True16);
    EXPECT_NE(pool().pickDiffTotal[0][1], 999);
    EXPECT_FALSE(session.teamsRecalculated);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(namesAtRefresh, 3);
    EXPECT_TRUE(dir.exists(QStringLiteral("Bob Jone.PRD"))); // a deleted member's files stay
}

TEST_F(MemberChanges, PredictionsAreReadWithTheScheduleAsItIsOnDisk) {
    session.setFileLayout(pool().weekLayout());
    pool().openDates[0] = 3; // the schedule in memory has changed since it was saved
    ASSERT_TRUE(draft.remove(0));
    ASSERT_TRUE(save().saved());
    pool().openDates[0] = 1;
    EXPECT_TRUE(holdsPredictionsOf(0, 1));
    EXPECT_TRUE(holdsPredictionsOf(2, 3));
}

TEST_F(MemberChanges, ClearThenOkLeavesAnEmptyList) {
    draft.clear();
    ASSERT_TRUE(save().saved());
    EXPECT_EQ(test::fileLines(dir.read(QStringLiteral("members.dat"))), (QList<QByteArray>{"0", "0"}));
    EXPECT_EQ(pool().numMembers, 0);
    EXPECT_EQ(pool().defaultMember, 0);
}

TEST_F(MemberChanges, ANewMemberWithoutFilesHasNoPredictions) {
    ASSERT_EQ(draft.add(QStringLiteral("Eve Newcomer"), {}).result, MemberListDraft::AddResult::Added);
    ASSERT_TRUE(save().saved());
    EXPECT_EQ(pool().numMembers, 5);
    EXPECT_EQ(pickCode(pool().memberPicks[0][0][4]), pool().noneCode());
    EXPECT_EQ(pool().postSeasonPicks[12][4], pool().noneCode());
    EXPECT_EQ(pool().confidencePoints[2][0][4], 0);
    EXPECT_EQ(pool().predictionsComplete[4], 0);
}

TEST_F(MemberChanges, ARenamedMemberTakesItsFilesAlong) {
    dir.write(QStringLiteral("Bob Jone.OLD"), "old picks\r\n");
    dir.write(QStringLiteral("Bob Jone.OCP"), "old points\r\n");
    rename(1, "Robert Jones");
    const MemberListOutcome outcome = save();
    ASSERT_TRUE(outcome.saved());
    EXPECT_TRUE(outcome.kept.empty());
    for (const char* extension : {"PRD", "CPT", "OLD", "OCP"}) {
        EXPECT_FALSE(dir.exists(QStringLiteral("Bob Jone.") + QLatin1String(extension))) << extension;
        EXPECT_TRUE(dir.exists(QStringLiteral("Robert J.") + QLatin1String(extension))) << extension;
    }
    EXPECT_EQ(dir.read(QStringLiteral("Robert J.OLD")), "old picks\r\n");
    EXPECT_TRUE(holdsPredictionsOf(1, 1));
}

TEST_F(MemberChanges, WhatOkLeavesIsWhatStartUpReadsBack) {
    ASSERT_TRUE(draft.remove(0));
    // Bob, Carla and Dora pass their names round: each new name is another's old one.
    rename(0, "Zed");
    rename(1, "Yan");
    rename(2, "Bob Jones");
    rename(1, "Dora Diaz");
    rename(0, "Carla Castillo");
    const QByteArray bobPrd = dir.read(QStringLiteral("Bob Jone.PRD"));
    const MemberListOutcome outcome = save();
    ASSERT_TRUE(outcome.saved());
    EXPECT_TRUE(outcome.kept.empty());
    EXPECT_EQ(dir.read(QStringLiteral("Carla Ca.PRD")), bobPrd);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("~*")}, QDir::Files), QStringList());
    PoolSession fresh(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(fresh, host, 2031);
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join(" | ").toStdString();
    const PoolData& now = pool();
    const PoolData& read = fresh.pool();
    EXPECT_EQ(read.numMembers, 3);
    EXPECT_EQ(read.memberName, now.memberName);
    for (int member = 0; member < 3; ++member) {
        SCOPED_TRACE(member);
        EXPECT_TRUE(holdsPredictionsOf(member, member + 1));
        EXPECT_EQ(read.predictionsComplete[member], now.predictionsComplete[member]);
        for (int week = 0; week < read.numWeeks; ++week) {
            for (int game = 0; game < read.games(week); ++game) {
                EXPECT_EQ(read.memberPicks[week][game][member],
                          pickCode(now.memberPicks[week][game][member]));
                EXPECT_EQ(read.confidencePoints[week][game][member],
                          now.confidencePoints[week][game][member]);
            }
            EXPECT_EQ(read.mondayNightTotal[week][member], now.mondayNightTotal[week][member]);
        }
    }
}

TEST_F(MemberChanges, ARenamedMemberKeepsHisOwnPicksOrIsRefusedBeforeAnythingIsWritten) {
    struct Case {
        const char* what;
        std::function<void(MemberPool&)> change;
        QStringList refused; // "new name: files in the way"; when any, nothing may change
        int bobsPicksAt = -1;
        int noPicksAt = -1;
        bool kept = false; // the files stay with a member who still has the old name
    };
    const std::vector<Case> cases{
        {"a new member takes the name the renamed one left",
         [](MemberPool& t) {
             t.rename(1, "Robert Jones");
             ASSERT_EQ(t.draft.add(QStringLiteral("Bob Jonesy"), {}).result,
                       MemberListDraft::AddResult::Added);
         },
         {},
         1,
         4},
        {"a name another renamed member leaves",
         [](MemberPool& t) {
             t.rename(2, "Erin Early");
             t.rename(1, "Carla Castillo");
         },
         {},
         1},
        {"a leftover file of the new name, in another case",
         [](MemberPool& t) {
             t.dir.write(QStringLiteral("robert j.ocp"), "left behind\r\n");
             t.rename(1, "Robert Jones");
         },
         {QStringLiteral("Robert Jones: robert j.ocp")}},
        {"the files of a member deleted in this opening",
         [](MemberPool& t) {
             ASSERT_TRUE(t.draft.remove(2));
             t.rename(1, "Carla Castillo");
         },
         {QStringLiteral("Carla Castillo: Carla Ca.PRD, Carla Ca.CPT")}},
        {"a member added under a deleted member's name reads his files",
         [](MemberPool& t) {
             ASSERT_TRUE(t.draft.remove(1));
             ASSERT_EQ(t.draft.add(QStringLiteral("Bob Jones"), {}).result,
                       MemberListDraft::AddResult::Added);
         },
         {},
         3},
        {"a member loaded under the same files keeps them", // a members.dat edited by hand
         [](MemberPool& t) {
             t.pool().numMembers = 5;
             t.pool().memberName[4] = QStringLiteral("BOB JONESX");
             t.draft.load(t.pool());
             t.rename(1, "Robert Jones");
         },
         {},
         4,
         1,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemberPool t;
        c.change(t);
        const auto before = t.files();
        const MemberListOutcome outcome = t.save();
        QStringList refused;
        for (const RefusedRename& r : outcome.refused) {
            refused << r.rename.newName + QStringLiteral(": ") + r.files.join(QStringLiteral(", "));
        }
        EXPECT_EQ(refused, c.refused);
        EXPECT_EQ(outcome.kept.size(), c.kept ? 1U : 0U);
        if (!refused.isEmpty()) {
            EXPECT_FALSE(outcome.saved());
            EXPECT_FALSE(outcome.written.ok); // nothing was written, whichever answer is read
            EXPECT_TRUE(t.files() == before);
            EXPECT_EQ(t.pool().memberName[1], QStringLiteral("Bob Jones"));
            EXPECT_EQ(t.refreshes, 0);
            continue;
        }
        ASSERT_TRUE(outcome.saved());
        EXPECT_TRUE(t.holdsPredictionsOf(c.bobsPicksAt, 1));
        if (c.noPicksAt >= 0) {
            EXPECT_EQ(pickCode(t.pool().memberPicks[0][0][c.noPicksAt]), t.pool().noneCode());
            EXPECT_EQ(t.pool().confidencePoints[2][0][c.noPicksAt], 0);
        }
    }
}

TEST_F(MemberChanges, ARenameThatFailsPartWayPutsBackEveryFileAndNamesTheFileThatFailed) {
    rename(2, "Erin Early");
    rename(1, "Carla Castillo"); // Bob takes the name Carla leaves
    const auto before = files();
    // One of Bob's files refuses to move once: on its way out, or, after every other file has moved, on
    // its way to the new name.
    for (const auto& [out, in] : {std::pair{"Bob Jone.CPT", ""}, std::pair{"", "Carla Ca.CPT"}}) {
        SCOPED_TRACE(std::string(out) + in);
        bool refused = false;
        const auto refuse = [&refused, out, in](const DataFolder& f, const QString& from, const QString& to) {
            if (!refused && (from == QLatin1String(out) || to == QLatin1String(in))) {
                refused = true;
                return WriteResult::failure(to, QStringLiteral("refused"));
            }
            return renameFile(f, from, to);
        };
        const MemberListOutcome outcome = changeMemberList(session, draft.change(), refuse);
        EXPECT_FALSE(outcome.saved());
        EXPECT_EQ(
            outcome.written.failureText(),
            QStringLiteral("Bob Jone.CPT could not be saved: renaming it Carla Ca.CPT failed: refused"));
        EXPECT_TRUE(files() == before);
        EXPECT_EQ(pool().memberName[1], QStringLiteral("Bob Jones"));
        EXPECT_EQ(refreshes, 0);
    }
}

TEST(MemberNames, ANameTheMembersFileCannotHoldTakesItsFilesToTheNameWritten) {
    test::TempFolder dir;
    const QString quoted = QStringLiteral("Al \"Ace\" Smith");
    const auto sample = test::samplePool({quoted, QStringLiteral("Bob Jones")}, 3);
    test::writeAllFiles(dir.folder(), *sample);
    // Edited by hand: a name without quotes around it is read whole, inner quotes and all.
    dir.write(QStringLiteral("members.dat"),
              "2\r\nAl \"Ace\" Smith\r\n\"al@example.org\"\r\n\"Bob Jones\"\r\n\"\"\r\n0\r\n");
    const auto load = [&dir] {
        auto session = std::make_unique<PoolSession>(dir.folder());
        test::RecordingStartupHost host;
        runLoadingStages(*session, host, 2031);
        EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join(" | ").toStdString();
        return session;
    };
    const auto first = load();
    ASSERT_EQ(first->pool().memberName[0], quoted);
    MemberListDraft draft;
    draft.load(first->pool());
    ASSERT_TRUE(changeMemberList(*first, draft.change()).saved());

    const auto next = load();
    EXPECT_EQ(next->pool().memberName[0], QStringLiteral("Al 'Ace' Smith"));
    EXPECT_EQ(next->pool().predictionsComplete[0], True16);
    EXPECT_EQ(next->pool().confidencePoints[5][3][0], sample->confidencePoints[5][3][0]);
}

TEST_F(MemberChanges, AFailedWriteOfTheListChangesNothing) {
    rename(1, "Robert Jones");
    ASSERT_TRUE(draft.remove(0));
    ASSERT_TRUE(QDir(dir.path()).remove(QStringLiteral("members.dat")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("members.dat")));
    const MemberListOutcome outcome = save();
    EXPECT_FALSE(outcome.saved());
    EXPECT_EQ(outcome.written.fileName, QStringLiteral("members.dat"));
    EXPECT_EQ(pool().numMembers, 4);
    EXPECT_EQ(pool().memberName[1], QStringLiteral("Bob Jones"));
    EXPECT_TRUE(dir.exists(QStringLiteral("Bob Jone.PRD")));
    EXPECT_FALSE(dir.exists(QStringLiteral("Robert J.PRD")));
    EXPECT_EQ(refreshes, 0);
}

} // namespace
} // namespace vek
