#include "reports/weekpage.h"

#include "reports/reportchoice.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"

namespace vek {

bool WeekPage::results() const {
    return isResultsKind(kind);
}

void WeekPage::endCell(ReportPrinter& printer, int member) const {
    if (member < group.last) {
        printer.print(blanks(gap));
    } else {
        printer.endLine();
    }
}

QString WeekPage::nameCell(int member) const {
    return formatText(pool.memberName[member].left(nameWidth), u"!@@@@@@@@");
}

const WeekStanding& WeekPage::record(int member) const {
    return memberRecord(pool, week, member);
}

const WeekStanding& memberRecord(const PoolData& pool, int week, int member) {
    static const WeekStanding empty{};
    if (!isWeek(week) || !isMember(member)) {
        return empty;
    }
    const auto& rows = pool.weekStandings[week];
    if (rows[member].memberIndex == member) {
        return rows[member];
    }
    for (int r = 0; r < pool.memberCount(); ++r) {
        if (rows[r].memberIndex == member) {
            return rows[r];
        }
    }
    return empty;
}

} // namespace vek
