// Start-up of the largest pool the tables hold (121 members, 37 teams, 19 weeks of 19 games, every data
// file present): the loading stages and the first computations, without windows.
#include "app/startup.h"
#include "model/datafolder.h"
#include "model/eventsfile.h"
#include "model/leaguefile.h"
#include "model/mailsettingsfile.h"
#include "model/membersfile.h"
#include "model/poolfile.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"
#include "model/schedulefile.h"
#include "session/poolsession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>

namespace {

using namespace vek;

// The main window's part of start-up, with nowhere to show it.
class SilentHost final : public StartupHost {
public:
    void showStartupMessage(const QString&) override { ++messages; }
    void setMainCaption(const QString&) override {}
    void setStatusPanel(int, const QString&) override {}
    int messages = 0;
};

// A whole-season pool with point spreads and wild choices, so that every computation of start-up runs.
std::unique_ptr<PoolData> largestPool(const QString& memberNames = QStringLiteral("M%1 Member")) {
    auto pool = std::make_unique<PoolData>();
    PoolData& p = *pool;
    constexpr std::array<int16_t, Divisions> sizes{5, 5, 5, 5, 5, 4, 4, 4};
    p.numTeams = 37;
    for (std::size_t d = 0; d < Divisions; ++d) {
        p.divisionRec[d].teamCount = sizes[d];
    }
    for (int t = 0; t < 37; ++t) {
        p.teamName[t] = QStringLiteral("Team %1").arg(t + 1);
        p.teamAbbr[t] = QStringLiteral("T%1").arg(t + 1, 2, 10, QLatin1Char('0'));
        p.teamIcon[t] = static_cast<int16_t>(t);
    }
    deriveLeagueTables(p);

    p.weeklyPicks = 0;
    p.usePointSpreads = True16;
    p.confidenceMode = 2;
    p.wildChoicePoints = 100;
    p.seasonPoints = 2500;
    p.halfWeeks = {10, 9};
    p.quarterWeeks = {5, 5, 5, 4};

    p.seasonYear = 2024;
    p.numWeeks = WeekSlots;
    p.gamesPerWeek = GameSlots;
    std::mt19937 random(20240901);
    std::uniform_int_distribution<int> coin(0, 1);
    std::uniform_int_distribution<int> points(0, 45);
    for (int w = 0; w < WeekSlots; ++w) {
        for (int g = 0; g < GameSlots; ++g) {
            const auto away = static_cast<int16_t>((2 * g + w) % 37);
            const auto home = static_cast<int16_t>((2 * g + 1 + w) % 37);
            p.scheduleGrid[w][g][0] = away;
            p.scheduleGrid[w][g][1] = home;
            p.gameScore[w][g][0] = static_cast<int16_t>(points(random));
            p.gameScore[w][g][1] = static_cast<int16_t>(points(random));
            p.gameWinner[w][g] = p.gameScore[w][g][0] > p.gameScore[w][g][1]   ? away
                                 : p.gameScore[w][g][0] < p.gameScore[w][g][1] ? home
                                                                               : p.tieCode();
            p.favoriteTeam[w][g] = coin(random) != 0 ? away : home;
            p.pointSpread[w][g] = 0.5F * static_cast<float>(1 + (w + g) % 20);
        }
    }
    p.currentWeek = WeekSlots - 1;

    p.numMembers = MemberSlots;
    for (int m = 0; m < MemberSlots; ++m) {
        // Names differ in their first 8 characters, which name the member's files.
        p.memberName[m] = memberNames.arg(m, 3, 10, QLatin1Char('0'));
        p.memberEmail[m] = QStringLiteral("member%1@example.org").arg(m);
        for (int w = 0; w < WeekSlots; ++w) {
            for (int g = 0; g < GameSlots; ++g) {
                p.memberPicks[w][g][m] = p.scheduleGrid[w][g][coin(random)];
                p.confidencePoints[w][g][m] = static_cast<int16_t>(GameSlots - g);
            }
            p.mondayNightTotal[w][m] = static_cast<int16_t>(30 + m % 20);
        }
        for (int slot = 0; slot < PostSeasonSlots; ++slot) {
            p.postSeasonPicks[slot][m] = static_cast<int16_t>((slot + m) % 37);
        }
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        p.postSeasonResults[slot] = static_cast<int16_t>((3 * slot) % 37);
    }
    return pool;
}

void writeOrDie(const WriteResult& result) {
    if (!result.ok) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(result.fileName), qPrintable(result.reason));
        std::abort();
    }
}

