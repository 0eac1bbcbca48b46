#pragma once

#include "model/pooldata.h"
#include "reports/membergroups.h"

#include <cstdint>

namespace vek {

class ReportPrinter;

/// The members' post-season predictions side by side, one block per member group: the twelve
/// division-winner and wild-card picks and the prediction points (`PrintPostSeason`), and the Big Game
/// pick (`PrintBigGame`). The first group's block carries the title (the post-season one after a new
/// page). In a results report the right picks carry "(w) " and the event winners' names are underlined.
/// Each member's points and event marks are those of the season's last week.
struct PostSeasonColumns {
    int16_t kind = 0;
    int groupIndex = 0;
    MemberGroup group;
    int nameWidth = 8;
    int gap = 0;
};

void PrintPostSeason(ReportPrinter& printer, const PoolData& pool, const PostSeasonColumns& columns);
void PrintBigGame(ReportPrinter& printer, const PoolData& pool, const PostSeasonColumns& columns);

} // namespace vek
