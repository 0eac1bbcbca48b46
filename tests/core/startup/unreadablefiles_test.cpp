// Data files that are there but that the user may not read: start-up names each with the reason and
// takes the defaults, and no save replaces one, since what it holds was never read.
#include "app/startup.h"
#include "model/mailsettingsfile.h"
#include "session/memberchanges.h"
#include "session/poolsession.h"
#include "session/schedulechanges.h"
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
    // While the files cannot be read, and once the user has made them readable: the pool still holds
    // defaults in their place until the program reads them again.
    const QString unreadable = QStringLiteral("it cannot be read (%1)").arg(Denied);
    const QString unseen =
        QStringLiteral("it could not be read when the pool was loaded (%1); restart the program to read it")
            .arg(Denied);
    QString reason;
    const auto savesRefused = [&reason](const WriteResult& result, const QString& file) {
        EXPECT_EQ(result.failureText().toStdString(),
                  QStringLiteral("%1 could not be saved: %2").arg(file, reason).toStdString());
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
             EXPECT_EQ(renameFile(session.folder(), QStringLiteral("Bob.PRD"), QStringLiteral("Anna And.PRD"))
                           .reason.toStdString(),
                       reason.toStdString());
             if (reason == unseen) {
                 // Renamed, the file is still one the pool never read.
                 ASSERT_TRUE(
                     renameFile(session.folder(), QStringLiteral("Anna And.CPT"), QStringLiteral("Cy.CPT")));
                 savesRefused(writeFileAtomically(session.folder(), QStringLiteral("Cy.CPT"), "0\r\n"),
                              QStringLiteral("Cy.CPT"));
                 ASSERT_TRUE(
                     renameFile(session.folder(), QStringLiteral("Cy.CPT"), QStringLiteral("Anna And.CPT")));
             }
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
            reason = unreadable;
            c.asUser(session, host);
            for (const QString& file : c.unreadable) {
                ASSERT_TRUE(QFile::setPermissions(dir.filePath(file),
                                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            }
            reason = unseen;
            c.asUser(session, host);
        });
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), before.size());
        for (const auto& [file, bytes] : before) {
            QFile::setPermissions(dir.filePath(file), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            EXPECT_TRUE(dir.read(file) == bytes) << file.toStdString() << " was replaced";
        }
    }
}

// A pool folder that can be entered but not listed: its files are read by their exact names, but one
// under another case, or which prediction files there are, cannot be known. That is never taken for a
// folder without them: New season renames nothing, and no save makes a file under a name it could not
// look for.
TEST(UnreadableFiles, AFolderThatCannotBeListedIsNoEmptyFolder) {
    test::TempFolder dir;
    test::writeAllFiles(dir.folder(), *test::samplePool({QStringLiteral("Anna Andersen")}, 3));
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("favorite.dat"))));
    for (const char* older : {"schedule.old", "results.old", "scores.old"}) { // a season set aside before
        dir.write(QString::fromLatin1(older), "0\r\n");
    }
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    const QString unlisted = QStringLiteral("the folder cannot be listed (%1)").arg(Denied);
    test::runAsOrdinaryUser(dir.path(), [&] {
        const QFileDevice::Permissions listable = QFile::permissions(dir.path());
        ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ExeOwner | QFileDevice::WriteOwner |
                                                          QFileDevice::ExeGroup | QFileDevice::ExeOther));
        PoolSession session(dir.folder());
        test::RecordingStartupHost host;
        runLoadingStages(session, host, 2031);
        EXPECT_EQ(session.pool().numMembers, 1);
        EXPECT_EQ(host.messages.join(QLatin1Char('|')).toStdString(),
                  QStringLiteral("favorite.dat could not be used (%1); defaults were put in its place.")
                      .arg(unlisted)
                      .toStdString());
        SavedSchedule saved;
        EXPECT_EQ(NewSeason(session, saved, 2031).failure.toStdString(),
                  QStringLiteral("The files of the finished season could not be set aside: %1. Nothing was "
                                 "renamed.")
                      .arg(unlisted)
                      .toStdString());
        EXPECT_EQ(session.saveSpreads().failureText().toStdString(),
                  QStringLiteral("favorite.dat could not be saved: %1").arg(unlisted).toStdString());
        ASSERT_TRUE(QFile::setPermissions(dir.path(), listable));
    });
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join(QLatin1Char(' ')).toStdString(),
              files.join(QLatin1Char(' ')).toStdString());
}

} // namespace
} // namespace vek
