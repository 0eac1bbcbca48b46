#pragma once

namespace vek {

class PoolSession;
class ReportPrinter;
struct ReportChoice;

/// The weekly prediction and result report, one whole print document: the cover page (a whole-season
/// report), then for each week of the choice's range and each group of members the week's game grid,
/// standings rows and, for picks made before the season, the pick differences; then the post-season
/// and Big Game sections, the points ledger and the member charts as the choice's sections and the
/// report kind ask. A results report rebuilds the week-by-week scoring first.
void PrintPredictionReport(PoolSession& session, ReportPrinter& printer, const ReportChoice& choice);

} // namespace vek
