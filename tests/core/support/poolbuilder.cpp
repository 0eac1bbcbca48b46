#include "support/poolbuilder.h"

#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "model/eventsfile.h"
#include "model/leaguefile.h"
#include "model/membersfile.h"
#include "model/periodtables.h"
#include "model/poolfile.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "model/schedulefile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vek::test {

// ---- League ------------------------------------------------------------------------------------------

PoolBuilder& PoolBuilder::teams(int count) {
    m_pool.numTeams = static_cast<int16_t>(count);
    return *this;
}

PoolBuilder& PoolBuilder::league(const std::array<int, Divisions>& sizes) {
    int first = 0;
    int d = 0;
    for (int size : sizes) {
        m_pool.divisionRec[d++] = {static_cast<int16_t>(first), static_cast<int16_t>(size),
                                   static_cast<int16_t>(first + size - 1)};
        first += size;
    }
    m_pool.numTeams = static_cast<int16_t>(first);
    for (int t = 0; t < first; ++t) {
        m_pool.teamAbbr[t] = QStringLiteral("T%1").arg(t);
    }
    m_pool.teamAbbr[first] = QStringLiteral("TIE-");
    return *this;
}

PoolBuilder& PoolBuilder::namedLeague(const std::array<int, Divisions>& sizes,
                                      const std::function<TeamEntry(int)>& team) {
    int count = 0;
    int d = 0;
    for (int size : sizes) {
        m_pool.divisionRec[d++].teamCount = static_cast<int16_t>(size);
        count += size;
    }
    m_pool.numTeams = static_cast<int16_t>(count);
    for (int t = 0; t < count; ++t) {
        const TeamEntry entry = team(t);
        m_pool.teamName[t] = entry.name;
        m_pool.teamAbbr[t] = entry.abbr;
        m_pool.teamIcon[t] = static_cast<int16_t>(entry.icon);
    }
    deriveLeagueTables(m_pool);
    return *this;
}

// ---- Season and schedule -----------------------------------------------------------------------------

PoolBuilder& PoolBuilder::weeks(int weeks, int gamesPerWeek) {
    m_pool.numWeeks = static_cast<int16_t>(weeks);
    m_pool.gamesPerWeek = static_cast<int16_t>(gamesPerWeek);
    return *this;
}

PoolBuilder& PoolBuilder::season(int weeks, int gamesPerWeek) {
    this->weeks(weeks, gamesPerWeek).currentWeek(-1);
    for (int w = 0; w < WeekSlots; ++w) {
        for (int g = 0; g < GameSlots; ++g) {
            game(w, g, NoPick, NoPick).result(w, g, NoPick);
            m_pool.favoriteTeam[w][g] = m_pool.noneCode();
        }
    }
    return *this;
}

PoolBuilder& PoolBuilder::schedule(int year, int weeks, int gamesPerWeek, int byesPerTeam) {
    m_pool.seasonYear = static_cast<int16_t>(year);
    m_pool.byesPerTeam = static_cast<int16_t>(byesPerTeam);
    return this->weeks(weeks, gamesPerWeek);
}

PoolBuilder& PoolBuilder::openDates(int week, int count) {
    m_pool.openDates[week] = static_cast<int16_t>(count);
    return *this;
}

PoolBuilder& PoolBuilder::game(int week, int slot, int away, int home) {
    m_pool.scheduleGrid[week][slot][0] = code(away);
    m_pool.scheduleGrid[week][slot][1] = code(home);
    return *this;
}

PoolBuilder& PoolBuilder::byes(int week, int slot, int first, int second) {
    m_pool.scheduleGrid[week][slot][0] = static_cast<int16_t>(ByeFlag + first);
    m_pool.scheduleGrid[week][slot][1] = static_cast<int16_t>(ByeFlag + second);
    return *this;
}

PoolBuilder& PoolBuilder::verified(int entries) {
    m_pool.scheduleEntries = static_cast<int16_t>(entries);
    m_pool.scheduleVerified = True16;
    return *this;
}

PoolBuilder& PoolBuilder::fewestWeekGames(int games) {
    m_pool.minWeekGames = static_cast<int16_t>(games);
    return *this;
}

// ---- Scoring rules -----------------------------------------------------------------------------------

