// The schedule's confirmed changes as session operations: verification, saving (with the per-game files
// following a changed week layout, all or nothing) and New season; and a season built on the board,
// verified, saved and read back by start-up.
#include "app/startup.h"
#include "engine/seasonscoring.h"
#include "model/datafolder.h"
#include "model/leaguefile.h"
#include "model/membersfile.h"
#include "model/schedulefile.h"
#include "session/poolsession.h"
#include "session/schedulechanges.h"
#include "setup/eventsettingsdraft.h"
#include "setup/scheduleboard.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QStringList>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QStringList Members{QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones"),
                          QStringLiteral("Carla Castillo")};

/// Every file name of the folder with its bytes.
std::map<QString, QByteArray> folderContent(const test::TempFolder& dir) {
    std::map<QString, QByteArray> content;
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
        content[name] = dir.read(name);
    }
    return content;
}

/// A session that start-up loaded from the sample pool's files.
class ScheduleChanges : public ::testing::Test {
protected:
    ScheduleChanges() {
        test::writeAllFiles(dir.folder(), *test::samplePool(Members, 3));
        load(session);
        saved = savedScheduleOf(pool());
        QObject::connect(&session, &PoolSession::mainButtonsRefreshRequested, [this] { ++refreshes; });
        QObject::connect(&session, &PoolSession::seasonCaptionRefreshRequested, [this] { ++captions; });
    }
    static void load(PoolSession& into) {
        test::RecordingStartupHost host;
        runLoadingStages(into, host, 2031);
    }
    PoolData& pool() { return session.pool(); }
    /// The pool as start-up reads it back from the folder now.
    const PoolData& reloaded() {
        fresh = std::make_unique<PoolSession>(dir.folder());
        load(*fresh);
        return fresh->pool();
    }

    test::TempFolder dir;
    PoolSession session{dir.folder()};
    std::unique_ptr<PoolSession> fresh;
    SavedSchedule saved;
    int refreshes = 0;
    int captions = 0;
};

TEST_F(ScheduleChanges, VerificationFindsWhatStartUpWouldRefuse) {
    struct Case {
        const char* name;
        std::function<void(PoolData&)> damage;
        QStringList lines;
    };
    const auto swapSides = [](PoolData& p, int week, int slot) {
        std::swap(p.scheduleGrid[week][slot][0], p.scheduleGrid[week][slot][1]);
    };
    const Case cases[] = {
        {"complete", [](PoolData&) {}, {"Success !"}},
        {"nine home games",
         [&](PoolData& p) {
             swapSides(p, 0, 0); // team 0 at home once more, team 1 away once more
             swapSides(p, 2, 0);
         },
         {"Check schedule for T01", "Check schedule for T02", "Check schedule for T03",
          "Check schedule for T04", "Schedule is not complete"}},
        {"a game too few",
         [](PoolData& p) { p.scheduleGrid[5][3][1] = p.noneCode(); },
         {"Check bye games forT08", "Check week 6", "Schedule is not complete"}},
        {"three byes for two teams",
         [](PoolData& p) {
             // Teams 28 and 29 lose their games of weeks 16 and 17 to byes: balanced, but three byes each.
             const Table<int16_t, 3> byes{
                 {static_cast<int16_t>(ByeFlag + 28), static_cast<int16_t>(ByeFlag + 29), 0}};
             p.scheduleGrid[15][14] = byes;
             p.scheduleGrid[16][14] = p.scheduleGrid[16][15];
             p.scheduleGrid[16][15] = byes;
         },
         {"Check bye games forT29", "Check bye games forT30", "Schedule is not complete"}},
        {"three byes for teams 1 and 2",
         [](PoolData& p) {
             // The odd ones out are team 0 and its partner: they are named, not the other thirty.
             const Table<int16_t, 3> byes{
                 {static_cast<int16_t>(ByeFlag), static_cast<int16_t>(ByeFlag + 1), 0}};
             p.scheduleGrid[15][0] = p.scheduleGrid[15][14];
             p.scheduleGrid[15][14] = byes;
             p.scheduleGrid[16][0] = p.scheduleGrid[16][15];
             p.scheduleGrid[16][15] = byes;
         },
         {"Check bye games forT01", "Check bye games forT02", "Schedule is not complete"}},
        {"byes before the games",
         [](PoolData& p) { std::swap(p.scheduleGrid[4][0], p.scheduleGrid[4][15]); },
         {"Check week 5", "Schedule is not complete"}},
        {"empty",
         [](PoolData& p) {
             for (auto& week : p.scheduleGrid) {
                 for (auto& slot : week) {
                     slot.fill(p.noneCode());
                 }
             }
         },
         {"Check week 1", "Check week 2", "Check week 3", "Check week 4", "Check week 5", "Check week 6",
          "Check week 7", "Check week 8", "Check week 9", "Check week 10", "Check week 11", "Check week 12",
          "Check week 13", "Check week 14", "Check week 15", "Check week 16", "Check week 17",
          "Schedule is not complete"}},
    };
    for (const Case& c : cases) {
        restoreSchedule(pool(), saved);
        pool().byesPerTeam = 7;
        pool().openDates.fill(0);
        c.damage(pool());
        const int before = refreshes;
        const VerifyReport report = VerifySchedule(session);
        EXPECT_EQ(report.lines, c.lines) << c.name;
        EXPECT_EQ(refreshes, before + 1) << c.name;
        const bool success = c.lines == QStringList{"Success !"};
        EXPECT_EQ(isTrue(pool().scheduleVerified), success) << c.name;
        // Byes are fixed only by a success; the open dates are recounted either way.
        EXPECT_EQ(pool().byesPerTeam, success ? 1 : 7) << c.name;
        EXPECT_EQ(pool().openDates[0], c.name == std::string("empty") ? 0 : 1) << c.name;
    }
    restoreSchedule(pool(), saved);
    EXPECT_EQ(VerifySchedule(session).awayCount[31], 8);
    EXPECT_EQ(pool().scheduleEntries, 17 * 32);
}

