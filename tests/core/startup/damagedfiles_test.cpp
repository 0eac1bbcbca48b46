// Start-up on damaged pool folders: valid files cut short, overwritten with random bytes or given huge
// numbers, one file at a time, with a fixed seed so every run sees the same files. Whatever the files
// hold, the loading stages finish and leave every index in the model within its table.
#include "app/startup.h"
#include "model/predictionfiles.h"
#include "session/poolsession.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <random>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vek {
namespace {

// Large and odd values that a damaged file may hold where a small number belongs.
const QList<QByteArray> HugeValues{"32767", "-32768", "32768", "65535", "99999999999", "-1", "16384",
                                   "16500", "1e40",   "0",     "19",    "20",          "38", "39",
                                   "121",   "500",    "\"",    "\"\"",  "nan",         ","};

class Damage {
public:
    explicit Damage(unsigned seed) : m_random(seed) {}

    QByteArray apply(const QByteArray& valid) {
        switch (pick(4)) {
        case 0: // cut anywhere, even inside a line
            return valid.left(pick(static_cast<int>(valid.size()) + 1));
        case 1: { // random bytes over random places
            QByteArray bytes = valid;
            const int count = 1 + pick(8);
            for (int i = 0; i < count && !bytes.isEmpty(); ++i) {
                bytes[pick(static_cast<int>(bytes.size()))] = static_cast<char>(pick(256));
            }
            return bytes;
        }
        case 2: { // a few lines replaced by huge or odd values
            QList<QByteArray> lines = test::fileLines(valid);
            const int count = 1 + pick(4);
            for (int i = 0; i < count && !lines.isEmpty(); ++i) {
                lines[pick(static_cast<int>(lines.size()))] =
                    HugeValues[pick(static_cast<int>(HugeValues.size()))];
            }
            return test::fileOf(lines);
        }
        default: { // lines dropped or doubled, shifting everything after them
            QList<QByteArray> lines = test::fileLines(valid);
            if (lines.isEmpty()) {
                return valid;
            }
            const int at = pick(static_cast<int>(lines.size()));
            if (pick(2) == 0) {
                lines.removeAt(at);
            } else {
                lines.insert(at, lines[at]);
            }
            return test::fileOf(lines);
        }
        }
    }

private:
    int pick(int bound) { return std::uniform_int_distribution<int>(0, std::max(bound, 1) - 1)(m_random); }

