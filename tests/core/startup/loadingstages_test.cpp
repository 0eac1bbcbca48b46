// The loading stages of start-up: their order, defaults, messages, caption and status panels.
#include "app/startup.h"
#include "model/datafolder.h"
#include "model/membersfile.h"
#include "model/predictionfiles.h"
#include "model/schedulefile.h"
#include "session/poolsession.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDate>
#include <QFile>

#include <filesystem>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vek {
namespace {

const QString NotOnFile = QStringLiteral("VEK schedule is not on file");
const QString NotComplete = QStringLiteral("VEK schedule is not complete !");
const QString Intro = QStringLiteral("The following member(s) do not have their predictions on file OR have "
                                     "incomplete predictions OR missing post season predictions: ");
const QStringList FourMembers{QStringLiteral("Anna Andersen"), QStringLiteral("Bob"),
                              QStringLiteral("Carla Castillo"), QStringLiteral("Dieter Dahl")};

// Runs the stages on the folder with a fresh session.
struct Loaded {
    explicit Loaded(const test::TempFolder& dir) : session(dir.folder()) {
        runLoadingStages(session, host, 2031);
    }
    PoolData& pool() { return session.pool(); }
    PoolSession session;
    test::RecordingStartupHost host;
};

TEST(LoadingStages, EmptyFolderStartsWithEveryDefault) {
    test::TempFolder dir;
    Loaded loaded(dir);
    const PoolData& pool = loaded.pool();
    EXPECT_EQ(pool.maxMembers, 500);
    EXPECT_EQ(pool.numTeams, 32);
    EXPECT_EQ(pool.teamName[31], QStringLiteral("_____________________"));
    EXPECT_EQ(pool.teamName[32], QStringLiteral("TIE-"));
    EXPECT_EQ(pool.seasonPoints, 2500);
    EXPECT_EQ(pool.halfLastWeek[1], 17);
    EXPECT_EQ(pool.seasonYear, 2031);
    EXPECT_EQ(pool.numWeeks, 17);
    EXPECT_EQ(pool.gamesPerWeek, 16);
    EXPECT_EQ(pool.scheduleGrid[16][15][1], 33);
    EXPECT_EQ(pool.scheduleVerified, 0);
    EXPECT_EQ(pool.numMembers, 0);
    EXPECT_EQ(pool.currentWeek, -1);
    EXPECT_EQ(pool.gameWinner[0][0], 33);
    EXPECT_EQ(pool.favoriteTeam[16][15], 33);
    // Only the schedule message; the caption and the season panel keep their designer texts.
    EXPECT_EQ(loaded.host.events,
              (QStringList{QStringLiteral("message: ") + NotOnFile, QStringLiteral("panel 3: Week: 0")}));
    EXPECT_TRUE(loaded.host.caption.isNull());
}

TEST(LoadingStages, AMissingScheduleTakesTodaysYear) {
    test::TempFolder dir;
    PoolSession session(dir.folder());
    test::RecordingStartupHost host;
    const int before = QDate::currentDate().year();
    runLoadingStages(session, host);
    EXPECT_GE(session.pool().seasonYear, before);
    EXPECT_LE(session.pool().seasonYear, QDate::currentDate().year());
}

TEST(LoadingStages, AWholePoolLoadsBackWithCaptionAndPanels) {
    test::TempFolder dir;
    auto written = test::samplePool(FourMembers, 2);
    written->defaultMember = 2;
    test::writeAllFiles(dir.folder(), *written);
    Loaded loaded(dir);
    PoolData& pool = loaded.pool();
    EXPECT_EQ(loaded.host.events,
              (QStringList{QStringLiteral("caption: Kestrelmoor - VEK Football Pool   (2024 Season)"),
                           QStringLiteral("panel 2: 2024 Season"), QStringLiteral("panel 3: Week: 3")}));
    EXPECT_EQ(pool.teamName[5], QStringLiteral("Team 6"));
    EXPECT_EQ(pool.weeklyPicks, 1);
    EXPECT_EQ(pool.halfWeeks[0], 9);
    EXPECT_EQ(pool.scheduleVerified, True16);
    EXPECT_EQ(pool.scheduleEntries, 544);
    EXPECT_EQ(pool.numMembers, 4);
    EXPECT_EQ(pool.defaultMember, 2);
    EXPECT_EQ(pool.currentWeek, 2);
    const WeekLayout layout = pool.weekLayout();
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(pool.predictionsComplete[m], True16);
        for (int week = 0; week < 17; ++week) {
            for (int game = 0; game < layout.games(week); ++game) {
                EXPECT_EQ(pool.memberPicks[week][game][m], written->memberPicks[week][game][m]);
                EXPECT_EQ(pool.confidencePoints[week][game][m], written->confidencePoints[week][game][m]);
            }
            EXPECT_EQ(pool.mondayNightTotal[week][m], written->mondayNightTotal[week][m]);
        }
        EXPECT_EQ(pool.postSeasonPicks[12][m], written->postSeasonPicks[12][m]);
    }
    for (int week = 0; week < 17; ++week) {
        for (int game = 0; game < layout.games(week); ++game) {
            EXPECT_EQ(pool.gameWinner[week][game], written->gameWinner[week][game]);
            EXPECT_EQ(pool.gameScore[week][game], written->gameScore[week][game]);
            EXPECT_EQ(pool.pointSpread[week][game], written->pointSpread[week][game]);
        }
    }
    EXPECT_EQ(pool.postSeasonSeeds, written->postSeasonSeeds);
}

