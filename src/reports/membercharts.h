#pragma once

#include <cstdint>

namespace vek {

class PoolSession;
class ReportFile;
class ReportPrinter;

/// The Member Charts report: for every member the division standings that the member's picks imply,
/// then the consensus of all picks and, unless `kind` is the predictions report, the league's own
/// standings. Each brings the team tallies up to date before it charts them. The printed version
/// starts on a new page and leaves the document open; the file versions append a section to the
/// report file.
void PrintMemberCharts(PoolSession& session, ReportPrinter& printer, int16_t kind);
void WriteMemberChartsText(PoolSession& session, ReportFile& file, int16_t kind);
void WriteMemberChartsHtml(PoolSession& session, ReportFile& file, int16_t kind);

} // namespace vek
