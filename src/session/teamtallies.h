#pragma once

namespace vek {

class PoolSession;

/// The tally sequence of start-up and of the views that show team standings: member and consensus
/// counts and sorts, then the league's when some week has results; marks the tallies current. Leaves
/// session.sortMode at the last table sorted (1, or 2 when results exist).
void RecountTeamTallies(PoolSession& session);

/// Brings the team tallies up to date: recounts them only when a save of predictions or results left
/// them stale. Every window and report that shows team standings calls this before it reads them.
void bringTeamTalliesUpToDate(PoolSession& session);

} // namespace vek