PoolBuilder& PoolBuilder::periods(std::initializer_list<int> halves, std::initializer_list<int> quarters) {
    // Periods follow each other from week 0, so each one's first week is where the one before ended.
    const auto lay = [](std::initializer_list<int> lengths, auto& weeks, auto& firstWeek, auto& lastWeek) {
        int first = 0;
        int period = 0;
        for (int length : lengths) {
            weeks[period] = static_cast<int16_t>(length);
            firstWeek[period] = static_cast<int16_t>(first);
            lastWeek[period] = static_cast<int16_t>(first + length - 1);
            first += length;
            ++period;
        }
    };
    lay(halves, m_pool.halfWeeks, m_pool.halfFirstWeek, m_pool.halfLastWeek);
    lay(quarters, m_pool.quarterWeeks, m_pool.quarterFirstWeek, m_pool.quarterLastWeek);
    return *this;
}

PoolBuilder& PoolBuilder::defaultEvents() {
    applyEventDefaults(m_pool);
    m_pool.divWinnerPoints = {10, 20, 40, 80, 0};
    m_pool.wildCardPoints = {15, 35, 0};
    m_pool.divAsWildCardPoints = 5;
    m_pool.wildCardAsDivPoints = 7;
    return *this;
}

// ---- Members and predictions -------------------------------------------------------------------------

PoolBuilder& PoolBuilder::members(int count) {
    m_pool.numMembers = static_cast<int16_t>(count);
    for (int m = 0; m < count; ++m) {
        m_pool.memberName[m] = QStringLiteral("Member %1").arg(m);
        for (int w = 0; w < WeekSlots; ++w) {
            for (int g = 0; g < GameSlots; ++g) {
                pick(w, g, m, NoPick);
            }
        }
    }
    return *this;
}

PoolBuilder& PoolBuilder::unnamedMembers(int count) {
    m_pool.numMembers = static_cast<int16_t>(count);
    return *this;
}

PoolBuilder& PoolBuilder::member(const QString& name, const QString& email) {
    const int m = m_pool.numMembers++;
    m_pool.memberName[m] = name;
    m_pool.memberEmail[m] = email;
    return *this;
}

PoolBuilder& PoolBuilder::pick(int week, int game, int member, int team) {
    m_pool.memberPicks[week][game][member] = code(team);
    return *this;
}

PoolBuilder& PoolBuilder::picks(int member, int week, std::initializer_list<int> teams) {
    int g = 0;
    for (int team : teams) {
        pick(week, g++, member, team);
    }
    return *this;
}

PoolBuilder& PoolBuilder::pickWholeWeek(int week, int member, int team) {
    for (int g = 0; g < m_pool.games(week); ++g) {
        pick(week, g, member, team);
    }
    return *this;
}

PoolBuilder& PoolBuilder::confidence(int week, int game, int member, int points) {
    m_pool.confidencePoints[week][game][member] = static_cast<int16_t>(points);
    return *this;
}

PoolBuilder& PoolBuilder::mondayNight(int week, int member, int total) {
    m_pool.mondayNightTotal[week][member] = static_cast<int16_t>(total);
    return *this;
}

PoolBuilder& PoolBuilder::postSeasonPick(int slot, int member, int team) {
    m_pool.postSeasonPicks[slot][member] = code(team);
    return *this;
}

PoolBuilder& PoolBuilder::complete(int member) {
    m_pool.predictionsComplete[member] = True16;
    return *this;
}

PoolBuilder& PoolBuilder::pickDifferences() {
    PoolData& p = m_pool;
    const int members = p.memberCount();
    for (int a = 0; a < members; ++a) {
        p.uniquePicks[a] = 0;
        for (int b = 0; b < members; ++b) {
            p.pickDiffWeek[a][b].fill(0);
            p.pickDiffMonday[a][b].fill(0);
        }
    }
    for (int w = 0; w < p.weekLayout().weeks(); ++w) {
        const int games = p.games(w);
        for (int g = 0; g < games; ++g) {
            auto& picks = p.memberPicks[w][g];
            for (int a = 0; a < members; ++a) {
                int agreeing = 0;
                for (int b = 0; b < members; ++b) {
                    if (pickCode(picks[b]) == pickCode(picks[a])) {
                        ++agreeing;
                    } else {
                        ++p.pickDiffWeek[a][b][w];
                        if (g == games - 1) {
                            ++p.pickDiffMonday[a][b][w];
                        }
                    }
                }
                if (agreeing == 1) {
                    ++p.uniquePicks[a];
                }
            }
            for (int a = 0; a < members; ++a) {
                int16_t& pick = picks[a];
                const bool unique = std::count_if(picks.begin(), picks.begin() + members, [&](int16_t other) {
                                        return pickCode(other) == pickCode(pick);
                                    }) == 1;
                pick = static_cast<int16_t>(unique ? (pickCode(pick) | UniquePickFlag) : pickCode(pick));
            }
        }
    }
    return *this;
}

