#pragma once

#include <cstdint>

namespace vek {

struct PoolData;
class ReportFile;

/// The prediction and result listing as a report file, the file version of the weekly prediction and
/// result report: for each week of the range and each group of twelve members, a grid of games by
/// members with each member's pick (predictions) or each right pick (results), the tallies the pool's
/// events use and the point balances; a whole-season listing starts with a title block. A results
/// listing rebuilds the week-by-week scoring first. The report file is started anew; the text version
/// is laid out in fixed-width columns with form feeds between pages, the HTML version is one table per
/// group.
void WritePredictionReportText(PoolData& pool, ReportFile& file, int16_t kind, int fromWeek, int toWeek);
void WritePredictionReportHtml(PoolData& pool, ReportFile& file, int16_t kind, int fromWeek, int toWeek);

} // namespace vek
