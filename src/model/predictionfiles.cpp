#include "model/predictionfiles.h"

#include "model/datafolder.h"
#include "model/pooldata.h"

namespace vek {
namespace {

constexpr int BigGameSlot = PostSeasonSlots - 1;

// Whether a pick that is none makes the member incomplete: a weekly pick only in a pool that predicts
// every game before the season, a post-season pick only when its event has points. The one rule of
// reading and of saving, so a member is complete after a save exactly when it is after a restart.
bool weeklyPickCounts(const PoolData& pool) {
    return pool.weeklyPicks == 0;
}
bool postSeasonPickCounts(const PoolData& pool, int slot) {
    return slot == BigGameSlot ? pool.bigGamePoints > 0 : pool.postSeasonPoints > 0;
}

void clearPicks(PoolData& pool, int member, const WeekLayout& layout) {
    forEachGame(layout, [&](int week, int game) { pool.memberPicks[week][game][member] = pool.noneCode(); });
    for (auto& slot : pool.postSeasonPicks) {
        slot[member] = pool.noneCode();
    }
}

// Calls f(week, game) for each game and then onWeekEnd(week) behind the last game of every week that
// has games: the layout of the confidence file.
template <class F, class G> void forEachConfidenceValue(const WeekLayout& layout, F&& f, G&& onWeekEnd) {
    for (int week = 0; week < layout.weeks(); ++week) {
        const int games = layout.games(week);
        for (int game = 0; game < games; ++game) {
            f(week, game);
        }
        if (games > 0) {
            onWeekEnd(week);
        }
    }
}

} // namespace

PredictionsReadOutcome readPredictions(const DataFolder& folder, PoolData& pool, int member,
                                       const WeekLayout& layout) {
    PredictionsReadOutcome outcome;
    if (!isMember(member)) {
        return outcome;
    }
    pool.predictionsComplete[member] = 0;
    clearPicks(pool, member, layout);
    if (!isNamedMember(pool.memberName[member])) {
        return outcome;
    }
    std::optional<DataReader> reader =
        openDataFile(folder, memberFileName(pool.memberName[member], PicksExtension), outcome);
    if (!reader) {
        return outcome;
    }
    bool complete = true;
    forEachGame(layout, [&](int week, int game) {
        int16_t& pick = pool.memberPicks[week][game][member];
        readTeamCode(*reader, pick);
        if (pick == pool.noneCode() && weeklyPickCounts(pool)) {
            complete = false;
        }
    });
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        int16_t& pick = pool.postSeasonPicks[slot][member];
        readTeamCode(*reader, pick);
        if (pick == pool.noneCode() && postSeasonPickCounts(pool, slot)) {
            complete = false;
        }
    }
    outcome.endedEarly = reader->hitEnd();
    outcome.valuesReplaced = reader->unusedValues();
    outcome.complete = complete && !outcome.endedEarly;
    if (outcome.complete) {
        pool.predictionsComplete[member] = True16;
    }
    return outcome;
}

namespace {

// The member's file of that extension, or why he has none to write.
WriteResult memberFile(const PoolData& pool, int member, const QString& extension) {
    if (!isMember(member)) {
        return WriteResult::failure(memberFileName(QString(), extension), QStringLiteral("no such member"));
    }
    if (!isNamedMember(pool.memberName[member])) {
        return unnamedMemberFailure(member);
    }
    return WriteResult::success(memberFileName(pool.memberName[member], extension));
}

} // namespace

WriteResult unnamedMemberFailure(int member) {
    return WriteResult::failure(QStringLiteral("The predictions of member %1").arg(member + 1),
                                QStringLiteral("the member has no name. Name the member in Members first."));
}

WriteResult writePredictions(const DataFolder& folder, const PoolData& pool, int member,
                             const WeekLayout& layout) {
    const WriteResult file = memberFile(pool, member, PicksExtension);
    if (!file) {
        return file;
    }
    DataWriter writer;
    forEachGame(layout,
                [&](int week, int game) { writer.writeInt(pickCode(pool.memberPicks[week][game][member])); });
    for (const auto& slot : pool.postSeasonPicks) {
        writer.writeInt(slot[member]);
    }
    return writer.commit(folder, file.fileName);
}

ReadOutcome readConfidence(const DataFolder& folder, PoolData& pool, int member, const WeekLayout& layout) {
    ReadOutcome outcome;
    if (!isMember(member)) {
        return outcome;
    }
    forEachConfidenceValue(
        layout, [&](int week, int game) { pool.confidencePoints[week][game][member] = 0; },
        [&](int week) { pool.mondayNightTotal[week][member] = 0; });
    if (!isNamedMember(pool.memberName[member])) {
        return outcome;
    }
    std::optional<DataReader> reader =
        openDataFile(folder, memberFileName(pool.memberName[member], ConfidenceExtension), outcome);
    if (!reader) {
        return outcome;
    }
    forEachConfidenceValue(
        layout, [&](int week, int game) { reader->read(pool.confidencePoints[week][game][member]); },
        [&](int week) { reader->read(pool.mondayNightTotal[week][member]); });
    return {true, reader->hitEnd(), reader->unusedValues(), {}};
}

WriteResult writeConfidence(const DataFolder& folder, const PoolData& pool, int member,
                            const WeekLayout& layout) {
    const WriteResult file = memberFile(pool, member, ConfidenceExtension);
    if (!file) {
        return file;
    }
    DataWriter writer;
    forEachConfidenceValue(
        layout, [&](int week, int game) { writer.writeInt(pool.confidencePoints[week][game][member]); },
        [&](int week) { writer.writeInt(pool.mondayNightTotal[week][member]); });
    return writer.commit(folder, file.fileName);
}

bool memberPredictionsComplete(const PoolData& pool, int member, const WeekLayout& layout) {
    if (!isMember(member)) {
        return false;
    }
    bool complete = true;
    if (weeklyPickCounts(pool)) {
        forEachGame(layout, [&](int week, int game) {
            if (pickCode(pool.memberPicks[week][game][member]) == pool.noneCode()) {
                complete = false;
            }
        });
    }
    for (int slot = 0; slot < PostSeasonSlots; ++slot) {
        if (pool.postSeasonPicks[slot][member] == pool.noneCode() && postSeasonPickCounts(pool, slot)) {
            complete = false;
        }
    }
    return complete;
}

} // namespace vek