TEST_F(ScheduleChanges, SavingTheSameLayoutWritesOnlyTheScheduleAndRecomputesDifferences) {
    const auto before = folderContent(dir);
    // A game that changes a team keeps its slot's values: nothing moves.
    pool().scheduleGrid[0][0][1] = pool().noneCode();
    pool().pickDiffTotal[0][1] = 999;
    pool().memberOdds[0] = 999.0F;
    session.teamsRecalculated = true;
    ASSERT_TRUE(scheduleChangedSince(pool(), saved));
    const WriteResult result = SaveSchedule(session, saved);
    ASSERT_TRUE(result.ok) << result.reason.toStdString();
    EXPECT_FALSE(scheduleChangedSince(pool(), saved));
    EXPECT_NE(pool().pickDiffTotal[0][1], 999);
    EXPECT_NE(pool().memberOdds[0], 999.0F);
    EXPECT_FALSE(session.teamsRecalculated); // home and road splits follow the schedule
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(captions, 1);
    for (const auto& [name, bytes] : folderContent(dir)) {
        EXPECT_EQ(bytes == before.at(name), name != QStringLiteral("schedule.dat")) << name.toStdString();
    }
}

TEST_F(ScheduleChanges, AChangedWeekLayoutKeepsEverySavedValueInItsGame) {
    const auto original = test::samplePool(Members, 3);
    // Week 2 loses its last game to two byes, and an 18th week comes in.
    pool().scheduleGrid[2][14] = {static_cast<int16_t>(ByeFlag + 30), static_cast<int16_t>(ByeFlag + 31), 0};
    ScheduleBoard board(pool());
    board.open(false);
    board.setNumWeeks(18);
    ASSERT_TRUE(SaveSchedule(session, saved).ok);
    EXPECT_EQ(saved.numWeeks, 18);
    EXPECT_EQ(saved.openDates[2], 2);
    // The weekly saves write with the new layout from now on.
    EXPECT_EQ(session.fileLayout().numWeeks, 18);
    EXPECT_EQ(session.fileLayout().games(2), 14);

    PoolSession fresh(dir.folder());
    load(fresh);
    const PoolData& now = fresh.pool();
    ASSERT_EQ(now.games(2), 14);
    ASSERT_EQ(now.games(17), 16);
    for (int week = 0; week < 17; ++week) {
        for (int game = 0; game < now.games(week); ++game) {
            SCOPED_TRACE(testing::Message() << "week " << week << " game " << game);
            for (int member = 0; member < 3; ++member) {
                EXPECT_EQ(now.memberPicks[week][game][member], original->memberPicks[week][game][member]);
                EXPECT_EQ(now.confidencePoints[week][game][member],
                          original->confidencePoints[week][game][member]);
            }
            EXPECT_EQ(now.gameWinner[week][game], original->gameWinner[week][game]);
            EXPECT_EQ(now.gameScore[week][game], original->gameScore[week][game]);
            EXPECT_EQ(now.favoriteTeam[week][game], original->favoriteTeam[week][game]);
            EXPECT_EQ(now.pointSpread[week][game], original->pointSpread[week][game]);
        }
        EXPECT_EQ(now.mondayNightTotal[week][1], original->mondayNightTotal[week][1]);
    }
    for (int game = 0; game < 16; ++game) {
        EXPECT_EQ(now.memberPicks[17][game][0], now.noneCode());
        EXPECT_EQ(now.gameWinner[17][game], now.noneCode());
        EXPECT_EQ(now.pointSpread[17][game], 0.0F);
    }
    EXPECT_EQ(now.postSeasonPicks[4][2], original->postSeasonPicks[4][2]);
    EXPECT_EQ(now.currentWeek, 3);

    // Back to week 2's old size: the game it gets back starts empty, not with what it held before.
    pool().scheduleGrid[2][14] = original->scheduleGrid[2][14];
    ASSERT_TRUE(SaveSchedule(session, saved).ok);
    PoolSession again(dir.folder());
    load(again);
    EXPECT_EQ(again.pool().memberPicks[2][14][0], again.pool().noneCode());
    EXPECT_EQ(again.pool().gameScore[2][14][1], 0);
    EXPECT_EQ(again.pool().memberPicks[2][13][0], original->memberPicks[2][13][0]);
}

