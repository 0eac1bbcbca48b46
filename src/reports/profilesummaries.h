#pragma once

namespace vek {

struct PoolData;
class ReportFile;
class ReportPrinter;

/// The "Pool & Event Profile Summaries": the rules a pool's members play under. The pool profile gives
/// the five pool options in words; the event profile the weekly thresholds and points of every week size
/// of the season, the weeks and points of the quarters, halves and season, the post-season prediction
/// points and the points of the single events. An event without points keeps its lines, with blanks
/// where the points would stand.
///
/// On paper one whole document, ended here. In the report file the summaries follow what the file holds,
/// except in "none.txt", which they start afresh.
void PrintProfileSummaries(const PoolData& pool, ReportPrinter& printer);
void WriteProfileSummariesText(const PoolData& pool, ReportFile& file);
void WriteProfileSummariesHtml(const PoolData& pool, ReportFile& file);

} // namespace vek