// The largest pool written into a folder.
void writeLargestPool(const DataFolder& f, const PoolData& pool) {
    const WeekLayout layout = pool.weekLayout();
    writeOrDie(writeLeague(f, pool));
    writeOrDie(writePoolOptions(f, pool));
    writeOrDie(writeEventProfiles(f, pool));
    writeOrDie(writeSchedule(f, pool));
    writeOrDie(writeMembers(f, pool));
    for (int m = 0; m < pool.memberCount(); ++m) {
        writeOrDie(writePredictions(f, pool, m, layout));
        writeOrDie(writeConfidence(f, pool, m, layout));
    }
    writeOrDie(writeResults(f, pool, layout));
    writeOrDie(writeScores(f, pool, layout));
    writeOrDie(writeFavorites(f, pool, layout));
    writeOrDie(
        writeMailSettings(f, {QStringLiteral("smtp.example.org"), 587, QStringLiteral("pool@example.org")}));
}

// The pool folder, written once for every run of the benchmark.
const DataFolder& largestPoolFolder() {
    static QTemporaryDir dir;
    static const DataFolder folder = [] {
        const DataFolder f(dir.path());
        writeLargestPool(f, *largestPool());
        return f;
    }();
    return folder;
}

// The same pool carried over from an older system: every member's name starts with a letter outside
// ASCII and every member's two files are named in Windows-1252, so no exact name is found and each
// lookup needs the folder's names.
const DataFolder& legacyNamesFolder() {
    namespace fs = std::filesystem;
    // Qt does not see names that are not UTF-8, so they are removed by their bytes before the
    // temporary folder goes.
    static struct LegacyFolder {
        QTemporaryDir dir;
        fs::path native{QFile::encodeName(dir.path()).toStdString()};
        ~LegacyFolder() {
            std::error_code ignored;
            fs::remove_all(native, ignored);
        }
    } legacy;
    static const DataFolder folder = [] {
        const DataFolder f(legacy.dir.path());
        const auto pool = largestPool(QStringLiteral("\u00c5%1 Member"));
        writeLargestPool(f, *pool);
        for (int m = 0; m < pool->memberCount(); ++m) {
            for (const char* extension : {".PRD", ".CPT"}) {
                const QString name = memberFileStem(pool->memberName[m]) + QLatin1String(extension);
                fs::rename(legacy.native / name.toUtf8().toStdString(),
                           legacy.native / name.toLatin1().toStdString());
            }
        }
        return f;
    }();
    return folder;
}

void startUp(benchmark::State& state, const DataFolder& folder) {
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<PoolSession>(folder);
        SilentHost host;
        state.ResumeTiming();
        runLoadingStages(*session, host, 2024);
        runStartupComputations(*session, host);
        benchmark::DoNotOptimize(session->pool().memberOdds[0]);
        state.PauseTiming();
        const PoolData& pool = session->pool();
        if (pool.numMembers != MemberSlots || pool.predictionsComplete[0] != True16 ||
            pool.predictionsComplete[MemberSlots - 1] != True16 || session->mail.smtpPort != 587) {
            state.SkipWithError("the pool did not load whole");
            break;
        }
        session.reset();
        state.ResumeTiming();
    }
}

void BM_StartUpLargestPool(benchmark::State& state) {
    startUp(state, largestPoolFolder());
}
BENCHMARK(BM_StartUpLargestPool)->Unit(benchmark::kMillisecond);

// The floor under start-up: every file of the same pool opened, read whole and its values counted (one
// per line), with nothing parsed or stored. Start-up should cost a small multiple of this.
void BM_ReadLargestPoolFilesWhole(benchmark::State& state) {
    const QDir dir(largestPoolFolder().path());
    QStringList paths;
    for (const QString& name : dir.entryList(QDir::Files)) {
        paths.append(dir.filePath(name));
    }
    for (auto _ : state) {
        qsizetype values = 0;
        for (const QString& path : paths) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                state.SkipWithError("a file of the pool could not be opened");
                return;
            }
            values += file.readAll().count('\n');
        }
        benchmark::DoNotOptimize(values);
    }
    state.counters["files"] = static_cast<double>(paths.size());
}
BENCHMARK(BM_ReadLargestPoolFilesWhole)->Unit(benchmark::kMillisecond);

void BM_StartUpLargestPoolWithLegacyFileNames(benchmark::State& state) {
    startUp(state, legacyNamesFolder());
}
BENCHMARK(BM_StartUpLargestPoolWithLegacyFileNames)->Unit(benchmark::kMillisecond);

} // namespace