TEST(LoadingStages, OneMessageListsTheIncompleteMembersInMemberOrder) {
    test::TempFolder dir;
    auto written = test::samplePool(FourMembers, -1);
    written->weeklyPicks = 0;
    written->memberPicks[4][0][3] = written->noneCode(); // Dieter misses a pick of a whole-season pool
    test::writeAllFiles(dir.folder(), *written);
    QFile::remove(dir.filePath(QStringLiteral("Bob.PRD")));      // Bob has no predictions file
    QFile::remove(dir.filePath(QStringLiteral("Carla Ca.CPT"))); // a missing confidence file is no error
    Loaded loaded(dir);
    EXPECT_EQ(loaded.host.messages, QStringList{Intro + QStringLiteral("\nBob\nDieter Dahl")});
    EXPECT_EQ(loaded.host.events.last(), QStringLiteral("panel 3: Week: 0"));
    const PoolData& pool = loaded.pool();
    EXPECT_EQ(pool.predictionsComplete[0], True16);
    EXPECT_EQ(pool.predictionsComplete[1], 0);
    EXPECT_EQ(pool.predictionsComplete[2], True16);
    EXPECT_EQ(pool.predictionsComplete[3], 0);
    EXPECT_EQ(pool.memberPicks[0][0][1], 33);
    EXPECT_EQ(pool.confidencePoints[0][0][2], 0);
    EXPECT_EQ(pool.confidencePoints[0][0][3], written->confidencePoints[0][0][3]);

    // A count beyond the names the file holds: the members without a name are told of once, and not
    // listed among the incomplete.
    const auto unnamed = [](int members, int named) {
        return QStringLiteral(
                   "members.dat counts %1 members but names only %2 of them. The members without a "
                   "name have no predictions until they are named in Members.")
            .arg(members)
            .arg(named);
    };
    dir.write(QStringLiteral("members.dat"), "6\r\n\"Anna Andersen\"\r\n\"\"\r\n\"Bob\"\r\n\"\"\r\n"
                                             "\"Carla Castillo\"\r\n\"\"\r\n\"Dieter Dahl\"\r\n\"\"\r\n");
    EXPECT_EQ(Loaded(dir).host.messages,
              (QStringList{unnamed(6, 4), Intro + QStringLiteral("\nBob\nDieter Dahl")}));
    dir.write(QStringLiteral("members.dat"), "3\r\n\"Anna Andersen\"\r\n\"\"\r\n");
    EXPECT_EQ(Loaded(dir).host.messages, QStringList{unnamed(3, 1)});
}

