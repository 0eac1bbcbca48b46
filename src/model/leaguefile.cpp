#include "model/leaguefile.h"

#include "model/datafolder.h"
#include "model/pooldata.h"

#include <algorithm>

namespace vek {
namespace {

constexpr int DefaultTeams = 32;
constexpr int16_t DefaultDivisionSize = 4;
constexpr int NameWidth = 21;
constexpr int AbbrWidth = 4;

void applyLeagueDefaults(PoolData& pool) {
    pool.numTeams = DefaultTeams;
    for (Division& division : pool.divisionRec) {
        division.teamCount = DefaultDivisionSize;
    }
    for (int team = 0; team < DefaultTeams; ++team) {
        pool.teamName[team] = QString(NameWidth, QLatin1Char('_'));
        pool.teamAbbr[team] = QString(AbbrWidth, QLatin1Char('_'));
    }
}

bool holdsTeams(int numTeams) {
    return numTeams >= 0 && numTeams <= MaxRealTeams;
}

} // namespace

void deriveLeagueTables(PoolData& pool) {
    pool.divisionRec[0].firstTeam = 0;
    for (int d = 0; d < Divisions; ++d) {
        Division& division = pool.divisionRec[d];
        storeInt16(division.lastTeam, division.firstTeam + division.teamCount - 1);
        if (d + 1 < Divisions) {
            storeInt16(pool.divisionRec[d + 1].firstTeam, division.lastTeam + 1);
        }
    }
    if (holdsTeams(pool.numTeams)) {
        pool.teamName[pool.tieCode()] = QStringLiteral("TIE-");
        pool.teamAbbr[pool.tieCode()] = QStringLiteral("TIE-");
        pool.teamName[pool.noneCode()] = QString(NameWidth, QLatin1Char(' '));
        pool.teamAbbr[pool.noneCode()] = QString(AbbrWidth, QLatin1Char(' '));
    }
}

ReadOutcome readLeague(const DataFolder& folder, PoolData& pool) {
    ReadOutcome outcome;
    std::optional<DataReader> reader = openDataFile(folder, LeagueFileName, outcome);
    if (reader) {
        reader->read(pool.numTeams);
        if (!holdsTeams(pool.numTeams)) {
            // The team codes of every other file depend on this number; a league the tables cannot
            // hold is no league at all.
            applyLeagueDefaults(pool);
            outcome.valuesReplaced = true;
        } else {
            for (Division& division : pool.divisionRec) {
                reader->read(division.teamCount);
            }
            for (int team = 0; team < pool.numTeams; ++team) {
                reader->read(pool.teamName[team]);
                reader->read(pool.teamAbbr[team]);
                reader->read(pool.teamIcon[team]);
            }
        }
        outcome.endedEarly = reader->hitEnd();
        outcome.valuesReplaced = outcome.valuesReplaced || reader->unusedValues();
    } else {
        applyLeagueDefaults(pool);
    }
    deriveLeagueTables(pool);
    return outcome;
}

WriteResult writeLeague(const DataFolder& folder, const LeagueTables& league) {
    DataWriter writer;
    writer.writeInt(league.numTeams);
    for (const Division& division : league.divisionRec) {
        writer.writeInt(division.teamCount);
    }
    const int teams = std::clamp<int>(league.numTeams, 0, MaxRealTeams);
    for (int team = 0; team < teams; ++team) {
        writer.writeText(league.teamName[team]);
        writer.writeText(league.teamAbbr[team]);
        writer.writeInt(league.teamIcon[team]);
    }
    return writer.commit(folder, LeagueFileName);
}

} // namespace vek
