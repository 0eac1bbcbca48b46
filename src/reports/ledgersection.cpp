#include "reports/ledgersection.h"

#include "model/textcells.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "views/standingsfigures.h"

#include <array>
#include <functional>
#include <vector>

namespace vek {
namespace {

// The labels of the event columns in print order (Monday Night after Over 50%), then the total.
constexpr std::array<const char*, LedgerEvents> EventLabels{
    "Season       ", "Season GB    ", "Semi-Season  ", "Semi-Ssn GB  ", "Quarter      ",
    "Quarter GB   ", "Good Weeks   ", "Bad Weeks    ", "Perfect Wks  ", "Wild Choice  ",
    ">50% In Row  ", "Monday Night ", "Post Season  ", "Championship "};
const QString TotalLabel = QStringLiteral("Total Points ");

void printGroup(ReportPrinter& printer, const PoolData& pool, const MemberGroups& groups,
                const MemberGroup& group, bool first) {
    if (first) {
        printer.newPage();
    }
    printer.setBold(true);
    printer.setFontSize(16);
    if (first) {
        printer.printLine(formatNumber(pool.seasonYear, u"0") +
                          QStringLiteral(" VEK Season        Points Ledger"));
    }
    printer.setBold(false);
    printer.setFontSize(7.2);
    printer.setBold(true);
    QString heading = QStringLiteral("    Event    ");
    for (int m = group.first; m <= group.last; ++m) {
        heading += fitCharacters(leftCharacters(pool.memberName[m], groups.nameWidth), 8);
        heading += m < group.last ? blanks(groups.gap) : QStringLiteral(" ");
    }
    printer.printLine(heading);
    printer.endLine();
    printer.setBold(false);

    std::vector<LedgerLine> lines;
    for (int m = group.first; m <= group.last; ++m) {
        lines.push_back(ledgerLine(pool, m));
    }
    const auto printRow = [&](const QString& label, const std::function<double(const LedgerLine&)>& value) {
        printer.setBold(true);
        printer.print(label);
        printer.setBold(false);
        for (int m = group.first; m <= group.last; ++m) {
            const double v = value(at(lines, m - group.first));
            printer.setBold(balanceSign(v) > 0);
            printer.print(formatCell(v, u"#####0", u"@@@@@@@@"));
            printer.setBold(false);
            if (m < group.last) {
                printer.print(blanks(groups.gap));
            } else {
                printer.endLine();
            }
        }
    };
    for (std::size_t row = 0; row < LedgerPrintOrder.size(); ++row) {
        const int column = LedgerPrintOrder[row];
        printRow(QString::fromLatin1(EventLabels[row]),
                 [column](const LedgerLine& line) { return double{line.balance[column]}; });
    }
    printRow(TotalLabel, [](const LedgerLine& line) { return line.total; });
    printer.endLine();
}

} // namespace

void PrintLedgerSection(ReportPrinter& printer, const PoolData& pool, const MemberGroups& groups) {
    for (std::size_t g = 0; g < groups.groups.size(); ++g) {
        printGroup(printer, pool, groups, groups.groups[g], g == 0);
    }
}

} // namespace vek
