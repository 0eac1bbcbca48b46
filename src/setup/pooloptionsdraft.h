#pragma once

#include "session/optionchanges.h"

#include <cstdint>
#include <optional>

namespace vek {

struct PoolData;

/// The pool options window's working copy: which option of each frame is chosen and which frames and
/// options can be used. It keeps the choices consistent (a pool that predicts the whole season before
/// it starts cannot use point spreads; the confidence range and the split box apply only with
/// confidence points and credit scoring) and turns them into the five options OK stores.
class PoolOptionsDraft {
public:
    enum class Range { None, Slots, Games };     // "16-n" (mode 1), "Games-1" (mode 2)
    enum class Scoring { None, Ledger, Credit }; // the points system's two options

    /// The choices that show the shared options; remembers the confidence mode in force.
    void load(const PoolData& pool);

    void chooseWeekToWeek();
    void chooseAllSeason();
    void choosePointSpreads(bool yes);
    void chooseConfidence(bool yes);
    void chooseRange(Range range);
    void chooseTieBreaker(int16_t tieBreaker);
    void chooseScoring(Scoring scoring);
    void chooseSplit(bool split);

    [[nodiscard]] bool weekToWeek() const { return m_weekToWeek; }
    [[nodiscard]] bool pointSpreads() const { return m_pointSpreads; }
    [[nodiscard]] bool spreadsEnabled() const { return m_weekToWeek; }
    [[nodiscard]] bool confidence() const { return m_confidence; }
    [[nodiscard]] Range range() const { return m_range; }
    [[nodiscard]] bool rangeEnabled() const { return m_confidence; }
    /// 0 none, 1 closest without going over, 2 closest either way; none chosen for another stored value.
    [[nodiscard]] std::optional<int16_t> tieBreaker() const { return m_tieBreaker; }
    [[nodiscard]] Scoring scoring() const { return m_scoring; }
    [[nodiscard]] bool split() const { return m_split; }
    [[nodiscard]] bool splitEnabled() const { return m_scoring == Scoring::Credit; }
    [[nodiscard]] int16_t savedConfidenceMode() const { return m_savedConfidenceMode; }

    /// The options OK stores. "Yes" without a range chosen is mode 2; a frame with nothing chosen keeps
    /// its stored option.
    [[nodiscard]] PoolOptions result() const;

private:
    bool m_weekToWeek = false;
    bool m_pointSpreads = false;
    bool m_confidence = false;
    Range m_range = Range::None;
    std::optional<int16_t> m_tieBreaker;
    Scoring m_scoring = Scoring::None;
    bool m_split = false;
    int16_t m_savedConfidenceMode = 0;
    int16_t m_storedTieBreaker = 0;
    int16_t m_storedPointsSystem = 0;
};

} // namespace vek
