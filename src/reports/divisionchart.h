#pragma once

#include "model/pooldata.h"

#include <QStringList>

#include <cstdint>

namespace vek {

class ReportFile;
class ReportPrinter;

/// The division standings chart: the eight divisions side by side in 13-character columns, under each
/// its teams in rank order with their record, as the chart tables hold them for one chart. `mode` 0
/// charts a member's predicted standings (8 rows, wins and losses), 1 the consensus (6 rows, three
/// places per count), 2 the league's (6 rows, with ties); any other mode gives nothing. A division shows
/// at most the 6 teams its chart rows hold, and only the rows this chart filled.
[[nodiscard]] QStringList divisionChartLines(const PoolData& pool, int16_t mode);
/// The same rows as HTML table rows of 32 cells (Team, W, L, T of each division); mode 2 closes the
/// table after its last row.
[[nodiscard]] QStringList divisionChartHtmlLines(const PoolData& pool, int16_t mode);

/// The chart on the printer, one line per row, in the font and size that are set.
void PrintDivisionChart(ReportPrinter& printer, const PoolData& pool, int16_t mode);
/// The chart into the report file the caller has open.
void WriteDivisionChartText(ReportFile& file, const PoolData& pool, int16_t mode);
void WriteDivisionChartHtml(ReportFile& file, const PoolData& pool, int16_t mode);

} // namespace vek
