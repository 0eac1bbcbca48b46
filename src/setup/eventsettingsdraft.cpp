#include "setup/eventsettingsdraft.h"

#include "model/periodtables.h"

#include <algorithm>

namespace vek {
namespace {

constexpr int MostPoints = 100000;
constexpr int MostPostSeasonPoints = 100;
constexpr int MostConfidenceThreshold = 1000;

bool isWeekly(EventSetting setting) {
    return setting >= EventSetting::GoodWeekThreshold && setting <= EventSetting::PerfectWeekPoints;
}

// Calls f with the value the setting stands for; k is the week-size entry shown.
template <class Values, class F>
void visitSetting(Values& v, EventSetting setting, bool confidencePool, int k, F&& f) {
    switch (setting) {
    case EventSetting::WeekSize:
        break;
    case EventSetting::GoodWeekThreshold:
        f(confidencePool ? v.goodWeekMinCp[k] : v.goodWeekMinWins[k]);
        break;
    case EventSetting::BadWeekThreshold:
        f(confidencePool ? v.badWeekMaxCp[k] : v.badWeekMaxWins[k]);
        break;
    case EventSetting::GoodWeekPoints:
        f(v.goodWeekPoints[k]);
        break;
    case EventSetting::BadWeekPoints:
        f(v.badWeekPoints[k]);
        break;
    case EventSetting::PerfectWeekPoints:
        f(v.perfectWeekPoints[k]);
        break;
    case EventSetting::Quarter1Weeks:
    case EventSetting::Quarter2Weeks:
    case EventSetting::Quarter3Weeks:
    case EventSetting::Quarter4Weeks:
        f(v.quarterWeeks[static_cast<int>(setting) - static_cast<int>(EventSetting::Quarter1Weeks)]);
        break;
    case EventSetting::QuarterPoints:
        f(v.quarterPoints);
        break;
    case EventSetting::QuarterGbPoints:
        f(v.quarterGbPoints);
        break;
    case EventSetting::Half1Weeks:
    case EventSetting::Half2Weeks:
        f(v.halfWeeks[static_cast<int>(setting) - static_cast<int>(EventSetting::Half1Weeks)]);
        break;
    case EventSetting::HalfPoints:
        f(v.halfPoints);
        break;
    case EventSetting::HalfGbPoints:
        f(v.halfGbPoints);
        break;
    case EventSetting::SeasonPoints:
        f(v.seasonPoints);
        break;
    case EventSetting::SeasonGbPoints:
        f(v.seasonGbPoints);
        break;
    case EventSetting::PostSeasonPoints:
        f(v.postSeasonPoints);
        break;
    case EventSetting::DivWinner1Points:
    case EventSetting::DivWinner2Points:
    case EventSetting::DivWinner3Points:
    case EventSetting::DivWinner4Points:
        f(v.divWinnerPoints[static_cast<int>(setting) - static_cast<int>(EventSetting::DivWinner1Points)]);
        break;
    case EventSetting::WildCard1Points:
    case EventSetting::WildCard2Points:
        f(v.wildCardPoints[static_cast<int>(setting) - static_cast<int>(EventSetting::WildCard1Points)]);
        break;
    case EventSetting::DivAsWildCardPoints:
        f(v.divAsWildCardPoints);
        break;
    case EventSetting::WildCardAsDivPoints:
        f(v.wildCardAsDivPoints);
        break;
    case EventSetting::BigGamePoints:
        f(v.bigGamePoints);
        break;
    case EventSetting::WildChoicePoints:
        f(v.wildChoicePoints);
        break;
    case EventSetting::Over50Points:
        f(v.over50Points);
        break;
    case EventSetting::MondayNightPoints:
        f(v.mondayNightPoints);
        break;
    }
}

} // namespace

bool fitPeriodLengths(std::span<int16_t> lengths, int seasonWeeks) {
    // The last period takes whatever the earlier ones leave, so only earlier lengths that leave it a
    // negative share (or are negative themselves) make the stored lengths unusable.
    int earlier = 0;
    bool negative = false;
    for (const int16_t weeks : lengths.first(lengths.size() - 1)) {
        earlier += weeks;
        negative = negative || weeks < 0;
    }
    if (!negative && earlier <= seasonWeeks) {
        lengths.back() = static_cast<int16_t>(seasonWeeks - earlier);
        return false;
    }
    const int periods = static_cast<int>(lengths.size());
    const int weeks = std::max(seasonWeeks, 0);
    int period = 0;
    for (int16_t& length : lengths) {
        length = static_cast<int16_t>(weeks / periods + (period++ < weeks % periods ? 1 : 0));
    }
    return true;
}

int SettingRange::clamp(int value) const {
    return empty() ? value : std::clamp(value, min, max);
}

void EventSettingsDraft::load(PoolData& pool) {
    m_pool = &pool;
    m_values = pool.eventSettings();
    m_layout = pool.weekLayout();
    m_teams = pool.numTeams;
    m_minWeekGames = pool.minWeekGames;
    m_confidencePool = pool.confidenceMode != 0;
    m_halfFirstWeek = pool.halfFirstWeek;
    m_halfLastWeek = pool.halfLastWeek;
    m_quarterFirstWeek = pool.quarterFirstWeek;
    m_quarterLastWeek = pool.quarterLastWeek;
    m_halvesFitted = fitPeriodLengths(std::span(m_values.halfWeeks.data(), 2), m_layout.numWeeks);
    m_quartersFitted = fitPeriodLengths(std::span(m_values.quarterWeeks.data(), 4), m_layout.numWeeks);
    // The Week tab opens on a week without byes, or the largest week size the tables hold.
    m_weekSize = range(EventSetting::WeekSize).clamp(m_teams / 2);
    deriveQuarters();
    deriveHalves();
}

void EventSettingsDraft::restorePeriods() {
    if (m_pool != nullptr) {
        m_pool->halfFirstWeek = m_halfFirstWeek;
        m_pool->halfLastWeek = m_halfLastWeek;
        m_pool->quarterFirstWeek = m_quarterFirstWeek;
        m_pool->quarterLastWeek = m_quarterLastWeek;
    }
}

QString EventSettingsDraft::fittedPeriodsNote() const {
    if (!m_halvesFitted && !m_quartersFitted) {
        return {};
    }
    const QString periods = m_halvesFitted && m_quartersFitted ? QStringLiteral("halves and quarters")
                            : m_halvesFitted                   ? QStringLiteral("halves")
                                                               : QStringLiteral("quarters");
    return QStringLiteral("The stored lengths of the %1 did not fit the season of %2 weeks; they are "
                          "shown spread over the season and OK stores them.")
        .arg(periods)
        .arg(m_layout.numWeeks);
}

int EventSettingsDraft::weekEntry() const {
    return weekSizeUsable() ? weekSizeIndex(m_weekSize, m_minWeekGames).value_or(-1) : -1;
}

int EventSettingsDraft::value(EventSetting setting) const {
    if (setting == EventSetting::WeekSize) {
        return m_weekSize;
    }
    if (isWeekly(setting) && !weekSizeUsable()) {
        return 0;
    }
    int result = 0;
    visitSetting(m_values, setting, m_confidencePool, weekEntry(),
                 [&](const auto& field) { result = field; });
    return result;
}

void EventSettingsDraft::set(EventSetting setting, int value) {
    const SettingRange allowed = range(setting);
    if (allowed.empty()) {
        return;
    }
    value = allowed.clamp(value);
    if (setting == EventSetting::WeekSize) {
        m_weekSize = value;
        return;
    }
    visitSetting(m_values, setting, m_confidencePool, weekEntry(), [value](auto& field) {
        field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    });
    if (setting >= EventSetting::Quarter1Weeks && setting <= EventSetting::Quarter4Weeks) {
        deriveQuarters();
    } else if (setting == EventSetting::Half1Weeks || setting == EventSetting::Half2Weeks) {
        deriveHalves();
    }
}

SettingRange EventSettingsDraft::range(EventSetting setting) const {
    if (isWeekly(setting) && !weekSizeUsable()) {
        return {0, -1}; // no entry to set
    }
    switch (setting) {
    case EventSetting::WeekSize:
        // Only the week sizes whose entries the file keeps.
        return {m_minWeekGames, std::min(m_teams / 2, m_minWeekGames + StoredWeekSizeEntries - 1)};
    case EventSetting::GoodWeekThreshold:
    case EventSetting::BadWeekThreshold:
        return {0, m_confidencePool ? MostConfidenceThreshold : m_teams / 2};
    case EventSetting::Quarter1Weeks:
    case EventSetting::Quarter2Weeks:
    case EventSetting::Quarter3Weeks:
    case EventSetting::Quarter4Weeks:
    case EventSetting::Half1Weeks:
    case EventSetting::Half2Weeks: {
        // A season of one week: its whole length must fit the first half and the first quarter.
        const int weeks = std::max<int>(m_layout.numWeeks, 0);
        return {0, weeks <= 1 ? weeks : weeks - 1};
    }
    case EventSetting::DivWinner1Points:
    case EventSetting::DivWinner2Points:
    case EventSetting::DivWinner3Points:
    case EventSetting::DivWinner4Points:
    case EventSetting::WildCard1Points:
    case EventSetting::WildCard2Points:
    case EventSetting::DivAsWildCardPoints:
    case EventSetting::WildCardAsDivPoints:
        return {0, MostPostSeasonPoints};
    default:
        return {0, MostPoints};
    }
}

int EventSettingsDraft::step(EventSetting setting) const {
    const bool weeklyPoints =
        setting >= EventSetting::GoodWeekPoints && setting <= EventSetting::PerfectWeekPoints;
    return weeklyPoints ? m_pointsIncrement : 1;
}

QString EventSettingsDraft::shareOfWeek(int threshold) const {
    if (m_weekSize == 0) {
        return QStringLiteral("0.00%");
    }
    return QString::number(100.0 * threshold / m_weekSize, 'f', 2) + QLatin1Char('%');
}

QString EventSettingsDraft::goodWeekShare() const {
    if (!weekSizeUsable()) {
        return {};
    }
    if (m_confidencePool) {
        return QString::number(m_weekSize * (m_weekSize + 1) / 2);
    }
    return shareOfWeek(value(EventSetting::GoodWeekThreshold));
}

QString EventSettingsDraft::badWeekShare() const {
    if (!weekSizeUsable()) {
        return {};
    }
    return m_confidencePool ? QStringLiteral("0") : shareOfWeek(value(EventSetting::BadWeekThreshold));
}

void EventSettingsDraft::deriveHalves() {
    m_values.halfWeeks[1] = deriveHalfWeeks(*m_pool, m_values.halfWeeks[0]);
}

void EventSettingsDraft::deriveQuarters() {
    const auto& q = m_values.quarterWeeks;
    m_values.quarterWeeks[3] = deriveQuarterWeeks(*m_pool, {q[0], q[1], q[2]});
}

EventSettingsDraft::PeriodRow EventSettingsDraft::half(int index) const {
    const int first = m_pool->halfFirstWeek[index];
    const int last = m_pool->halfLastWeek[index];
    return {m_values.halfWeeks[index], first + 1, last + 1, periodGames(m_layout, first, last)};
}

EventSettingsDraft::PeriodRow EventSettingsDraft::quarter(int index) const {
    const int first = m_pool->quarterFirstWeek[index];
    const int last = m_pool->quarterLastWeek[index];
    return {m_values.quarterWeeks[index], first + 1, last + 1, periodGames(m_layout, first, last)};
}

} // namespace vek