TEST(LoadingStages, ScheduleMessageComesAfterTheCaptionAndBeforeThePredictionsMessage) {
    test::TempFolder dir;
    auto written = test::samplePool({QStringLiteral("Anna Andersen")}, 4);
    test::writeAllFiles(dir.folder(), *written);
    QList<QByteArray> lines = test::fileLines(dir.read(QStringLiteral("schedule.dat")));
    dir.write(QStringLiteral("schedule.dat"), test::fileOf(lines.mid(0, lines.size() - 10)));
    QFile::remove(dir.filePath(QStringLiteral("Anna And.PRD")));
    Loaded loaded(dir);
    EXPECT_EQ(loaded.host.events,
              (QStringList{QStringLiteral("caption: Kestrelmoor - VEK Football Pool   (2024 Season)"),
                           QStringLiteral("panel 2: 2024 Season"), QStringLiteral("message: ") + NotComplete,
                           QStringLiteral("message: ") + Intro + QStringLiteral("\nAnna Andersen"),
                           QStringLiteral("panel 3: Week: 5")}));
    EXPECT_EQ(loaded.pool().scheduleVerified, 0);
}

TEST(LoadingStages, MembersBeyondTheTablesAreToldOnceAndTheRestLoads) {
    test::TempFolder dir;
    auto written = test::samplePool({}, 0);
    QStringList names;
    for (int m = 0; m < 125; ++m) {
        names << QStringLiteral("M%1").arg(m, 3, 10, QLatin1Char('0'));
    }
    test::addSampleMembers(*written, QStringList(names.mid(0, MemberSlots)));
    written->defaultMember = 120;
    test::writeAllFiles(dir.folder(), *written);
    // The file lists four more members than the tables hold.
    QList<QByteArray> lines = test::fileLines(dir.read(QStringLiteral("members.dat")));
    lines[0] = "125";
    for (int m = MemberSlots; m < 125; ++m) {
        lines.insert(lines.size() - 1, "\"" + names[m].toLatin1() + "\"");
        lines.insert(lines.size() - 1, "\"\"");
    }
    dir.write(QStringLiteral("members.dat"), test::fileOf(lines));
    Loaded loaded(dir);
    ASSERT_EQ(loaded.host.messages.size(), 1);
    EXPECT_EQ(loaded.host.messages[0],
              QStringLiteral("The member list holds 125 members, more than the 121 the "
                             "pool can keep. The members after the 121st were not loaded."));
    EXPECT_EQ(loaded.pool().numMembers, MemberSlots);
    EXPECT_EQ(loaded.pool().defaultMember, 120);
    EXPECT_EQ(loaded.pool().predictionsComplete[120], True16);
}

TEST(LoadingStages, MembersWhoseNamesShareTheirFilesAreNamedInOneMessage) {
    test::TempFolder dir;
    test::writeAllFiles(
        dir.folder(),
        *test::samplePool({QStringLiteral("Bob"), QStringLiteral("Anna Andersen"), QStringLiteral("bob"),
                           QStringLiteral("Smithson"), QStringLiteral("BOB"), QStringLiteral("Smithsonian")},
                          3));
    Loaded loaded(dir);
    EXPECT_EQ(loaded.host.messages,
              QStringList{QStringLiteral("These members' names have the same first 8 characters, whatever "
                                         "their case, so they share one set of prediction files. Rename all "
                                         "but one of each in the member list:\nBob and bob and BOB\nSmithson "
                                         "and Smithsonian")});

    // A count beyond the names the file holds: the members without a name are not listed.
    dir.write(QStringLiteral("members.dat"), "4\r\n\"Bob\"\r\n\"\"\r\n\"bob\"\r\n\"\"\r\n");
    Loaded unnamed(dir);
    ASSERT_EQ(unnamed.host.messages.size(), 2);
    EXPECT_TRUE(unnamed.host.messages[1].endsWith(QStringLiteral("member list:\nBob and bob")))
        << unnamed.host.messages[1].toStdString();
}