TEST_F(ScheduleChanges, FewerWeeksThanTheCurrentWeekAreSavedWithTheWeekWithinTheSeason) {
    ASSERT_EQ(pool().currentWeek, 3);
    ScheduleBoard board(pool());
    board.open(false);
    board.setNumWeeks(3);
    ASSERT_TRUE(SaveSchedule(session, saved).ok);
    EXPECT_EQ(pool().currentWeek, 2);

    PoolSession restarted(dir.folder());
    test::RecordingStartupHost host;
    runLoadingStages(restarted, host, 2031);
    EXPECT_EQ(restarted.pool().currentWeek, 2);
    EXPECT_EQ(host.messages.filter(QStringLiteral("results.dat")).join(QLatin1Char('|')).toStdString(), "");
}

// Every game of `now` holds what the game of the same two teams held in `was` (each team keeping its
// score when the two changed sides); a game that `was` did not have in that week holds nothing.
void expectValuesFollowTheirGames(const PoolData& was, const PoolData& now, int members) {
    for (int week = 0; week < now.numWeeks; ++week) {
        for (int game = 0; game < now.games(week); ++game) {
            SCOPED_TRACE(testing::Message() << "week " << week << " game " << game);
            const auto& teams = now.scheduleGrid[week][game];
            int from = -1;
            int away = 0; // the side of `was` that holds the away team's score
            for (int old = 0; week < was.numWeeks && old < was.games(week); ++old) {
                const auto& other = was.scheduleGrid[week][old];
                if (other[0] == teams[0] && other[1] == teams[1]) {
                    from = old;
                } else if (other[0] == teams[1] && other[1] == teams[0]) {
                    from = old;
                    away = 1;
                }
            }
            for (int member = 0; member < members; ++member) {
                EXPECT_EQ(pickCode(now.memberPicks[week][game][member]),
                          from < 0 ? now.noneCode() : pickCode(was.memberPicks[week][from][member]));
                EXPECT_EQ(now.confidencePoints[week][game][member],
                          from < 0 ? 0 : was.confidencePoints[week][from][member]);
            }
            EXPECT_EQ(now.gameWinner[week][game], from < 0 ? now.noneCode() : was.gameWinner[week][from]);
            EXPECT_EQ(now.gameScore[week][game][0], from < 0 ? 0 : was.gameScore[week][from][away]);
            EXPECT_EQ(now.gameScore[week][game][1], from < 0 ? 0 : was.gameScore[week][from][1 - away]);
            EXPECT_EQ(now.favoriteTeam[week][game], from < 0 ? now.noneCode() : was.favoriteTeam[week][from]);
            EXPECT_EQ(now.pointSpread[week][game], from < 0 ? 0.0F : was.pointSpread[week][from]);
        }
    }
}