// ---- Results -----------------------------------------------------------------------------------------

PoolBuilder& PoolBuilder::undecided() {
    const int16_t none = m_pool.noneCode();
    for (auto& week : m_pool.memberPicks) {
        for (auto& game : week) {
            game.fill(none);
        }
    }
    for (auto& week : m_pool.gameWinner) {
        week.fill(none);
    }
    for (auto& week : m_pool.spreadWinner) {
        week.fill(none);
    }
    for (auto& slot : m_pool.postSeasonPicks) {
        slot.fill(none);
    }
    m_pool.postSeasonResults.fill(none);
    return *this;
}

PoolBuilder& PoolBuilder::result(int week, int game, int winner) {
    m_pool.gameWinner[week][game] = code(winner);
    return *this;
}

PoolBuilder& PoolBuilder::score(int week, int game, int away, int home) {
    m_pool.gameScore[week][game][0] = static_cast<int16_t>(away);
    m_pool.gameScore[week][game][1] = static_cast<int16_t>(home);
    return *this;
}

PoolBuilder& PoolBuilder::spread(int week, int game, int favorite, float points) {
    m_pool.favoriteTeam[week][game] = code(favorite);
    m_pool.pointSpread[week][game] = points;
    return *this;
}

PoolBuilder& PoolBuilder::spreadWinner(int week, int game, int team) {
    m_pool.spreadWinner[week][game] = code(team);
    return *this;
}

PoolBuilder& PoolBuilder::postSeasonResult(int slot, int team) {
    m_pool.postSeasonResults[slot] = code(team);
    return *this;
}

PoolBuilder& PoolBuilder::seed(int slot, int value) {
    m_pool.postSeasonSeeds[slot] = static_cast<int16_t>(value);
    return *this;
}

PoolBuilder& PoolBuilder::currentWeek(int week) {
    m_pool.currentWeek = static_cast<int16_t>(week);
    return *this;
}

int16_t PoolBuilder::code(int team) const {
    if (team == NoPick) {
        return m_pool.noneCode();
    }
    if (team == Tie) {
        return m_pool.tieCode();
    }
    return static_cast<int16_t>(team);
}

// ---- Named starting points ---------------------------------------------------------------------------

std::unique_ptr<PoolData> newPool() {
    return std::make_unique<PoolData>();
}

void fillSampleLeague(PoolData& pool) {
    PoolBuilder(pool).namedLeague({4, 4, 4, 4, 4, 4, 4, 4}, [](int t) {
        return TeamEntry{QStringLiteral("Team %1").arg(t + 1),
                         QStringLiteral("T%1").arg(t + 1, 2, 10, QLatin1Char('0')), t % 36};
    });
}

void fillSampleSchedule(PoolData& pool) {
    PoolBuilder build(pool);
    build.schedule(2024, 17, 16, 1);
    Table<int, 16> gamesPlayed{};
    for (int week = 0; week < 17; ++week) {
        int slot = 0;
        for (int pair = 0; pair < 16; ++pair) {
            if (pair == week) {
                continue;
            }
            const bool firstAway = gamesPlayed[pair]++ % 2 == 0;
            build.game(week, slot++, firstAway ? 2 * pair : 2 * pair + 1,
                       firstAway ? 2 * pair + 1 : 2 * pair);
        }
        build.openDates(week, week < 16 ? 1 : 0);
        if (week < 16) {
            build.byes(week, 15, 2 * week, 2 * week + 1);
        }
    }
    build.verified(17 * 32);
}