TEST(LoadingStages, DamagedFilesDoNotStopTheLaterStages) {
    test::TempFolder dir;
    auto written = test::samplePool({QStringLiteral("Anna Andersen")}, 1);
    test::writeAllFiles(dir.folder(), *written);
    dir.write(QStringLiteral("vek.dat"), "4000\r\n");    // a league the tables cannot hold
    dir.write(QStringLiteral("events.dat"), "2500\r\n"); // cut after its first value
    dir.write(QStringLiteral("members.dat"), test::fileOf({"1", "\"Anna Andersen\""}));
    Loaded loaded(dir);
    const PoolData& pool = loaded.pool();
    EXPECT_EQ(pool.numTeams, 32);
    EXPECT_EQ(pool.teamName[0], QStringLiteral("_____________________"));
    EXPECT_EQ(pool.seasonPoints, 2500);
    EXPECT_EQ(pool.bigGamePoints, 0);
    EXPECT_EQ(pool.scheduleVerified, True16);
    EXPECT_EQ(pool.numMembers, 1);
    EXPECT_EQ(pool.memberPicks[3][3][0], written->memberPicks[3][3][0]);
    EXPECT_EQ(pool.currentWeek, 1);
    EXPECT_EQ(loaded.host.panel(3), QStringLiteral("Week: 2"));
}

TEST(LoadingStages, PerGameFilesFollowTheScheduleOnDisk) {
    // A schedule saved with two more open dates in week 0 than the results were written with: the
    // results are read over the schedule as it stands, so the week's last two winners move on.
    test::TempFolder dir;
    auto written = test::samplePool({}, 16);
    test::writeAllFiles(dir.folder(), *written);
    written->openDates[0] = 3;
    ASSERT_TRUE(writeSchedule(dir.folder(), *written).ok);
    Loaded loaded(dir);
    EXPECT_EQ(loaded.pool().openDates[0], 3);
    EXPECT_EQ(loaded.pool().gameWinner[0][12], written->gameWinner[0][12]);
    EXPECT_EQ(loaded.pool().gameWinner[1][0], written->gameWinner[0][13]);
    EXPECT_EQ(loaded.pool().currentWeek, 16);
}

TEST(LoadingStages, FilesWhoseValuesCouldNotBeUsedAreNamedOnceAfterTheStages) {
    struct Case {
        const char* what;
        QString file;
        int line; // the line replaced
        QByteArray value;
    };
    const Case cases[] = {
        {"a league the tables cannot hold", QStringLiteral("vek.dat"), 0, "40"},
        {"a division size that is no number", QStringLiteral("vek.dat"), 3, "four"},
        {"a pool option beyond 16 bits", QStringLiteral("pool.dat"), 2, "70000"},
        {"more weeks than the tables hold", QStringLiteral("schedule.dat"), 1, "30"},
        {"a week with more open dates than slots", QStringLiteral("schedule.dat"), 7, "17"},
        {"a schedule entry that is no team", QStringLiteral("schedule.dat"), 40, "16500"},
        {"a negative member count", QStringLiteral("members.dat"), 0, "-2"},
        {"a pick that is no team", QStringLiteral("Bob.PRD"), 5, "77"},
        {"a confidence value that is no number", QStringLiteral("Anna And.CPT"), 1, "x"},
        {"a current week after the season", QStringLiteral("results.dat"), 0, "40"},
        {"a winner that is no team", QStringLiteral("results.dat"), 9, "-5"},
        {"a score beyond 16 bits", QStringLiteral("scores.dat"), 3, "99999"},
        {"a favourite that is no team", QStringLiteral("favorite.dat"), 0, "300"},
    };
    auto written = test::samplePool({QStringLiteral("Anna Andersen"), QStringLiteral("Bob")}, 3);
    test::TempFolder source;
    test::writeAllFiles(source.folder(), *written);
    {
        Loaded loaded(source);
        EXPECT_TRUE(loaded.host.messages.isEmpty())
            << loaded.host.messages.join(QLatin1Char('|')).toStdString();
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder dir;
        test::writeAllFiles(dir.folder(), *written);
        QList<QByteArray> lines = test::fileLines(dir.read(c.file));
        lines[c.line] = c.value;
        dir.write(c.file, test::fileOf(lines));
        Loaded loaded(dir);
        ASSERT_FALSE(loaded.host.events.isEmpty());
        EXPECT_EQ(loaded.host.events.last(),
                  QStringLiteral("message: Some values in %1 could not be used; defaults were put in their "
                                 "place.")
                      .arg(c.file));
    }

    // Several files: one message names each once, in the order they were read.
    test::TempFolder dir;
    test::writeAllFiles(dir.folder(), *written);
    dir.write(QStringLiteral("results.dat"), "40\r\n-5\r\n-5\r\n");
    dir.write(QStringLiteral("vek.dat"), "99\r\n");
    Loaded loaded(dir);
    EXPECT_EQ(loaded.host.messages.last(),
              QStringLiteral("Some values in these files could not be used; defaults were put in their "
                             "place:\nvek.dat\nresults.dat"));
    EXPECT_EQ(loaded.host.messages.filter(QStringLiteral("Some values")).size(), 1);
}