TEST_F(ScheduleChanges, GamesThatMoveToAnotherSlotTakeTheirValuesAlong) {
    const auto original = test::samplePool(Members, 3);
    ScheduleBoard board(pool());
    board.open(false);
    // The third week: a game's teams change sides. The second week: two games swapped. The first week:
    // the teams of its fourth game get their byes, which land in that game's slot and are swapped with
    // the week's last game, so that the games come first again.
    std::swap(pool().scheduleGrid[2][4][0], pool().scheduleGrid[2][4][1]);
    board.showWeek(1);
    board.toggleSwapMark(0);
    board.toggleSwapMark(5);
    ASSERT_TRUE(board.swapMarkedGames());
    board.showWeek(0);
    const auto fourth = pool().scheduleGrid[0][3];
    for (EntryKind kind : {EntryKind::Game, EntryKind::Bye}) {
        board.clickTeam(fourth[0], kind);
        board.clickTeam(fourth[1], kind);
    }
    board.toggleSwapMark(3);
    board.toggleSwapMark(14);
    ASSERT_TRUE(board.swapMarkedGames());
    ASSERT_EQ(pool().games(0), 14);
    ASSERT_TRUE(SaveSchedule(session, saved).ok);

    const PoolData& inMemory = pool();
    for (const PoolData* now : {&inMemory, &reloaded()}) {
        expectValuesFollowTheirGames(*original, *now, 3);
        EXPECT_EQ(now->gameWinner[0][3], original->gameWinner[0][14]);
        EXPECT_EQ(now->confidencePoints[1][5][2], original->confidencePoints[1][0][2]);
        EXPECT_EQ(now->mondayNightTotal[0][1], original->mondayNightTotal[0][1]);
    }
}

TEST_F(ScheduleChanges, AFailedRewriteLeavesEveryFileAsItWas) {
    for (const QString& blocked : {QStringLiteral("favorite.dat"), QStringLiteral("schedule.dat")}) {
        SCOPED_TRACE(blocked.toStdString());
        // A folder in the file's place: it cannot be replaced.
        QFile::remove(dir.filePath(blocked));
        ASSERT_TRUE(QDir(dir.path()).mkpath(blocked + QStringLiteral("/inside")));
        const auto before = folderContent(dir);
        const SavedSchedule savedBefore = saved;
        pool().scheduleGrid[2][14] = {static_cast<int16_t>(ByeFlag + 30), static_cast<int16_t>(ByeFlag + 31),
                                      0};
        pool().pickDiffTotal[0][1] = 999;
        const auto valuesBefore = std::make_unique<PoolData>(pool());

        const WriteResult result = SaveSchedule(session, saved);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(pool().memberPicks, valuesBefore->memberPicks);
        EXPECT_EQ(pool().gameScore, valuesBefore->gameScore);
        EXPECT_EQ(result.fileName, blocked);
        EXPECT_EQ(result.reason.toStdString(), "it is not a regular file but a folder");
        EXPECT_EQ(folderContent(dir), before);
        EXPECT_EQ(saved.openDates[2], savedBefore.openDates[2]);
        EXPECT_TRUE(scheduleChangedSince(pool(), saved));
        EXPECT_EQ(pool().pickDiffTotal[0][1], 999); // no recomputation after a failed save
        EXPECT_EQ(session.fileLayout().games(2), 15);

        QDir(dir.filePath(blocked)).removeRecursively();
        restoreSchedule(pool(), saved);
        test::writeAllFiles(dir.folder(), *test::samplePool(Members, 3));
    }
}