void addSampleMembers(PoolData& pool, const QStringList& names) {
    PoolBuilder build(pool);
    const WeekLayout layout = pool.weekLayout();
    for (const QString& name : names) {
        const int m = pool.numMembers;
        build.member(name, QStringLiteral("member%1@example.org").arg(m));
        for (int week = 0; week < layout.weeks(); ++week) {
            const int games = layout.games(week);
            for (int game = 0; game < games; ++game) {
                build.pick(week, game, m, pool.scheduleGrid[week][game][(week + game + m) % 2]);
                build.confidence(week, game, m, games - game);
            }
            build.mondayNight(week, m, 30 + m + week);
        }
        for (int slot = 0; slot < PostSeasonSlots; ++slot) {
            build.postSeasonPick(slot, m, (2 * slot + m) % pool.numTeams);
        }
        build.complete(m);
    }
}

void fillSampleResults(PoolData& pool, int currentWeek) {
    PoolBuilder build(pool);
    const WeekLayout layout = pool.weekLayout();
    build.currentWeek(currentWeek);
    for (int week = 0; week < layout.weeks(); ++week) {
        for (int game = 0; game < layout.games(week); ++game) {
            const auto& teams = pool.scheduleGrid[week][game];
            const bool played = week <= currentWeek;
            const bool tie = (week + game) % 5 == 0;
            build.result(week, game, !played ? NoPick : tie ? Tie : teams[game % 2]);
            build.score(week, game, played ? 10 + game : 0, played ? (tie ? 10 + game : 3 + week) : 0);
            const bool even = (week + game) % 7 == 0;
            build.spread(week, game, even ? Tie : teams[1],
                         even ? 0.0f : 0.5f * static_cast<float>(1 + (week + game) % 15));
        }
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        build.postSeasonResult(slot, (3 * slot) % pool.numTeams);
    }
    for (int slot = 0; slot < SeedSlots; ++slot) {
        build.seed(slot, slot < 8 ? 1 + slot % 4 : 5 + slot % 2);
    }
}

void fillSamplePool(PoolData& pool, const QStringList& members, int currentWeek) {
    fillSampleLeague(pool);
    pool.weeklyPicks = 1;
    pool.confidenceMode = 2;
    pool.mnTieBreaker = 1;
    pool.seasonPoints = 2500;
    pool.halfWeeks = {9, 8};
    pool.quarterWeeks = {4, 5, 4, 4};
    pool.postSeasonPoints = 1000;
    pool.bigGamePoints = 1000;
    fillSampleSchedule(pool);
    addSampleMembers(pool, members);
    fillSampleResults(pool, currentWeek);
}

std::unique_ptr<PoolData> samplePool(const QStringList& members, int currentWeek) {
    auto pool = newPool();
    fillSamplePool(*pool, members, currentWeek);
    return pool;
}

std::unique_ptr<PoolData> makeScoringPool(int members, int weeks, int games, int teams) {
    auto pool = newPool();
    PoolBuilder(*pool)
        .teams(teams)
        .unnamedMembers(members)
        .weeks(weeks, games)
        .fewestWeekGames(games)
        .currentWeek(-1)
        .undecided()
        .periods({weeks, 0}, {weeks, 0, 0, 0});
    return pool;
}