    std::mt19937 m_random;
};

bool isStoredTeamCode(int code) {
    return code >= 0 && code < TeamSlots;
}

void expectModelWithinTables(const PoolData& pool) {
    EXPECT_GE(pool.numTeams, 0);
    EXPECT_LE(pool.numTeams, MaxRealTeams);
    EXPECT_GE(pool.numWeeks, 0);
    EXPECT_LE(pool.numWeeks, WeekSlots);
    EXPECT_GE(pool.gamesPerWeek, 0);
    EXPECT_LE(pool.gamesPerWeek, GameSlots);
    EXPECT_GE(pool.currentWeek, -1);
    EXPECT_LE(pool.currentWeek, std::max(pool.numWeeks - 1, -1));
    EXPECT_GE(pool.numMembers, 0);
    EXPECT_LE(pool.numMembers, MemberSlots);
    EXPECT_TRUE(pool.scheduleVerified == 0 || pool.scheduleVerified == True16);
    const WeekLayout layout = pool.weekLayout();
    for (int week = 0; week < layout.weeks(); ++week) {
        for (int slot = 0; slot < pool.gamesPerWeek; ++slot) {
            for (int side = 0; side < 2; ++side) {
                const int entry = pool.scheduleGrid[week][slot][side];
                ASSERT_TRUE(isStoredTeamCode(entry) || isStoredTeamCode(entry - ByeFlag)) << entry;
            }
        }
        for (int game = 0; game < layout.games(week); ++game) {
            ASSERT_TRUE(isStoredTeamCode(pool.gameWinner[week][game]));
            ASSERT_TRUE(isStoredTeamCode(pool.favoriteTeam[week][game]));
            for (int m = 0; m < pool.numMembers; ++m) {
                ASSERT_TRUE(isStoredTeamCode(pool.memberPicks[week][game][m]));
            }
        }
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        ASSERT_TRUE(isStoredTeamCode(pool.postSeasonResults[slot]));
        for (int m = 0; m < pool.numMembers; ++m) {
            ASSERT_TRUE(isStoredTeamCode(pool.postSeasonPicks[slot][m]));
        }
    }
}

TEST(DamagedFiles, LoadingNeverLeavesTheTables) {
    const QStringList members{QStringLiteral("Anna Andersen"), QStringLiteral("Bob"),
                              QStringLiteral("Carla Castillo")};
    auto valid = test::samplePool(members, 7);
    valid->pointSpread[2][3] = 3.5f;
    test::TempFolder source;
    test::writeAllFiles(source.folder(), *valid);
    const QStringList files = QDir(source.path()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 8 + 2 * members.size());

    constexpr int RoundsPerFile = 40;
    Damage damage(20240917u);
    for (const QString& damaged : files) {
        for (int round = 0; round < RoundsPerFile; ++round) {
            test::TempFolder dir;
            for (const QString& file : files) {
                const QByteArray bytes = source.read(file);
                dir.write(file, file == damaged ? damage.apply(bytes) : bytes);
            }
            PoolSession session(dir.folder());
            test::RecordingStartupHost host;
            runLoadingStages(session, host, 2031);
            SCOPED_TRACE(damaged.toStdString() + " round " + std::to_string(round));
            expectModelWithinTables(session.pool());
            EXPECT_EQ(host.panel(3), QStringLiteral("Week: %1").arg(session.pool().currentWeek + 1));
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(DamagedFiles, EveryFileDamagedAtOnce) {
    auto valid = test::samplePool({QStringLiteral("Anna Andersen"), QStringLiteral("Bob")}, 16);
    test::TempFolder source;
    test::writeAllFiles(source.folder(), *valid);
    const QStringList files = QDir(source.path()).entryList(QDir::Files, QDir::Name);
    Damage damage(7u);
    for (int round = 0; round < 60; ++round) {
        test::TempFolder dir;
        for (const QString& file : files) {
            dir.write(file, damage.apply(source.read(file)));
        }
        PoolSession session(dir.folder());
        test::RecordingStartupHost host;
        runLoadingStages(session, host, 2031);
        SCOPED_TRACE("round " + std::to_string(round));
        expectModelWithinTables(session.pool());
        if (HasFatalFailure()) {
            return;
        }
    }
}

// Names of data files given to what is no file of the pool: a device that never ends, FIFOs that no one
// writes, a socket, a folder and a file far larger than any data file (its values whole, the rest empty).
// Start-up neither waits, nor runs out of memory, nor takes them for data: the stages apply their defaults
// and the user is told of each file.
TEST(DamagedFiles, WhatIsNoFileIsNotRead) {
    auto valid = test::samplePool({QStringLiteral("Anna Andersen"), QStringLiteral("Bob")}, 7);
    test::TempFolder dir;
    test::writeAllFiles(dir.folder(), *valid);
    const auto replaced = [&dir](const QString& name) {
        QFile::remove(dir.filePath(name));
        return dir.filePath(name);
    };
    const auto fifo = [&](const QString& name) { return ::mkfifo(QFile::encodeName(replaced(name)), 0600); };
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), replaced(QStringLiteral("vek.dat"))));
    ASSERT_EQ(fifo(memberFileName(QStringLiteral("Anna Andersen"), PicksExtension)), 0);
    ASSERT_EQ(fifo(QStringLiteral("defaultserver.dat")), 0);
    ASSERT_TRUE(QDir().mkdir(replaced(QStringLiteral("results.dat"))));
    ASSERT_TRUE(QFile::resize(dir.filePath(QStringLiteral("favorite.dat")), DataFolder::MaxFileBytes + 1));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(replaced(QStringLiteral("pool.dat")));
    ASSERT_LT(socketPath.size(), static_cast<qsizetype>(sizeof address.sun_path));
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const auto closeSocket = qScopeGuard([socket] { ::close(socket); });

    PoolSession session(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(session, host, 2031);
    runStartupComputations(session, host);

    const PoolData& pool = session.pool();
    EXPECT_EQ(pool.teamName[0], QString(21, QLatin1Char('_')));
    EXPECT_EQ(pickCode(pool.memberPicks[0][0][0]), pool.noneCode());
    EXPECT_EQ(pool.currentWeek, -1);
    ASSERT_NE(valid->favoriteTeam[0][1], pool.noneCode());
    EXPECT_EQ(pool.favoriteTeam[0][1], pool.noneCode());
    ASSERT_GE(host.messages.size(), 2);
    EXPECT_EQ(
        host.messages.back().toStdString(),
        "defaultserver.dat could not be used (it is not a regular file but a FIFO); defaults were put in "
        "its place.");
    EXPECT_EQ(host.messages[host.messages.size() - 2].toStdString(),
              "These files could not be used; defaults were put in their place:\n"
              "vek.dat (it is not a regular file but a device)\n"
              "pool.dat (it is not a regular file but a socket)\n"
              "Anna And.PRD (it is not a regular file but a FIFO)\n"
              "results.dat (it is not a regular file but a folder)\n"
              "favorite.dat (it is larger than 64 MB)");
}

} // namespace
} // namespace vek
