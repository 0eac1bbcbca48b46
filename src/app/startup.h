#pragma once

#include <QString>

#include <cstdint>

namespace vek {

class PoolSession;
struct PoolData;

/// What the loading stages need of the main window: its caption, its status-bar panels and the
/// start-up message box. The main window implements it; tests record it.
class StartupHost {
public:
    virtual ~StartupHost() = default;
    /// A start-up message: information icon, OK button, titled "<title> - <description> Message".
    /// Returns when the user has closed it.
    virtual void showStartupMessage(const QString& text) = 0;
    virtual void setMainCaption(const QString& caption) = 0;
    /// Status-bar panels are numbered 1..4 as the user sees them (2 season, 3 week, 4 hints).
    virtual void setStatusPanel(int panel, const QString& text) = 0;
};

/// The loading stages of start-up, in their fixed order: league, pool options, scoring rules, schedule
/// (with its completeness check), members (with one message naming the members whose names share their
/// files), predictions, confidence points, results, scores, favourites. A missing or damaged file never stops
/// start-up; each stage applies its own defaults. Sets maxMembers first, since the member list is capped at
/// it. A missing schedule starts a season of today's year. Records the schedule's week layout in the session
/// as the one on disk. The files that held values that could not be used (out of their range, not a number)
/// are named in one message at the end, with those that could not be used at all (no regular file, larger
/// than any data file) and why. Members whose predictions are missing or incomplete are named in one
/// message; a member without a name is not, but a member list that names fewer members than it counts
/// is told of.
void runLoadingStages(PoolSession& session, StartupHost& host);
/// The same with the year that a missing schedule's season takes.
void runLoadingStages(PoolSession& session, StartupHost& host, int currentYear);

/// The start-up computations that follow the loading, in their fixed order: winners against the spread
/// (when point spreads are used), pick differences and unique picks, the team tallies and their sorts
/// (marked current), member odds (when every game is predicted before the season), the fewest games of
/// any week, and the mail settings from defaultserver.dat (a file there that could not be used is named,
/// with why, as the loading stages name theirs). Needs no window.
void runStartupComputations(PoolSession& session, StartupHost& host);

} // namespace vek
