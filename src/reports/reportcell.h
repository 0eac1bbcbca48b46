#pragma once

#include <QString>

#include <vector>

namespace vek {

class ReportPrinter;
struct PoolData;

/// One cell of a report table in the versions of a report that share it: its text on paper and in the
/// text file (bold on paper when marked), and its markup in the HTML file.
struct ReportCell {
    QString text;
    bool bold = false;
    QString html;
};
using CellRow = std::vector<ReportCell>;

/// The row as one line of text.
[[nodiscard]] QString rowText(const CellRow& row);
/// The row's cells in their marks, the last one ending the line; every mark is off after it.
void printRow(ReportPrinter& printer, const CellRow& row);

/// A team's abbreviation as every report lays it out, on paper, as text and as HTML: in 4 places, a
/// shorter one followed by blanks, a longer one cut, so that the columns after it stay under their
/// headings whatever abbreviations the league uses. The windows show the whole abbreviation.
[[nodiscard]] QString reportAbbr(const PoolData& pool, int code);

/// HTML cells: "<td>", "<td align=right>", and their "<strong>" forms for marked values.
[[nodiscard]] QString htmlCell(const QString& text, bool strong = false);
[[nodiscard]] QString htmlRightCell(const QString& text, bool strong = false);

} // namespace vek
