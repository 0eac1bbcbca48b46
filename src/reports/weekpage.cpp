#include "reports/weekpage.h"

#include "model/textcells.h"
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
    return fitCharacters(leftCharacters(pool.memberName[member], nameWidth), 8);
}

const WeekStanding& WeekPage::record(int member) const {
    return memberRecord(pool, week, member);
}

const WeekStanding& memberRecord(const PoolData& pool, int week, int member) {
    static const WeekStanding empty{};
    const WeekStanding* record = recordOfMember(pool, week, member);
    return record != nullptr ? *record : empty;
}

} // namespace vek