std::unique_ptr<PoolData> makeRandomPool(unsigned seed, int members, int weeks, int gamesPerWeek,
                                         int16_t pointsSystem, int16_t confidenceMode, int teams) {
    std::mt19937 rng(seed);
    const auto roll = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    auto pool = makeScoringPool(members, weeks, gamesPerWeek, teams);
    PoolData& p = *pool;
    PoolBuilder build(p);
    build.defaultEvents();
    // Every week size 0..3 above the smallest pays differently.
    for (int i = 0; i < StoredWeekSizeEntries; ++i) {
        p.goodWeekMinWins[i] = static_cast<int16_t>((gamesPerWeek - 3 + i) * 6 / 10);
        p.goodWeekMinCp[i] = static_cast<int16_t>((gamesPerWeek - 3 + i) * 8);
        p.badWeekMaxWins[i] = static_cast<int16_t>((gamesPerWeek - 3 + i) * 4 / 10);
        p.badWeekMaxCp[i] = static_cast<int16_t>((gamesPerWeek - 3 + i) * 4);
        p.goodWeekPoints[i] = 300 + 50 * i;
        p.badWeekPoints[i] = 200 + 25 * i;
        p.perfectWeekPoints[i] = 1000 + 100 * i;
    }
    const int half0 = (weeks + 1) / 2;
    const int quarter = weeks / 4;
    build.periods({half0, weeks - half0}, {quarter, quarter, quarter, weeks - 3 * quarter});
    p.pointsSystem = pointsSystem;
    p.confidenceMode = confidenceMode;
    p.mnTieBreaker = static_cast<int16_t>(roll(0, 2));
    p.usePointSpreads = roll(0, 1) == 1 ? True16 : int16_t{0};

    // The rolls below come one statement at a time, so that the same seed gives the same pool whatever
    // order a compiler evaluates arguments in.
    int fewest = gamesPerWeek;
    for (int w = 0; w < weeks; ++w) {
        build.openDates(w, w == 0 ? 0 : roll(0, 3));
        const int games = p.games(w);
        fewest = std::min(fewest, games);
        for (int g = 0; g < games; ++g) {
            const int roll100 = roll(0, 99);
            build.result(w, g, roll100 < 3 ? Tie : roll(0, teams - 1));
            build.spreadWinner(w, g, roll100 < 6 ? Tie : roll(0, teams - 1));
            const int away = roll(0, 45);
            const int home = roll(0, 45);
            build.score(w, g, away, home);
        }
        for (int m = 0; m < members; ++m) {
            // Few choices per game, so that members often agree and sometimes pick alone.
            for (int g = 0; g < games; ++g) {
                const int winner = p.gameWinner[w][g];
                const int other = (winner + 1 + g) % teams;
                const int choice = roll(0, 19);
                build.pick(w, g, m, choice < 11 ? winner : choice < 19 ? other : roll(0, teams + 1));
            }
            // The week's confidence values counting down from the top one, in a random order.
            Table<int16_t, GameSlots> values{};
            const int top = confidenceMode == 1 ? gamesPerWeek : games;
            for (int g = 0; g < games; ++g) {
                values[g] = static_cast<int16_t>(top - g);
            }
            std::shuffle(values.begin(), values.begin() + games, rng);
            for (int g = 0; g < games; ++g) {
                build.confidence(w, g, m, confidenceMode == 0 ? 0 : values[g]);
            }
            build.mondayNight(w, m, roll(20, 70));
        }
    }
    build.fewestWeekGames(fewest);
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        build.postSeasonResult(slot, roll(0, teams - 1));
        for (int m = 0; m < members; ++m) {
            build.postSeasonPick(slot, m, roll(0, teams - 1));
        }
    }
    build.currentWeek(weeks - 1).pickDifferences();
    return pool;
}