TEST(LoadingStages, AFileThatCouldNotBeUsedAtAllIsNamedWithWhy) {
    // One message: the file that could not be used and why, then the file whose values partly could not.
    test::TempFolder dir;
    test::writeAllFiles(dir.folder(), *test::samplePool({QStringLiteral("Anna Andersen")}, 3));
    QFile::remove(dir.filePath(QStringLiteral("members.dat")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("members.dat"))).constData(), 0600), 0);
    dir.write(QStringLiteral("vek.dat"), "99\r\n");
    Loaded loaded(dir);
    EXPECT_EQ(loaded.host.messages.join(QLatin1Char('|')).toStdString(),
              "members.dat could not be used (it is not a regular file but a FIFO); defaults were put in its "
              "place.\n\nSome values in vek.dat could not be used; defaults were put in their place.");
}

TEST(LoadingStages, FilesSavedByOtherProgramsAndSystemsLoad) {
    test::TempFolder dir;
    auto written = test::samplePool({QStringLiteral("J\u00fcrgen M\u00fcller"), QStringLiteral("Bob")}, 3);
    test::writeAllFiles(dir.folder(), *written);
    // A text editor that puts a byte-order mark first.
    for (const QString& name : {QStringLiteral("vek.dat"), QStringLiteral("members.dat")}) {
        dir.write(name, "\xEF\xBB\xBF" + dir.read(name));
    }
    // A member's files named on an older system, one byte per character.
    const std::filesystem::path native(QFile::encodeName(dir.path()).toStdString());
    for (const char* extension : {".PRD", ".CPT"}) {
        std::filesystem::rename(native / (std::string("J\xC3\xBCrgen M") + extension),
                                native / (std::string("J\xFCrgen M") + extension));
    }
    {
        Loaded loaded(dir);
        EXPECT_TRUE(loaded.host.messages.isEmpty())
            << loaded.host.messages.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(loaded.pool().numTeams, 32);
        EXPECT_EQ(loaded.pool().teamName[0], written->teamName[0]);
        EXPECT_EQ(loaded.pool().numMembers, 2);
        EXPECT_EQ(loaded.pool().predictionsComplete[0], True16);
        EXPECT_EQ(loaded.pool().memberPicks[5][3][0], written->memberPicks[5][3][0]);
        EXPECT_EQ(loaded.pool().confidencePoints[5][3][0], written->confidencePoints[5][3][0]);
    }
    for (const char* extension : {".PRD", ".CPT"}) {
        std::filesystem::remove(native / (std::string("J\xFCrgen M") + extension));
    }
}

} // namespace
} // namespace vek
