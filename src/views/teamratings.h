#pragma once

#include "model/pooldata.h"
#include "widgets/poolwindow.h"

#include <array>

class QGridLayout;
class QLabel;
class QPushButton;

namespace vek {

/// The team ratings: every team rated from the results so far, each win and tie weighted by the beaten
/// or tied opponent's strength, listed best first in two columns with the conference and division
/// totals and averages. Each opening rates afresh.
///
/// The ranking's boxes carry their rank row after the name: `teamBox0`..`teamBox36`, `RateBox0`...
class TeamRatings final : public PoolWindow {
    Q_OBJECT
public:
    static constexpr int RankRows = MaxRealTeams;

    explicit TeamRatings(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;

private:
    void buildControls();
    void CalcTeamRatings();

    std::array<QLabel*, RankRows> teamBox{};
    std::array<QLabel*, RankRows> RateBox{};
    QGridLayout* m_ranking = nullptr;
    QLabel* NFCTotBox = nullptr;
    QLabel* NFCAveBox = nullptr;
    QLabel* AFCTotBox = nullptr;
    QLabel* AFCAveBox = nullptr;
    std::array<QLabel*, Divisions> divisionAveBox{}; // NFCEAveBox .. AFCWAveBox
    QLabel* VEKAveBox = nullptr;
    QPushButton* cmdOk = nullptr;
};

} // namespace vek
