#pragma once

// The largest pool the tables hold, filled the way a real one is, for looking at the views: 121 members
// with long names, 37 teams in divisions of four to six, 19 weeks of 18 games, results through week 10,
// every event in use. The same every run.

#include "engine/memberodds.h"
#include "engine/pickdifferences.h"
#include "model/eventsfile.h"
#include "model/leaguefile.h"
#include "model/periodtables.h"
#include "model/pooldata.h"

#include <QStringList>

#include <random>

namespace vek::test {

inline void buildBigPool(PoolData& p, int16_t confidenceMode = 0, int currentWeek = 9) {
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
    const QStringList first = QStringLiteral("Alexandra,Bartholomew,Christopher,Dorothea,Maximilian,Penelope,"
                                             "Wilhelmina,Jo,Sebastian,Evangeline,Al")
                                  .split(QLatin1Char(','));
    const QStringList last = QStringLiteral("Montgomery-Fairweather,Oyelaran,Vandersloot,Li,Kowalczyk-Brown,"
                                            "Featherstonehaugh,Smith")
                                 .split(QLatin1Char(','));
    p.numMembers = MemberSlots;
    p.defaultMember = 5;
    for (int m = 0; m < p.numMembers; ++m) {
        p.memberName[m] = QStringLiteral("%1 %2 %3")
                              .arg(first[m % first.size()], last[(m / 3) % last.size()])
                              .arg(m + 1, 3, 10, QLatin1Char('0'));
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
    CalcPickDifferences(p);
    CalcMemberOdds(p);
}

} // namespace vek::test
