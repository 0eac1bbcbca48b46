#pragma once

#include "model/datafolder.h"
#include "model/datawriter.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace vek {

struct PoolData;
struct WeekLayout;

/// Rewrites a set of data files all or nothing: each write replaces its file atomically, and when one
/// fails every file already replaced gets its old content back, so the folder never holds files that
/// disagree about the layout or the team codes. Used by the confirmed changes that rewrite several files.
class FileRewrite {
public:
    explicit FileRewrite(DataFolder folder) : m_folder(std::move(folder)) {}

    /// A file to rewrite; `write` writes it (atomically) and says how that went.
    void add(const QString& fileName, std::function<WriteResult()> write);

    /// Writes the files in the order added. Returns the first failure (after putting back what was
    /// written before it) or success.
    [[nodiscard]] WriteResult run();

private:
    struct File {
        QString name;
        std::function<WriteResult()> write;
        bool existed = false;
        QByteArray before;
    };
    void putBack(const std::vector<File>& written, WriteResult& failure) const;

    DataFolder m_folder;
    std::vector<File> m_files;
};

/// Adds every per-game file that the folder holds (each member's .PRD and .CPT, results.dat, scores.dat,
/// favorite.dat), written from the pool in the given layout. A file that is not there is not created.
void addGameFiles(FileRewrite& rewrite, const DataFolder& folder, const PoolData& pool,
                  const WeekLayout& layout);

/// Whether two layouts put the per-game values at the same places (the same weeks and games per week).
[[nodiscard]] bool sameGamePlaces(const WeekLayout& a, const WeekLayout& b);

/// Empties one game place of the per-game tables: no pick, no result, no favourite, 0 points.
void clearGamePlace(PoolData& pool, int week, int game);

/// Empties every game place of the per-game tables that the layout does not have (no pick, no result,
/// no favourite, 0 points), so a game that a new layout brings in starts empty rather than with what an
/// earlier layout left there.
void clearOutsideLayout(PoolData& pool, const WeekLayout& layout);

} // namespace vek