TEST_F(ScheduleChanges, NewSeasonKeepsTheOldFilesAndStartsAnEmptySeason) {
    dir.write(QStringLiteral("schedule.old"), "an older season");
    // A member deleted during the season, and files copied from another system.
    dir.write(QStringLiteral("Departed.PRD"), "2\r\n");
    dir.write(QStringLiteral("lower.prd"), "3\r\n");
    dir.write(QStringLiteral("lower.Cpt"), "4\r\n");
    const NewSeasonOutcome outcome = NewSeason(session, saved, 2031);
    ASSERT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.scheduleReset);
    EXPECT_EQ(refreshes, 2);
    EXPECT_EQ(captions, 1);
    EXPECT_EQ(session.scheduleMode, 1);
    EXPECT_FALSE(session.teamsRecalculated);

    for (const char* gone : {"schedule.dat", "results.dat", "scores.dat", "favorite.dat", "Margaret.PRD",
                             "Bob Jone.CPT", "Departed.PRD", "lower.prd", "lower.Cpt"}) {
        EXPECT_FALSE(dir.exists(QString::fromLatin1(gone))) << gone;
    }
    for (const char* kept : {"schedule.old", "results.old", "scores.old", "favorite.old", "Margaret.OLD",
                             "Bob Jone.OCP", "Carla Ca.OLD", "Departed.OLD", "lower.OCP"}) {
        EXPECT_TRUE(dir.exists(QString::fromLatin1(kept))) << kept;
    }
    EXPECT_EQ(dir.read(QStringLiteral("lower.OLD")), "3\r\n");
    EXPECT_TRUE(dir.read(QStringLiteral("schedule.old")).startsWith("2024\r\n"));

    const PoolData& p = pool();
    EXPECT_EQ(p.seasonYear, 2025);
    EXPECT_EQ(p.numWeeks, 18);
    EXPECT_EQ(p.byesPerTeam, 2);
    EXPECT_EQ(p.gamesPerWeek, 16);
    EXPECT_FALSE(isTrue(p.scheduleVerified));
    EXPECT_EQ(p.currentWeek, -1);
    for (int week = 0; week < WeekSlots; ++week) {
        for (int slot = 0; slot < GameSlots; ++slot) {
            EXPECT_EQ(p.scheduleGrid[week][slot][0], p.noneCode());
            EXPECT_EQ(p.gameWinner[week][slot], p.noneCode());
            EXPECT_EQ(p.memberPicks[week][slot][1], p.noneCode());
            EXPECT_EQ(p.favoriteTeam[week][slot], p.noneCode());
            EXPECT_EQ(p.gameScore[week][slot][0], 0);
        }
    }
    EXPECT_EQ(p.postSeasonResults[12], p.noneCode());
    EXPECT_EQ(p.postSeasonPicks[0][0], p.noneCode());
    EXPECT_EQ(p.postSeasonSeeds[0], 0);
    EXPECT_EQ(p.mondayNightTotal[0][0], 0);
    EXPECT_FALSE(isTrue(p.predictionsComplete[0]));

    // What is saved now is what start-up makes without a schedule file; the new season is not saved.
    EXPECT_EQ(saved.numWeeks, 17);
    EXPECT_EQ(saved.seasonYear, 2031);
    EXPECT_EQ(session.fileLayout().numWeeks, 17);
    EXPECT_EQ(session.fileLayout().games(16), 16);
    EXPECT_EQ(p.minWeekGames, 16); // as a start without a schedule file works it out
    EXPECT_TRUE(scheduleChangedSince(p, saved));
}

