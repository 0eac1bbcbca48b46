#pragma once

#include "model/pooldata.h"
#include "session/leaguechanges.h"

#include <QString>

#include <array>
#include <optional>

namespace vek {

/// The league editor's working copy, without widgets: the teams of the eight divisions in the order
/// they will have after OK, the armed edit and the limits of the tables. Each row remembers the code
/// its team has in the shared tables, so that OK can carry the team's stored entries to its new code.
/// The league editor owns it; the shared tables change only through OK.
class LeagueWorkingCopy {
public:
    static constexpr int MaxDivisionTeams = ChartRows; // six logo places, six chart rows per division

    static inline const QString MissingNames =
        QStringLiteral("You need to fill in both full and abbreviatd names.");
    static inline const QString DivisionFull =
        QStringLiteral("A division holds at most %1 teams.").arg(MaxDivisionTeams);
    static inline const QString LeagueFull =
        QStringLiteral("The league holds at most %1 teams.").arg(MaxRealTeams);

    /// Whether a name or abbreviation can be stored in the league file: no double quote (the file has no
    /// escape for it) and no line break or other control character.
    [[nodiscard]] static bool isStorableText(const QString& text);

    /// Fills the eight lists from the shared league tables, in division order; no edit armed.
    void load(const PoolData& pool);

    [[nodiscard]] const std::vector<AlignedTeam>& division(int division) const;
    [[nodiscard]] int totalTeams() const;

    /// Edit: the next commit to this division replaces this row (while the row exists).
    void armEdit(int division, int row);
    /// A change of tab: the next commit appends.
    void disarm() { m_editRow = -1; }
    [[nodiscard]] int editRow() const { return m_editRow; }
    [[nodiscard]] int editDivision() const { return m_editDivision; }

    enum class Commit { Appended, Replaced, MissingText, DivisionFull, LeagueFull };
    /// Add of a division: replaces the armed row of that division, or appends a new team within the
    /// limits. Both texts must be filled (blanks count as filled).
    Commit commit(int division, const QString& fullName, const QString& abbreviation);
    /// Delete of a division: removes the row; disarms any armed edit. Returns whether a row went. A team
    /// deleted and then added again with the same two texts (moved to another division, or put back)
    /// is the same team.
    bool remove(int division, int row);

    /// The line that tells why a commit was refused; empty for a done commit.
    [[nodiscard]] static QString refusal(Commit outcome);
    /// Why the lists cannot become the league, when they break a limit of the tables.
    [[nodiscard]] std::optional<QString> limitBroken() const;

    /// The lists as the new league.
    [[nodiscard]] const LeagueAlignment& alignment() const { return m_alignment; }

private:
    [[nodiscard]] static bool isDivision(int division) { return division >= 0 && division < Divisions; }

    LeagueAlignment m_alignment;
    std::vector<AlignedTeam> m_deleted; // teams of the shared tables deleted in this visit
    int m_editRow = -1;
    int m_editDivision = -1;
};

} // namespace vek
