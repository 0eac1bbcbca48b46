#pragma once

namespace vek {

class PoolSession;

// What every view brings up to date before it counts. Cheap next to what the views show, and no view
// ever shows a table from before the last results were entered.

/// The winners against the spread (when the pool uses point spreads) and the team tallies (when a save
/// left them stale).
void bringViewDataUpToDate(PoolSession& session);

/// The above, then the week-by-week scoring rebuilt from week 0 (rows in member order): the ledger.
void scoreSeasonForView(PoolSession& session);

/// The above, then every week 0..currentWeek put into standings order: the standings window.
void scoreSortedStandings(PoolSession& session);

} // namespace vek
