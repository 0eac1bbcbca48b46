#pragma once

#include "model/pooldata.h"
#include "widgets/poolwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace vek {

class UpDown;

/// The prediction charts: division by division, the won-lost table one member's picks imply for the
/// season, the consensus of all members' picks, or on demand the league's table from the results. Each
/// opening brings the team tallies up to date and starts on the default member.
///
/// Panel d is named by its prefix (`nfce`, `nfcn`, .., `afcw`); its rows carry their index after the
/// name: `nfceBox0`, `nfceWBox0`, `nfceLBox0`, `nfceTBox0`, .., and its headings `nfceWLabel`,
/// `nfceLLabel`, `nfceTLabel`.
class PredictionCharts final : public PoolWindow {
    Q_OBJECT
public:
    static constexpr int Rows = ChartRows;

    explicit PredictionCharts(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;

private:
    struct ChartRow {
        QLabel* team = nullptr;
        QLabel* wins = nullptr;
        QLabel* losses = nullptr;
        QLabel* ties = nullptr;
    };
    struct Panel {
        QGroupBox* frame = nullptr;
        QLabel* tiesHeading = nullptr;
        std::array<ChartRow, Rows> rows{};
    };

    void buildControls();
    void ShowMemberChart();
    void ShowLeagueChart();
    /// Fills every panel from the rows of a source's standings.
    void fillPanels(int source, bool withTies);

    std::array<Panel, Divisions> m_panels{};
    QLabel* MemberBox = nullptr;
    UpDown* memSpin = nullptr;
    QPushButton* cmdVEK = nullptr;
    QPushButton* cmdOk = nullptr;

    int m_member = 0;
};

} // namespace vek
