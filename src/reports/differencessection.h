#pragma once

#include "model/pooldata.h"

#include <cstdint>

namespace vek {

class ReportPrinter;

/// The differences section of a printed weekly report: for every pair of members, how many of their
/// picks differ over the rest of the season and in the report's week (the next week in a results
/// report), as triangular tables of text characters. Up to 15 members both tables stand side by side
/// on every call; 16 to 30 members print one table per call, the season table for `groupIndex` 0 and
/// the week table for any other; beyond 30 nothing is printed. Ends at the start of a line, at 7.2
/// points.
void PrintDifferences(ReportPrinter& printer, const PoolData& pool, int groupIndex, int16_t kind, int week);

} // namespace vek
