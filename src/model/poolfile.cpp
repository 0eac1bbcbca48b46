#include "model/poolfile.h"

#include "model/datafolder.h"
#include "model/pooldata.h"

namespace vek {
namespace {

const QString FileName = QStringLiteral("pool.dat");

// The options in file order, for the reader and the writer alike.
template <class Pool, class F> void visitOptions(Pool& pool, F&& f) {
    f(pool.weeklyPicks);
    f(pool.usePointSpreads);
    f(pool.confidenceMode);
    f(pool.pointsSystem);
    f(pool.mnTieBreaker);
}

} // namespace

ReadOutcome readPoolOptions(const DataFolder& folder, PoolData& pool) {
    std::optional<DataReader> reader = DataReader::open(folder, FileName);
    if (!reader) {
        visitOptions(pool, [](int16_t& option) { option = 0; });
        return {};
    }
    visitOptions(pool, [&](int16_t& option) { reader->read(option); });
    return {true, reader->hitEnd()};
}

WriteResult writePoolOptions(const DataFolder& folder, const PoolData& pool) {
    DataWriter writer;
    visitOptions(pool, [&](int16_t option) { writer.writeInt(option); });
    return writer.commit(folder, FileName);
}

} // namespace vek
