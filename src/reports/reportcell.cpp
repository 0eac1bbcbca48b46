#include "reports/reportcell.h"

#include "model/pooldata.h"
#include "model/textcells.h"
#include "reports/reportprinter.h"

namespace vek {

QString rowText(const CellRow& row) {
    QString text;
    for (const ReportCell& cell : row) {
        text += cell.text;
    }
    return text;
}

void printRow(ReportPrinter& printer, const CellRow& row) {
    for (const ReportCell& cell : row) {
        printer.setBold(cell.bold);
        printer.print(cell.text);
    }
    printer.setBold(false);
    printer.endLine();
}

QString reportAbbr(const PoolData& pool, int code) {
    constexpr int AbbrPlaces = 4;
    return fitCharacters(pool.teamAbbrOf(code), AbbrPlaces);
}

QString htmlCell(const QString& text, bool strong) {
    return strong ? QStringLiteral("<td><strong>") + text + QStringLiteral("</strong></td>")
                  : QStringLiteral("<td>") + text + QStringLiteral("</td>");
}

QString htmlRightCell(const QString& text, bool strong) {
    return strong ? QStringLiteral("<td align=right><strong>") + text + QStringLiteral("</strong></td>")
                  : QStringLiteral("<td align=right>") + text + QStringLiteral("</td>");
}

} // namespace vek
