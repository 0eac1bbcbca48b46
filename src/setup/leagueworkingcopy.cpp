#include "setup/leagueworkingcopy.h"

#include <algorithm>

namespace vek {

bool LeagueWorkingCopy::isStorableText(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u == u'"' || u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0);
    });
}

void LeagueWorkingCopy::load(const PoolData& pool) {
    for (int d = 0; d < Divisions; ++d) {
        auto& teams = m_alignment.divisions[d];
        teams.clear();
        const Division& division = pool.divisionRec[d];
        for (int code = division.firstTeam; code <= division.lastTeam; ++code) {
            // A damaged league can name ranges beyond its teams; only real team slots come in.
            if (code >= 0 && code < std::min<int>(pool.numTeams, MaxRealTeams)) {
                teams.push_back({pool.teamName[code], pool.teamAbbr[code], static_cast<int16_t>(code)});
            }
        }
    }
    m_deleted.clear();
    m_editRow = -1;
    m_editDivision = -1;
}

const std::vector<AlignedTeam>& LeagueWorkingCopy::division(int division) const {
    static const std::vector<AlignedTeam> none;
    return isDivision(division) ? m_alignment.divisions[division] : none;
}

int LeagueWorkingCopy::totalTeams() const {
    return m_alignment.teamCount();
}

void LeagueWorkingCopy::armEdit(int division, int row) {
    if (row >= 0 && row < static_cast<int>(this->division(division).size())) {
        m_editDivision = division;
        m_editRow = row;
    }
}

LeagueWorkingCopy::Commit LeagueWorkingCopy::commit(int division, const QString& fullName,
                                                    const QString& abbreviation) {
    if (fullName.isEmpty() || abbreviation.isEmpty()) {
        return Commit::MissingText;
    }
    if (!isDivision(division)) {
        return Commit::DivisionFull;
    }
    auto& teams = m_alignment.divisions[division];
    const bool armedHere =
        m_editRow >= 0 && m_editDivision == division && m_editRow < static_cast<int>(teams.size());
    if (armedHere) {
        AlignedTeam& team = at(teams, m_editRow);
        team.fullName = fullName;
        team.abbreviation = abbreviation;
        m_editRow = -1;
        return Commit::Replaced;
    }
    m_editRow = -1;
    if (static_cast<int>(teams.size()) >= MaxDivisionTeams) {
        return Commit::DivisionFull;
    }
    if (totalTeams() >= MaxRealTeams) {
        return Commit::LeagueFull;
    }
    teams.push_back({fullName, abbreviation, AlignedTeam::NewTeam});
    // Delete here and add there is how a team moves to another division: it is still the same team.
    const auto same = std::find_if(m_deleted.begin(), m_deleted.end(), [&](const AlignedTeam& gone) {
        return gone.fullName == fullName && gone.abbreviation == abbreviation;
    });
    if (same != m_deleted.end()) {
        teams.back().code = same->code;
        m_deleted.erase(same);
    }
    return Commit::Appended;
}

bool LeagueWorkingCopy::remove(int division, int row) {
    m_editRow = -1;
    if (!isDivision(division)) {
        return false;
    }
    auto& teams = m_alignment.divisions[division];
    if (row < 0 || row >= static_cast<int>(teams.size())) {
        return false;
    }
    const auto gone = teams.begin() + row;
    if (gone->code != AlignedTeam::NewTeam) {
        m_deleted.push_back(*gone);
    }
    teams.erase(gone);
    return true;
}

QString LeagueWorkingCopy::refusal(Commit outcome) {
    switch (outcome) {
    case Commit::MissingText:
        return MissingNames;
    case Commit::DivisionFull:
        return DivisionFull;
    case Commit::LeagueFull:
        return LeagueFull;
    case Commit::Appended:
    case Commit::Replaced:
        break;
    }
    return {};
}

std::optional<QString> LeagueWorkingCopy::limitBroken() const {
    for (const auto& teams : m_alignment.divisions) {
        if (static_cast<int>(teams.size()) > MaxDivisionTeams) {
            return DivisionFull;
        }
    }
    if (totalTeams() > MaxRealTeams) {
        return LeagueFull;
    }
    return std::nullopt;
}

} // namespace vek