TEST_F(ScheduleChanges, ANewSeasonLeftUnsavedIsTheSeasonTheNextStartReads) {
    ASSERT_TRUE(NewSeason(session, saved, 2031).done);
    restoreSchedule(pool(), saved); // the editor closed without saving the new season's frame
    const PoolData& now = pool();
    const PoolData& read = reloaded();
    EXPECT_EQ(now.seasonYear, read.seasonYear);
    EXPECT_EQ(now.weekLayout().numWeeks, read.weekLayout().numWeeks);
    EXPECT_EQ(now.scheduleGrid, read.scheduleGrid);
    EXPECT_EQ(now.currentWeek, read.currentWeek);
    EXPECT_EQ(now.postSeasonResults, read.postSeasonResults);
    forEachGame(read.weekLayout(), [&](int week, int game) {
        EXPECT_EQ(now.gameWinner[week][game], read.gameWinner[week][game]);
        EXPECT_EQ(now.favoriteTeam[week][game], read.favoriteTeam[week][game]);
    });
    for (int member = 0; member < 3; ++member) {
        EXPECT_EQ(now.predictionsComplete[member], read.predictionsComplete[member]);
        EXPECT_EQ(now.postSeasonPicks[0][member], read.postSeasonPicks[0][member]);
        forEachGame(read.weekLayout(), [&](int week, int game) {
            EXPECT_EQ(now.memberPicks[week][game][member], read.memberPicks[week][game][member]);
            EXPECT_EQ(now.confidencePoints[week][game][member], read.confidencePoints[week][game][member]);
        });
    }
}

TEST_F(ScheduleChanges, NewSeasonWithoutAScheduleFileKeepsTheFrame) {
    QFile::remove(dir.filePath(QStringLiteral("schedule.dat")));
    const NewSeasonOutcome outcome = NewSeason(session, saved, 2031);
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.scheduleReset);
    EXPECT_EQ(pool().seasonYear, 2024);
    EXPECT_EQ(pool().numWeeks, 17);
    EXPECT_EQ(pool().scheduleGrid[0][0][0], 2);
    EXPECT_TRUE(dir.exists(QStringLiteral("results.old")));
    EXPECT_EQ(pool().currentWeek, -1);
    EXPECT_EQ(refreshes, 1);
}

TEST_F(ScheduleChanges, NewSeasonStopsWhenAFileCannotBeSetAside) {
    // An older copy that cannot be replaced: the results, or one member's confidence file.
    for (const QString& blocked : {QStringLiteral("results.old"), QStringLiteral("Bob Jone.OCP")}) {
        SCOPED_TRACE(blocked.toStdString());
        ASSERT_TRUE(QDir(dir.path()).mkpath(blocked + QStringLiteral("/inside")));
        dir.write(QStringLiteral("schedule.old"), "2023\r\n");
        dir.write(QStringLiteral("Margaret.OLD"), "older picks");
        const auto before = folderContent(dir);
        const NewSeasonOutcome outcome = NewSeason(session, saved, 2031);
        EXPECT_FALSE(outcome.done);
        EXPECT_TRUE(outcome.failure.endsWith(
            QStringLiteral("%1 cannot be read (it is not a regular file but a folder)").arg(blocked)))
            << outcome.failure.toStdString();
        EXPECT_EQ(folderContent(dir),
                  before); // every file back under its name, the older copies as they were
        EXPECT_EQ(pool().seasonYear, 2024);
        EXPECT_EQ(pool().currentWeek, 3);
        EXPECT_EQ(session.scheduleMode, 0);
        EXPECT_EQ(refreshes, 0);
        QDir(dir.filePath(blocked)).removeRecursively();
    }
}

