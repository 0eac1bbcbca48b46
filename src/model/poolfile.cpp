#include "model/poolfile.h"

#include "model/datafolder.h"
#include "model/pooldata.h"

namespace vek {
namespace {

// The options in file order, for the reader and the writer alike.
template <class Options, class F> void visitOptions(Options& options, F&& f) {
    f(options.weeklyPicks);
    f(options.usePointSpreads);
    f(options.confidenceMode);
    f(options.pointsSystem);
    f(options.mnTieBreaker);
}

} // namespace

ReadOutcome readPoolOptions(const DataFolder& folder, PoolData& pool) {
    ReadOutcome unread;
    std::optional<DataReader> reader = openDataFile(folder, PoolOptionsFileName, unread);
    if (!reader) {
        pool.options() = PoolOptions{};
        return unread;
    }
    visitOptions(pool.options(), [&](int16_t& option) { reader->read(option); });
    return {true, reader->hitEnd(), reader->unusedValues(), {}};
}

WriteResult writePoolOptions(const DataFolder& folder, const PoolOptions& options) {
    DataWriter writer;
    visitOptions(options, [&](int16_t option) { writer.writeInt(option); });
    return writer.commit(folder, PoolOptionsFileName);
}

} // namespace vek
