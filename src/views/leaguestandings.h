#pragma once

#include "model/pooldata.h"
#include "views/standingsfigures.h"
#include "widgets/poolwindow.h"

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace vek {

class DifferencesLeft;

class UpDown;

/// The pool standings by week, quarter, half and season: twelve ranked members a page with their
/// season, period and week figures and balance, the totals and games-behind points, and five side
/// panels that follow one chosen member each. Each opening rebuilds the scoring from week 0 and sorts
/// every week; the shown week, the period column's mode and the current period live on with the window.
///
/// Control arrays carry their index after the name: `MemBox0`..`MemBox11`, `SWBox0`.., and so on.
class LeagueStandings final : public PoolWindow {
    Q_OBJECT
public:
    static constexpr int Lines = 12;

    explicit LeagueStandings(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
    ~LeagueStandings() override;

protected:
    void loadWindow() override;

private:
    /// One line of the grid: the fifteen boxes of a rank.
    struct Line {
        QLabel* OddsBox = nullptr;
        QLabel* MemBox = nullptr;
        QLabel* SWBox = nullptr;
        QLabel* SLBox = nullptr;
        QLabel* SPBox = nullptr;
        QLabel* SGBBox = nullptr;
        QLabel* SETBox = nullptr;
        QLabel* QHWBox = nullptr;
        QLabel* QHLBox = nullptr;
        QLabel* QHPBox = nullptr;
        QLabel* QHGBBox = nullptr;
        QLabel* QHETBox = nullptr;
        QLabel* WWBox = nullptr;
        QLabel* WLBox = nullptr;
        QLabel* PtsBox = nullptr;

        [[nodiscard]] std::array<QLabel*, 15> boxes() const {
            return {OddsBox, MemBox, SWBox,   SLBox,   SPBox, SGBBox, SETBox, QHWBox,
                    QHLBox,  QHPBox, QHGBBox, QHETBox, WWBox, WLBox,  PtsBox};
        }
    };

    void buildControls();
    QWidget* buildGrid();
    QWidget* buildSidePanels();
    void sizeNameBoxes();

    // The grid and the side panels.
    void ShowStandingsGrid(int week);
    void paintLine(int line, const StandingsLine& figures);
    void paintTotals(const ColumnSums& sums, const GamesBehindTotals& gamesBehind);
    void ShowPickDifferences(int member1, int member2);
    void ShowWildChoices(int member, int week);
    void ShowMondayNight(int member, int week);
    void ShowOverStreak(int member, int week);
    void ShowPostSeason(int member);

    // Handlers.
    void scrWeekChanged(int value);
    void memScrollChanged(int value);
    void cmdQtrClicked();
    void cmdHalfClicked();
    void scrDiffMemChanged(bool first, int value);

    std::array<Line, Lines> m_lines{};

    QGroupBox* memberFrame = nullptr;
    QGroupBox* seasonFrame = nullptr;
    QGroupBox* QtrHalfFrame = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QLabel* pnlSPerc = nullptr;
    QLabel* pnlSeasonET = nullptr;
    QLabel* pnlQHPerc = nullptr;
    QLabel* pnlQtrHalfET = nullptr;
    QLabel* pnlWeekL = nullptr;

    QGroupBox* SeasonTotalFrame = nullptr;
    QGroupBox* QtrHalfTotalFrame = nullptr;
    QGroupBox* Frame8 = nullptr;
    QLabel* SWtotBox = nullptr;
    QLabel* SLtotBox = nullptr;
    QLabel* SPtotBox = nullptr;
    QLabel* SGBtotBox = nullptr;
    QLabel* QHWtotBox = nullptr;
    QLabel* QHLtotBox = nullptr;
    QLabel* QHPtotBox = nullptr;
    QLabel* QHGBtotBox = nullptr;
    QLabel* WWtotBox = nullptr;
    QLabel* WLtotBox = nullptr;
    QPushButton* cmdQtr = nullptr;
    QPushButton* cmdHalf = nullptr;

    QScrollBar* MemScroll = nullptr;
    UpDown* scrWeek = nullptr;
    QLabel* AsOfWeekBox = nullptr;
    QPushButton* cmdOk = nullptr;

    QGroupBox* frmDiff = nullptr;
    QLabel* DiffMem1Box = nullptr;
    QLabel* DiffMem2Box = nullptr;
    QLabel* SDiffBox = nullptr;
    QLabel* HDiffBox = nullptr;
    QLabel* QDiffBox = nullptr;
    QLabel* WDiffBox = nullptr;
    UpDown* scrDiffMem1 = nullptr;
    UpDown* scrDiffMem2 = nullptr;

    QGroupBox* WildChoiceFrame = nullptr;
    QLabel* WCmemBox = nullptr;
    QLabel* WCWBox = nullptr;
    QLabel* WCLBox = nullptr;
    QLabel* WCtotBox = nullptr;
    QLabel* WCETBox = nullptr;
    QLabel* WCMaxBox = nullptr;
    UpDown* scrWCmem = nullptr;

    QGroupBox* mondayFrame = nullptr;
    QLabel* MNmemBox = nullptr;
    QLabel* MNWBox = nullptr;
    QLabel* MNLBox = nullptr;
    QLabel* MNETBox = nullptr;
    QLabel* MNmaxBox = nullptr;
    UpDown* scrMNmem = nullptr;

    QGroupBox* Over500Frame = nullptr;
    QLabel* O5memBox = nullptr;
    QLabel* O5CBox = nullptr;
    QLabel* O5leadBox = nullptr;
    QLabel* O5ETBox = nullptr;
    QLabel* O5maxBox = nullptr;
    UpDown* scrO5mem = nullptr;

    QGroupBox* PSFrame = nullptr;
    QLabel* PSMemBox = nullptr;
    QLabel* lblPSPts = nullptr;
    QLabel* PSWBox = nullptr;
    QLabel* lblBigGame = nullptr;
    QLabel* SBBox = nullptr;
    UpDown* scrPSmem = nullptr;

    // Window state, kept between openings.
    int shownWeek = 0;
    PeriodKind periodToggle = PeriodKind::Quarter;
    int firstRow = 0;
    int lastRow = -1;
    WeekPeriods currentPeriod;
    int diffMember1 = 0;
    int diffMember2 = 0;
    int wcMember = 0;
    int mnMember = 0;
    int o5Member = 0;
    int psMember = 0;
    /// The pairs' differences of the opening, for the Differences panel.
    std::unique_ptr<DifferencesLeft> m_diffs;
};

} // namespace vek
