#pragma once

#include "model/pooldata.h"
#include "views/teamfigures.h"
#include "widgets/poolwindow.h"

#include <array>

class QLabel;
class QPushButton;

namespace vek {

class UpDown;

/// The league statistics: the record breakdown of one division's teams for a member's picks, the
/// consensus or the league's results; the home, road and inter-conference totals of that source; and how
/// often the side that N members picked won. Each opening brings the team tallies up to date and starts
/// on the default member, NFC East and N = 1.
///
/// The breakdown's labels carry their team column after the name: `TeamName0`..`TeamName5`, `RecWins0`,
/// `RecLoss0`, `RecTie0`, `InConfWins0`, .., `AtHomeTie5`.
class LeagueStats final : public PoolWindow {
    Q_OBJECT
public:
    static constexpr int TeamColumns = DivisionTeamsShown;
    static constexpr int BreakdownRows = 7;

    explicit LeagueStats(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;

private:
    struct Cell {
        QLabel* wins = nullptr;
        QLabel* losses = nullptr;
        QLabel* ties = nullptr;
    };
    struct TeamColumn {
        QLabel* TeamName = nullptr;
        std::array<Cell, BreakdownRows> rows{};
    };

    void buildControls();
    void ShowDivisionStats();
    void showPercentages();

    std::array<TeamColumn, TeamColumns> m_columns{};
    QLabel* MemberBox = nullptr;
    UpDown* MemberSpin = nullptr;
    QLabel* DivConfBox = nullptr;
    UpDown* DivConfSpin = nullptr;
    QLabel* RoadTotal = nullptr;
    QLabel* HomeTotal = nullptr;
    QLabel* TieTotal = nullptr;
    QLabel* AFCWins = nullptr;
    QLabel* NFCWins = nullptr;
    QLabel* ANTies = nullptr;
    QLabel* MemNum = nullptr;
    QLabel* wonNum = nullptr;
    QLabel* outOf = nullptr;
    QLabel* predPerc = nullptr;
    UpDown* chosenSpin = nullptr;
    QPushButton* cmdOk = nullptr;

    int memberChoice = 0;
    int divisionChoice = 0;
    int chosenCount = 1;
    ChosenCounts m_chosen;
};

} // namespace vek