TEST_F(ScheduleChanges, NewSeasonStopsWhenTwoFilesWouldBeSetAsideUnderOneName) {
    struct Case {
        const char* what;
        std::vector<std::string> files; // as the file system spells them
        QStringList named;              // in the message
    };
    const std::vector<Case> cases{
        {"names differing only in case", {"Twin.PRD", "TWIN.prd"}, {"Twin.PRD", "TWIN.prd"}},
        {"an older system's spelling of the same name",
         {"Jos\xC3\xA9.CPT", "Jos\xE9.CPT"},
         {"Jos\u00e9.CPT"}},
        {"a member's file and the results", {"results.Prd"}, {"results.dat", "results.Prd"}},
    };
    const std::filesystem::path folder(QFile::encodeName(dir.path()).toStdString());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& file : c.files) {
            std::ofstream(folder / file) << file;
        }
        const auto before = folderContent(dir);
        const NewSeasonOutcome outcome = NewSeason(session, saved, 2031);
        EXPECT_FALSE(outcome.done);
        for (const QString& name : c.named) {
            EXPECT_TRUE(outcome.failure.contains(name)) << outcome.failure.toStdString();
        }
        EXPECT_EQ(folderContent(dir), before);
        EXPECT_EQ(pool().seasonYear, 2024);
        for (const std::string& file : c.files) {
            std::filesystem::remove(folder / file);
        }
    }
}

TEST(BuildingASeason, ClickByClickVerifiedSavedAndAcceptedByStartUp) {
    test::TempFolder dir;
    PoolSession session(dir.folder());
    PoolData& pool = session.pool();
    test::PoolBuilder(pool).league({1, 1, 1, 1, 1, 1, 1, 1});
    ASSERT_TRUE(writeLeague(dir.folder(), pool).ok);
    test::RecordingStartupHost host;
    runLoadingStages(session, host, 2030); // no files: an empty 17-week season of 4 slots
    ASSERT_EQ(pool.gamesPerWeek, 4);
    SavedSchedule saved = savedScheduleOf(pool);

    ScheduleBoard board(pool);
    board.open(false);
    board.setNumWeeks(5);
    pool.seasonYear = 2031;
    // Four weeks of games, every team twice at home and twice away, then a week of byes only.
    const std::vector<std::vector<int>> weeks{{0, 1, 2, 3, 4, 5, 6, 7},
                                              {1, 0, 3, 2, 5, 4, 7, 6},
                                              {0, 2, 1, 3, 4, 6, 5, 7},
                                              {2, 0, 3, 1, 6, 4, 7, 5}};
    for (std::size_t week = 0; week < weeks.size(); ++week) {
        board.showWeek(static_cast<int>(week));
        for (int team : weeks[week]) {
            ASSERT_EQ(board.clickTeam(team, EntryKind::Game), ScheduleBoard::ClickOutcome::Entered);
        }
    }
    // A wrong pick taken out again, and two games swapped: the season stays balanced.
    board.showWeek(1);
    board.clickTeam(0, EntryKind::Game);
    board.clickTeam(0, EntryKind::Game);
    EXPECT_EQ(pool.scheduleGrid[1][0][1], 0);
    board.toggleSwapMark(0);
    board.toggleSwapMark(3);
    board.swapMarkedGames();
    EXPECT_EQ(pool.scheduleGrid[1][0][0], 7);
    board.showWeek(4);
    EXPECT_EQ(board.markRestAsBye().teams.size(), 8U);

    const VerifyReport report = VerifySchedule(session);
    EXPECT_EQ(report.lines, QStringList{"Success !"});
    EXPECT_EQ(pool.byesPerTeam, 1);
    EXPECT_EQ(pool.openDates[4], 4);
    ASSERT_TRUE(SaveSchedule(session, saved).ok);

    PoolSession fresh(dir.folder());
    test::RecordingStartupHost freshHost;
    runLoadingStages(fresh, freshHost, 2040);
    EXPECT_TRUE(freshHost.messages.isEmpty()) << freshHost.messages.join(" | ").toStdString();
    EXPECT_TRUE(isTrue(fresh.pool().scheduleVerified));
    EXPECT_EQ(fresh.pool().seasonYear, 2031);
    EXPECT_EQ(fresh.pool().numWeeks, 5);
    EXPECT_EQ(fresh.pool().scheduleGrid, pool.scheduleGrid);
}

