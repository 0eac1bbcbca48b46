#pragma once

#include "model/pooldata.h"
#include "reports/membergroups.h"
#include "views/standingsfigures.h"

#include <QString>

#include <cstdint>

namespace vek {

class ReportPrinter;

/// One week page of one member group of the prediction and result report: what its game grid,
/// standings rows and maxima box share. A row is a 13-character label and one 8-character cell per
/// member of the group, `gap` blanks between two cells, the line ending after the group's last cell.
struct WeekPage {
    const PoolData& pool;
    int16_t kind = 0;
    int week = 0;
    MemberGroup group;
    int gap = 0;
    int nameWidth = 7;
    WeekPeriods periods; // the half and quarter that hold the week
    WeekLeaders leaders; // the week's highest values among all members

    [[nodiscard]] bool results() const;
    /// After a member's cell: the gap's blanks, or the line end after the group's last member.
    void endCell(ReportPrinter& printer, int member) const;
    /// A member's column heading: the first `nameWidth` characters of the name in 8 places.
    [[nodiscard]] QString nameCell(int member) const;
    /// The member's record of the page's week.
    [[nodiscard]] const WeekStanding& record(int member) const;
};

/// The record of `member` as of `week`, found by the member it belongs to whatever order the week's
/// rows are in; an empty record when the member has no row there (a week outside the tables).
[[nodiscard]] const WeekStanding& memberRecord(const PoolData& pool, int week, int member);

} // namespace vek
