#pragma once

#include "model/pooldata.h"

#include <QString>

#include <cstdint>
#include <span>

namespace vek {

/// Every number the event profiles window sets, one per up-down control. The weekly ones (thresholds
/// and points) belong to the week size shown; the thresholds count correct picks, or confidence points
/// in a confidence pool.
enum class EventSetting : int {
    WeekSize,
    GoodWeekThreshold,
    BadWeekThreshold,
    GoodWeekPoints,
    BadWeekPoints,
    PerfectWeekPoints,
    Quarter1Weeks,
    Quarter2Weeks,
    Quarter3Weeks,
    Quarter4Weeks,
    QuarterPoints,
    QuarterGbPoints,
    Half1Weeks,
    Half2Weeks,
    HalfPoints,
    HalfGbPoints,
    SeasonPoints,
    SeasonGbPoints,
    PostSeasonPoints,
    DivWinner1Points,
    DivWinner2Points,
    DivWinner3Points,
    DivWinner4Points,
    WildCard1Points,
    WildCard2Points,
    DivAsWildCardPoints,
    WildCardAsDivPoints,
    BigGamePoints,
    WildChoicePoints,
    Over50Points,
    MondayNightPoints,
};

/// Keeps period lengths whose earlier periods fit a season of `seasonWeeks` weeks (none negative,
/// together no longer than the season), since the last period takes the weeks they leave; otherwise
/// spreads the season over the periods as evenly as they allow, the earlier periods the longer. Returns
/// whether it spread them.
bool fitPeriodLengths(std::span<int16_t> lengths, int seasonWeeks);

/// The values an up-down control can take; empty when max < min.
struct SettingRange {
    int min = 0;
    int max = 0;
    [[nodiscard]] bool empty() const { return max < min; }
    [[nodiscard]] int clamp(int value) const;
};

/// The event profiles window's working copy of the scoring rules: the values, the week size shown and
/// the step of the weekly points. While the window is open the shared period tables follow the working
/// lengths, the last half and the last quarter taking the weeks the others leave; `restorePeriods`
/// puts them back as they were when the window opened. Everything else changes only when the values
/// are saved. The window owns the draft and renews it each time it opens.
class EventSettingsDraft {
public:
    /// A period's row of the Quarter and Semi-Season tabs: its length, first and last week (1-based) and
    /// the games of its weeks that the season holds.
    struct PeriodRow {
        int weeks = 0;
        int startWeek = 0;
        int endWeek = 0;
        int games = 0;
    };

    /// Copies the settings of the shared tables and derives the periods from them. Stored halves or
    /// quarters that do not fit the season are replaced by lengths that do, which saving then stores.
    void load(PoolData& pool);
    /// What the window's information line says when the stored lengths were replaced; empty otherwise.
    [[nodiscard]] QString fittedPeriodsNote() const;
    /// The period tables as they were when the draft was loaded.
    void restorePeriods();

    [[nodiscard]] int value(EventSetting setting) const;
    /// What a user's move of the setting's control stores (kept within its range). A week size selects
    /// the weekly entry shown; a period length derives the periods again.
    void set(EventSetting setting, int value);
    [[nodiscard]] SettingRange range(EventSetting setting) const;
    [[nodiscard]] int step(EventSetting setting) const;
    /// The step of the three weekly points: 1, 10, 100 or 1000.
    void setPointsIncrement(int increment) { m_pointsIncrement = increment; }
    [[nodiscard]] int pointsIncrement() const { return m_pointsIncrement; }

    [[nodiscard]] bool confidencePool() const { return m_confidencePool; }
    /// Whether a week size can be chosen: the league has weeks of at least the fewest games of the
    /// schedule. Without one the weekly settings have no entry.
    [[nodiscard]] bool weekSizeUsable() const { return !range(EventSetting::WeekSize).empty(); }
    /// The entry of the week-size tables that the Week tab shows; -1 when no week size can be chosen.
    [[nodiscard]] int weekEntry() const;
    /// Beside the good and bad week thresholds: the share of the week's games, or in a confidence pool
    /// the confidence points of a whole week (good) and "0" (bad).
    [[nodiscard]] QString goodWeekShare() const;
    [[nodiscard]] QString badWeekShare() const;

    [[nodiscard]] PeriodRow half(int index) const;
    [[nodiscard]] PeriodRow quarter(int index) const;
    [[nodiscard]] int seasonWeeks() const { return m_layout.numWeeks; }

    [[nodiscard]] const EventSettings& values() const { return m_values; }

private:
    void deriveHalves();
    void deriveQuarters();
    [[nodiscard]] QString shareOfWeek(int threshold) const;

    PoolData* m_pool = nullptr;
    EventSettings m_values;
    WeekLayout m_layout;
    int m_teams = 0;
    int m_minWeekGames = 0;
    bool m_confidencePool = false;
    int m_weekSize = 0;
    int m_pointsIncrement = 1;
    bool m_halvesFitted = false;
    bool m_quartersFitted = false;
    Table<int16_t, HalfEntries> m_halfFirstWeek{};
    Table<int16_t, HalfEntries> m_halfLastWeek{};
    Table<int16_t, QuarterEntries> m_quarterFirstWeek{};
    Table<int16_t, QuarterEntries> m_quarterLastWeek{};
};

} // namespace vek
