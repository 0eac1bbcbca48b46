#include "session/optionchanges.h"

#include "engine/spreadwinners.h"
#include "model/datafolder.h"
#include "model/poolfile.h"
#include "model/predictionfiles.h"
#include "session/filerewrite.h"
#include "session/poolsession.h"

#include <utility>

namespace vek {

bool renumbersConfidence(int16_t fromMode, int16_t toMode) {
    return (fromMode == 1 && toMode == 2) || (fromMode == 2 && toMode == 1);
}

bool convertConfidencePoints(Table3<int16_t, WeekSlots, GameSlots, MemberSlots>& points,
                             const WeekLayout& layout, int members, int16_t fromMode, int16_t toMode) {
    if (!renumbersConfidence(fromMode, toMode)) {
        return false;
    }
    for (int week = 0; week < layout.weeks(); ++week) {
        const int shift = toMode == 2 ? -layout.openDates[week] : layout.openDates[week];
        for (int game = 0; game < layout.games(week); ++game) {
            for (int member = 0; member < members; ++member) {
                int16_t& value = points[week][game][member];
                if (value != 0) {
                    storeInt16(value, value + shift);
                }
            }
        }
    }
    return true;
}

WriteResult changePoolOptions(PoolSession& session, const PoolOptions& options) {
    PoolData& pool = session.pool();
    const DataFolder& folder = session.folder();
    const WeekLayout fileLayout = session.fileLayout();
    const int members = pool.memberCount();

    // The renumbered values go to the files while memory keeps the old ones until all is written; a
    // failed write puts back every file written before it.
    auto converted = pool.confidencePoints;
    const bool converting = convertConfidencePoints(converted, pool.weekLayout(), members,
                                                    pool.confidenceMode, options.confidenceMode);
    FileRewrite rewrite(folder);
    if (converting) {
        for (int member = 0; member < members; ++member) {
            if (!isNamedMember(pool.memberName[member])) {
                continue; // no files of his own
            }
            rewrite.add(memberFileName(pool.memberName[member], ConfidenceExtension),
                        [&folder, &pool, member, fileLayout] {
                            return writeConfidence(folder, pool, member, fileLayout);
                        });
        }
    }
    rewrite.add(PoolOptionsFileName, [&folder, &options] { return writePoolOptions(folder, options); });
    std::swap(pool.confidencePoints, converted);
    const WriteResult result = rewrite.run();
    std::swap(pool.confidencePoints, converted);
    if (!result) {
        return result;
    }

    pool.options() = options;
    if (converting) {
        pool.confidencePoints = converted;
    }
    if (isTrue(pool.usePointSpreads)) {
        CalcSpreadWinners(pool);
    }
    session.refreshMainButtons();
    return result;
}

} // namespace vek
