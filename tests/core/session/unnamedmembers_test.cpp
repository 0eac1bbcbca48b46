// Members that members.dat counts but does not name stay members, but have no files: every such member
// would otherwise share the one name ".PRD", and read and be scored with another's picks.
#include "app/startup.h"
#include "session/memberchanges.h"
#include "session/optionchanges.h"
#include "session/poolsession.h"
#include "setup/memberlistdraft.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(UnnamedMembers, ReadAndWriteNoFilesUntilTheyAreNamed) {
    test::TempFolder dir;
    test::writeAllFiles(dir.folder(),
                        *test::samplePool({QStringLiteral("Anna Andersen"), QStringLiteral("Bob")}, 3));
    // Four members, two of them named; files without a name in the folder, as a member without one would
    // have saved them.
    dir.write(QStringLiteral("members.dat"), "4\r\n\"Anna Andersen\"\r\n\"\"\r\n\"Bob\"\r\n\"\"\r\n");
    dir.write(QStringLiteral(".PRD"), dir.read(QStringLiteral("Bob.PRD")));
    dir.write(QStringLiteral(".CPT"), dir.read(QStringLiteral("Bob.CPT")));
    const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    const QByteArray hiddenPicks = dir.read(QStringLiteral(".PRD"));

    PoolSession session(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(session, host, 2031);
    runStartupComputations(session, host);
    PoolData& pool = session.pool();
    ASSERT_EQ(pool.numMembers, 4);
    EXPECT_EQ(host.messages.join(QLatin1Char('|')).toStdString(),
              "members.dat counts 4 members but names only 2 of them. The members without a name have no "
              "predictions until they are named in Members.");
    for (const int unnamed : {2, 3}) {
        EXPECT_EQ(pickCode(pool.memberPicks[0][0][unnamed]), pool.noneCode());
        EXPECT_EQ(pool.confidencePoints[0][0][unnamed], 0);
        EXPECT_EQ(pool.postSeasonPicks[12][unnamed], pool.noneCode());
    }

    // A pick entered for one is not saved; the rewrites of every member's files pass them by.
    pool.memberPicks[0][0][2] = pool.scheduleGrid[0][0][1];
    EXPECT_EQ(session.savePredictions(2).failureText().toStdString(),
              "The predictions of member 3 could not be saved: the member has no name. Name the member in "
              "Members first.");
    PoolOptions options = pool.options();
    options.confidenceMode = 1;
    EXPECT_TRUE(changePoolOptions(session, options).ok);

    // Named in Members, a member starts without files of his own, and takes none of the unnamed ones.
    MemberListDraft draft;
    draft.load(pool);
    ASSERT_TRUE(draft.edit(2));
    ASSERT_EQ(draft.add(QStringLiteral("Cleo"), QString()).result, MemberListDraft::AddResult::Stored);
    const MemberListOutcome named = changeMemberList(session, draft.change());
    ASSERT_TRUE(named.saved()) << named.written.failureText().toStdString();
    EXPECT_TRUE(named.kept.empty());
    EXPECT_EQ(pickCode(pool.memberPicks[0][0][2]), pool.noneCode());
    ASSERT_TRUE(session.savePredictions(2).ok);

    QStringList expected = QStringList(files) << QStringLiteral("Cleo.CPT") << QStringLiteral("Cleo.PRD");
    expected.sort();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).join(QLatin1Char(' ')).toStdString(),
              expected.join(QLatin1Char(' ')).toStdString());
    EXPECT_EQ(dir.read(QStringLiteral(".PRD")), hiddenPicks);
}

} // namespace
} // namespace vek
