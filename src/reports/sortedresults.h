#pragma once

namespace vek {

class PoolSession;
class ReportFile;
class ReportPrinter;
struct ReportChoice;

/// The sorted results listing: each week of the choice's range as the pool's member standings in rank
/// order, with the games-behind points at stake and, as the choice asks, the pick differences (on
/// paper, for picks made before the season), the post-season and points-ledger tables and (on paper)
/// the member charts. Every run first rebuilds the week-by-week scoring and puts every scored week into
/// rank order.
///
/// On paper one whole document, ended here; in a file the report file started anew, as text or as
/// HTML fragments (the member charts are the dispatch's to append).
void ListSortedResults(PoolSession& session, const ReportChoice& choice, ReportPrinter& printer);
void ListSortedResults(PoolSession& session, const ReportChoice& choice, ReportFile& file);

} // namespace vek
