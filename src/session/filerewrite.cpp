#include "session/filerewrite.h"

#include "model/pooldata.h"
#include "model/predictionfiles.h"
#include "model/resultfiles.h"

#include <QFile>

namespace vek {

void FileRewrite::add(const QString& fileName, std::function<WriteResult()> write) {
    m_files.push_back({fileName, std::move(write), false, {}});
}

WriteResult FileRewrite::run() {
    // Every file is checked and its old content taken before anything is written; a file that may not
    // be replaced, or that cannot be read and so could not be put back, stops the rewrite then.
    QStringList names;
    for (const File& file : m_files) {
        names << file.name;
    }
    if (WriteResult refused = checkReplaceable(m_folder, names); !refused) {
        return refused;
    }
    for (File& file : m_files) {
        file.existed = m_folder.exists(file.name);
        if (file.existed) {
            DataFolder::FileContent before = m_folder.readContent(file.name);
            if (before.state != DataFolder::FileState::Read) {
                return WriteResult::failure(file.name, unreadableReason(before.reason));
            }
            file.before = std::move(before.bytes);
        }
    }
    std::vector<File> written;
    for (const File& file : m_files) {
        WriteResult result = file.write();
        if (!result) {
            putBack(written, result);
            return result;
        }
        written.push_back(file);
    }
    return WriteResult::success(m_files.empty() ? QString() : m_files.back().name);
}

void FileRewrite::putBack(const std::vector<File>& written, WriteResult& failure) const {
    for (const File& file : written) {
        WriteResult back = WriteResult::success(file.name);
        if (file.existed) {
            back = writeFileAtomically(m_folder, file.name, file.before);
        } else if (!QFile::remove(m_folder.filePath(file.name))) {
            back = WriteResult::failure(file.name, QStringLiteral("it could not be removed"));
        }
        if (!back) {
            // The user must know that the folder now holds a file of the new kind.
            failure.reason +=
                QStringLiteral("; %1 could not be put back: %2").arg(back.fileName, back.reason);
        }
    }
}

void addGameFiles(FileRewrite& rewrite, const DataFolder& folder, const PoolData& pool,
                  const WeekLayout& layout) {
    // A file that the folder cannot be listed to find may be there too: added, the rewrite refuses it.
    const auto addIfThere = [&](const QString& name, std::function<WriteResult()> write) {
        if (const DataFolder::Lookup file = folder.find(name); file.found || !file.unlisted.isEmpty()) {
            rewrite.add(name, std::move(write));
        }
    };
    for (int member = 0; member < pool.memberCount(); ++member) {
        const QString& name = pool.memberName[member];
        if (!isNamedMember(name)) {
            continue; // no files of his own
        }
        addIfThere(memberFileName(name, PicksExtension), [&folder, &pool, member, layout] {
            return writePredictions(folder, pool, member, layout);
        });
        addIfThere(memberFileName(name, ConfidenceExtension), [&folder, &pool, member, layout] {
            return writeConfidence(folder, pool, member, layout);
        });
    }
    addIfThere(ResultsFileName, [&folder, &pool, layout] { return writeResults(folder, pool, layout); });
    addIfThere(ScoresFileName, [&folder, &pool, layout] { return writeScores(folder, pool, layout); });
    addIfThere(FavoritesFileName, [&folder, &pool, layout] { return writeFavorites(folder, pool, layout); });
}

bool sameGamePlaces(const WeekLayout& a, const WeekLayout& b) {
    if (a.weeks() != b.weeks()) {
        return false;
    }
    for (int week = 0; week < a.weeks(); ++week) {
        if (a.games(week) != b.games(week)) {
            return false;
        }
    }
    return true;
}

void clearGamePlace(PoolData& pool, int week, int game) {
    const int16_t none = pool.noneCode();
    pool.memberPicks[week][game].fill(none);
    pool.confidencePoints[week][game].fill(0);
    pool.gameWinner[week][game] = none;
    pool.gameScore[week][game] = {0, 0};
    pool.favoriteTeam[week][game] = none;
    pool.pointSpread[week][game] = 0.0F;
    pool.spreadWinner[week][game] = none;
}

void clearOutsideLayout(PoolData& pool, const WeekLayout& layout) {
    for (int week = 0; week < WeekSlots; ++week) {
        const int games = week < layout.weeks() ? layout.games(week) : 0;
        if (games == 0) {
            // The confidence file keeps a Monday-night total only for a week that has games.
            pool.mondayNightTotal[week].fill(0);
        }
        for (int game = games; game < GameSlots; ++game) {
            clearGamePlace(pool, week, game);
        }
    }
}

} // namespace vek