std::unique_ptr<PoolData> smallPool(const SmallPoolOptions& options) {
    auto pool = newPool();
    PoolData& p = *pool;
    PoolBuilder build(p);
    build.namedLeague({1, 1, 1, 1, 1, 1, 1, 1}, [](int t) {
        return TeamEntry{QStringLiteral("City %1").arg(t), QStringLiteral("C%1").arg(t)};
    });

    p.weeklyPicks = options.weeklyPicks;
    p.usePointSpreads = options.usePointSpreads;
    p.wildChoicePoints = options.wildChoicePoints;
    p.halfWeeks = {2, 2};
    p.quarterWeeks = {1, 1, 1, 1};

    build.schedule(2030, 4, 4, 0);
    // {away, home} per game; every team is twice away and twice at home.
    constexpr int Games[4][4][2] = {
        {{0, 1}, {2, 3}, {4, 5}, {6, 7}},
        {{1, 0}, {3, 2}, {5, 4}, {7, 6}},
        {{0, 2}, {1, 3}, {4, 6}, {5, 7}},
        {{2, 0}, {3, 1}, {6, 4}, {7, 5}},
    };
    for (int week = 0; week < 4; ++week) {
        for (int game = 0; game < 4; ++game) {
            build.game(week, game, Games[week][game][0], Games[week][game][1]);
        }
    }
    build.verified(32);

    const QStringList names{QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Cleo")};
    for (int m = 0; m < 3; ++m) {
        build.member(names[m], names[m].toLower() + QStringLiteral("@example.org"));
        for (int week = 0; week < 4; ++week) {
            for (int game = 0; game < 4; ++game) {
                const int side = m == 2 || (m == 1 && week == 0 && game == 0) ? 0 : 1;
                build.pick(week, game, m, Games[week][game][side]).confidence(week, game, m, 4 - game);
            }
            build.mondayNight(week, m, 40 + m);
        }
        for (int slot = 0; slot < PostSeasonSlots; ++slot) {
            build.postSeasonPick(slot, m, slot % 8);
        }
        build.complete(m);
    }

    build.currentWeek(options.currentWeek);
    for (int week = 0; week < 4; ++week) {
        for (int game = 0; game < 4; ++game) {
            const bool played = week <= 1;
            const bool awayWins = week == 1 && game == 0;
            const int* teams = Games[week][game];
            build.result(week, game, !played ? NoPick : teams[awayWins ? 0 : 1]);
            build.score(week, game, !played ? 0 : awayWins ? 21 : 10, !played ? 0 : awayWins ? 7 : 14);
            build.spread(week, game, teams[1], 7.0F);
        }
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        build.postSeasonResult(slot, NoPick);
    }
    return pool;
}

void writeAllFiles(const DataFolder& folder, const PoolData& pool) {
    const WeekLayout layout = pool.weekLayout();
    EXPECT_TRUE(writeLeague(folder, pool).ok);
    EXPECT_TRUE(writePoolOptions(folder, pool).ok);
    EXPECT_TRUE(writeEventProfiles(folder, pool).ok);
    EXPECT_TRUE(writeSchedule(folder, pool).ok);
    EXPECT_TRUE(writeMembers(folder, pool).ok);
    for (int member = 0; member < pool.memberCount(); ++member) {
        EXPECT_TRUE(writePredictions(folder, pool, member, layout).ok);
        EXPECT_TRUE(writeConfidence(folder, pool, member, layout).ok);
    }
    EXPECT_TRUE(writeResults(folder, pool, layout).ok);
    EXPECT_TRUE(writeScores(folder, pool, layout).ok);
    EXPECT_TRUE(writeFavorites(folder, pool, layout).ok);
}

QStringList longMemberNames(int count) {
    const QStringList first{"Margaret",   "Bartholomew", "Christopher", "Alexandra", "Jonathan", "Elizabeth",
                            "Maximilian", "Genevieve",   "Theodore",    "Josephine", "Sebastian"};
    const QStringList last{"Fitzgerald-Smythe", "Vanderbilt",  "Montgomery", "Worthington",
                           "Castellano",        "Oppenheimer", "Richardson", "Kowalczyk",
                           "Abernathy",         "Delacroix",   "Henderson"};
    QStringList names;
    for (int m = 0; m < count; ++m) {
        names << QStringLiteral("%1 %2 %3")
                     .arg(first[m % first.size()], last[(m / first.size()) % last.size()])
                     .arg(m + 1);
    }
    return names;
}

void fillLargestPool(PoolData& p, int16_t confidenceMode, int currentWeek) {
    std::mt19937 rng(20240917);
    const auto roll = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };

    // League: 37 teams.
    const std::array<int, Divisions> sizes{5, 5, 5, 4, 5, 5, 4, 4};
    const QStringList abbrs =
        QStringLiteral("ABR,BEL,CAS,DRM,ELM,FAL,GRV,HAV,IRN,JUN,KEL,LAN,MAR,NOR,OAK,PIN,"
                       "QUA,RAV,SAL,TOR,UPL,VAL,WES,XAN,YAR,ZEN,AVO,BRO,CRE,DUN,EST,FOR,"
                       "GLE,HIL,IVY,JAS,KIN")
            .split(QLatin1Char(','));
    p.numTeams = 37;
    for (int d = 0; d < Divisions; ++d) {
        p.divisionRec[d].teamCount = static_cast<int16_t>(sizes[d]);
    }
    for (int t = 0; t < p.numTeams; ++t) {
        p.teamAbbr[t] = abbrs[t];
        p.teamName[t] = QStringLiteral("Greater Metropolitan %1").arg(abbrs[t]);
        p.teamIcon[t] = static_cast<int16_t>(t % 32);
    }
    deriveLeagueTables(p);

    // Options and scoring rules: all before the season, every event in use.
    p.weeklyPicks = 0;
    p.confidenceMode = confidenceMode;
    p.pointsSystem = 0;
    p.mnTieBreaker = 1;
    applyEventDefaults(p);
    p.halfWeeks = {10, 9, 0, 0, 0};
    p.quarterWeeks = {5, 5, 5, 4, 0};
    derivePeriodTables(p);
    p.divWinnerPoints = {10, 20, 40, 80, 0};
    p.wildCardPoints = {15, 35, 0};

    // Schedule: the circle method over 38 places, the team paired with the 38th has its bye.
    p.seasonYear = 2024;
    p.numWeeks = 19;
    p.byesPerTeam = 1;
    p.gamesPerWeek = 19;
    p.minWeekGames = 18;
    const int places = 38;
    for (int w = 0; w < p.numWeeks; ++w) {
        p.openDates[w] = 1;
        int slot = 0;
        for (int i = 0; i < places / 2; ++i) {
            const int a = i == 0 ? 0 : 1 + (i + w) % (places - 1);
            const int b = 1 + (places - 1 - i + w) % (places - 1);
            const int first = a == 0 ? places - 1 : a - 1; // place 37 is the bye
            const int second = b - 1;
            if (first == places - 1 || second == places - 1) {
                const int team = first == places - 1 ? second : first;
                p.scheduleGrid[w][18][0] = static_cast<int16_t>(ByeFlag + team);
                continue;
            }
            const bool swap = (w + i) % 2 == 0;
            p.scheduleGrid[w][slot][0] = static_cast<int16_t>(swap ? second : first);
            p.scheduleGrid[w][slot][1] = static_cast<int16_t>(swap ? first : second);
            ++slot;
        }
    }
    p.scheduleEntries = static_cast<int16_t>(p.numWeeks * p.numTeams);
    p.scheduleVerified = True16;

    // Members with long names.
    const QStringList names = longMemberNames(MemberSlots);
    p.numMembers = MemberSlots;
    p.defaultMember = 5;
    for (int m = 0; m < p.numMembers; ++m) {
        p.memberName[m] = names[m];
        p.memberEmail[m] = QStringLiteral("member%1@example.org").arg(m);
        p.predictionsComplete[m] = True16;
    }

    // Picks, confidence points, Monday-night totals; results and scores through currentWeek.
    p.currentWeek = static_cast<int16_t>(currentWeek);
    for (int w = 0; w < p.numWeeks; ++w) {
        const int games = p.games(w);
        for (int g = 0; g < games; ++g) {
            const int away = p.scheduleGrid[w][g][0];
            const int home = p.scheduleGrid[w][g][1];
            const bool played = w <= currentWeek;
            const int outcome = roll(0, 99);
            const int winner = outcome < 3 ? p.tieCode() : outcome < 55 ? home : away;
            p.gameWinner[w][g] = played ? static_cast<int16_t>(winner) : p.noneCode();
            p.gameScore[w][g] = {static_cast<int16_t>(played ? roll(3, 40) : 0),
                                 static_cast<int16_t>(played ? roll(3, 40) : 0)};
            p.favoriteTeam[w][g] = static_cast<int16_t>(home);
            p.pointSpread[w][g] = 0.5F * static_cast<float>(roll(0, 20));
            p.spreadWinner[w][g] = p.noneCode();
            for (int m = 0; m < p.numMembers; ++m) {
                // Most members pick the winner more often than not.
                const int choice = roll(0, 99);
                const int picked = choice < 58 && played && winner != p.tieCode() ? winner
                                   : choice < 79                                  ? home
                                                                                  : away;
                p.memberPicks[w][g][m] = static_cast<int16_t>(picked);
            }
        }
        for (int m = 0; m < p.numMembers; ++m) {
            std::vector<int16_t> values(static_cast<std::size_t>(games));
            for (int g = 0; g < games; ++g) {
                values[static_cast<std::size_t>(g)] = static_cast<int16_t>(g + 1);
            }
            std::shuffle(values.begin(), values.end(), rng);
            for (int g = 0; g < games; ++g) {
                p.confidencePoints[w][g][m] =
                    confidenceMode == 0 ? int16_t{0} : values[static_cast<std::size_t>(g)];
            }
            p.mondayNightTotal[w][m] = static_cast<int16_t>(roll(20, 70));
        }
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        p.postSeasonResults[slot] = p.noneCode();
        for (int m = 0; m < p.numMembers; ++m) {
            p.postSeasonPicks[slot][m] = static_cast<int16_t>(roll(0, p.numTeams - 1));
        }
    }
    // Points and an address as wide as a real pool has them.
    p.seasonPoints = 100000;
    p.seasonGbPoints = 99999;
    p.goodWeekPoints.fill(100000);
    p.memberEmail[MemberSlots - 1] = QStringLiteral("maximilian.alexander.worthington-smythe@example.org");
    CalcPickDifferences(p);
    CalcMemberOdds(p);
}

} // namespace vek::test