TEST(BuildingASeason, AnOddLeaguesSeasonVerifiesAndScoresAsAfterARestart) {
    test::TempFolder dir;
    {
        auto league = test::newPool();
        test::PoolBuilder(*league).league({5, 4, 4, 4, 4, 4, 4, 4}).members(3);
        ASSERT_TRUE(writeLeague(dir.folder(), *league).ok);
        ASSERT_TRUE(writeMembers(dir.folder(), *league).ok);
    }
    PoolSession session(dir.folder());
    PoolData& pool = session.pool();
    test::RecordingStartupHost host;
    runLoadingStages(session, host, 2030);
    runStartupComputations(session, host);
    ASSERT_EQ(pool.gamesPerWeek, 17); // sixteen games and the week's bye
    SavedSchedule saved = savedScheduleOf(pool);

    // Three weeks of eleven games and eleven byes, which take every slot: the teams of one class
    // (code mod 3) rest while the other two meet, so every team plays once away and once at home.
    ScheduleBoard board(pool);
    board.open(false);
    board.setNumWeeks(3);
    for (int week = 0; week < 3; ++week) {
        board.showWeek(week);
        for (int i = 0; i < 11; ++i) {
            for (int team : {3 * i + (week + 1) % 3, 3 * i + (week + 2) % 3}) {
                ASSERT_EQ(board.clickTeam(team, EntryKind::Game), ScheduleBoard::ClickOutcome::Entered);
            }
        }
        const ScheduleBoard::ByeOutcome byes = board.markRestAsBye();
        EXPECT_EQ(byes.teams.size(), 11U);
        EXPECT_FALSE(byes.ranOut);
    }
    EXPECT_EQ(VerifySchedule(session).lines, QStringList{"Success !"});
    ASSERT_TRUE(SaveSchedule(session, saved).ok);

    // The week sizes offered and used are those of the saved season: every week has eleven games.
    EXPECT_EQ(pool.minWeekGames, 11);
    EventSettingsDraft events;
    events.load(pool);
    EXPECT_EQ(events.range(EventSetting::WeekSize).min, 11);
    EXPECT_EQ(events.weekEntry(), 5); // the week size shown first: sixteen games
    events.restorePeriods();          // closed with Cancel

    // Week 1: the home teams win; the first member picks every home team, the second every visitor,
    // the third five home teams.
    for (int game = 0; game < pool.games(0); ++game) {
        const auto& teams = pool.scheduleGrid[0][game];
        pool.memberPicks[0][game][0] = teams[1];
        pool.memberPicks[0][game][1] = teams[0];
        pool.memberPicks[0][game][2] = teams[game < 5 ? 1 : 0];
        pool.gameWinner[0][game] = teams[1];
        pool.gameScore[0][game] = {10, 17};
    }
    for (int member = 0; member < 3; ++member) {
        ASSERT_TRUE(session.savePredictions(member).ok);
    }
    ASSERT_EQ(session.advanceCurrentWeek(), 0);
    ASSERT_TRUE(session.saveResults().ok);
    ScoreSeason(pool);
    EXPECT_NE(pool.ledgerBalance[0][EvGoodWeek], 0.0F);
    EXPECT_NE(pool.ledgerBalance[1][EvBadWeek], 0.0F);

    PoolSession restarted(dir.folder());
    test::RecordingStartupHost again;
    runLoadingStages(restarted, again, 2040);
    runStartupComputations(restarted, again);
    PoolData& read = restarted.pool();
    EXPECT_TRUE(isTrue(read.scheduleVerified));
    EXPECT_FALSE(again.messages.contains(QStringLiteral("VEK schedule is not complete !")));
    EXPECT_EQ(read.minWeekGames, pool.minWeekGames);
    ScoreSeason(read);
    for (int member = 0; member < 3; ++member) {
        SCOPED_TRACE(member);
        EXPECT_EQ(read.weekStandings[0][member].pointsTotal, pool.weekStandings[0][member].pointsTotal);
        EXPECT_EQ(read.ledgerBalance[member], pool.ledgerBalance[member]);
    }
}

} // namespace
} // namespace vek
