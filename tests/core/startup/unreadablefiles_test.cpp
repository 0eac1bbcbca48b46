// Data files that are there but that the user may not read: start-up names each with the reason and
// takes the defaults, and no save replaces one, since what it holds was never read.
#include "app/startup.h"
#include "model/mailsettingsfile.h"
#include "session/memberchanges.h"
#include "session/poolsession.h"
#include "support/ordinaryuser.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>

namespace vek {
namespace {

const QString Denied = QStringLiteral("Permission denied");

TEST(UnreadableFiles, AreNamedAtStartUpAndNoSaveReplacesThem) {
    const auto members = test::samplePool({QStringLiteral("Anna Andersen"), QStringLiteral("Bob")}, 3);
    const auto savesRefused = [](const WriteResult& result, const QString& file) {
        EXPECT_EQ(
            result.failureText().toStdString(),
            QStringLiteral("%1 could not be saved: it cannot be read (%2)").arg(file, Denied).toStdString());
    };
    const struct {
        const char* what;
        QStringList unreadable;
        std::function<void(PoolSession&, const test::RecordingStartupHost&)> asUser;
    } cases[] = {
        {"the member list: a list of one new member is not saved over it",
         {QStringLiteral("members.dat")},
         [&](PoolSession& session, const test::RecordingStartupHost& host) {
             EXPECT_EQ(host.messages.join(QLatin1Char('|')).toStdString(),
                       QStringLiteral("members.dat could not be used (%1); defaults were put in its place.")
                           .arg(Denied)
                           .toStdString());
             EXPECT_EQ(session.pool().numMembers, 0);
             MemberListChange change;
             change.list.numMembers = 1;
             change.list.memberName[0] = QStringLiteral("Zed");
             change.added = {0};
             const MemberListOutcome outcome = changeMemberList(session, change);
             EXPECT_FALSE(outcome.saved());
             savesRefused(outcome.written, QStringLiteral("members.dat"));
         }},
        {"every other data file: saves and a rename onto one are refused",
         {QStringLiteral("vek.dat"), QStringLiteral("pool.dat"), QStringLiteral("events.dat"),
          QStringLiteral("schedule.dat"), QStringLiteral("Anna And.PRD"), QStringLiteral("Anna And.CPT"),
          QStringLiteral("results.dat"), QStringLiteral("scores.dat"), QStringLiteral("favorite.dat"),
          QStringLiteral("defaultserver.dat")},
         [&](PoolSession& session, const test::RecordingStartupHost& host) {
             ASSERT_GE(host.messages.size(), 2);
             EXPECT_EQ(host.messages[host.messages.size() - 2].toStdString(),
                       QStringLiteral("These files could not be used; defaults were put in their place:\n"
                                      "vek.dat (%1)\npool.dat (%1)\nevents.dat (%1)\nschedule.dat (%1)\n"
                                      "Anna And.PRD (%1)\nAnna And.CPT (%1)\nresults.dat (%1)\n"
                                      "scores.dat (%1)\nfavorite.dat (%1)")
                           .arg(Denied)
                           .toStdString());
             EXPECT_EQ(host.messages.back().toStdString(),
                       QStringLiteral("defaultserver.dat could not be used (%1); defaults were put in its "
                                      "place.")
                           .arg(Denied)
                           .toStdString());
             EXPECT_EQ(session.pool().currentWeek, -1);
             savesRefused(session.savePredictions(0), QStringLiteral("Anna And.PRD"));
             savesRefused(session.saveResults(), QStringLiteral("results.dat"));
             savesRefused(
                 writeMailSettings(session.folder(), {QStringLiteral("smtp"), 25, QStringLiteral("a")}),
                 QStringLiteral("defaultserver.dat"));
             const WriteResult renamed =
                 renameFile(session.folder(), QStringLiteral("Bob.PRD"), QStringLiteral("Anna And.PRD"));
             EXPECT_EQ(renamed.reason.toStdString(),
                       QStringLiteral("it cannot be read (%1)").arg(Denied).toStdString());
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder dir;
        test::writeAllFiles(dir.folder(), *members);
        dir.write(MailSettingsFileName, "smtp.example.org\r\n25\r\npool@example.org\r\n");
        std::map<QString, QByteArray> before;
        for (const QString& file : QDir(dir.path()).entryList(QDir::Files)) {
            before[file] = dir.read(file);
        }
        for (const QString& file : c.unreadable) {
            ASSERT_TRUE(QFile::setPermissions(dir.filePath(file), QFileDevice::WriteOwner));
        }
        test::runAsOrdinaryUser(dir.path(), [&] {
            PoolSession session(dir.folder());
            test::RecordingStartupHost host;
            runLoadingStages(session, host, 2031);
            runStartupComputations(session, host);
            c.asUser(session, host);
        });
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), before.size());
        for (const auto& [file, bytes] : before) {
            QFile::setPermissions(dir.filePath(file), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            EXPECT_TRUE(dir.read(file) == bytes) << file.toStdString() << " was replaced";
        }
    }
}

} // namespace
} // namespace vek
