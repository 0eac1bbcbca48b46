#include "views/leaguestandings.h"

#include "engine/differencesleft.h"
#include "session/poolsession.h"
#include "views/viewdata.h"
#include "widgets/controls.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {

using namespace controls;

namespace {

constexpr int MinNameWidth = 110;
constexpr int Spacing = 2;

void paintBox(QLabel* box, const QString& text, bool winner) {
    box->setText(text);
    setColours(box, winner ? Red : buttonFace(), winner ? White : Black);
}

/// Lays boxes out with the spacing every frame of the grid shares, so that the frames' rows line up.
QGridLayout* frameGrid(QGroupBox* frame) {
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(Spacing);
    grid->setVerticalSpacing(Spacing);
    grid->setContentsMargins(4, 2, 4, 4);
    return grid;
}

} // namespace

LeagueStandings::LeagueStandings(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("LeagueStandings"));
    setWindowTitle(QStringLiteral("Pool Standings"));
    buildControls();
}

LeagueStandings::~LeagueStandings() = default;

void LeagueStandings::buildControls() {
    QWidget* grid = buildGrid();
    QWidget* panels = buildSidePanels();

    auto* asOf = makeText(this, QStringLiteral("Standings as of week:"), QStringLiteral("lblAsOfWeek"));
    AsOfWeekBox = makeBox(this, QStringLiteral("AsOfWeekBox"), widthFor(this, {QStringLiteral("00")}, 30));
    scrWeek = makeUpDown(this, QStringLiteral("scrWeek"));
    connect(scrWeek, &QSpinBox::valueChanged, this, &LeagueStandings::scrWeekChanged);
    cmdOk = makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(asOf);
    bottom->addWidget(AsOfWeekBox);
    bottom->addWidget(scrWeek);
    bottom->addStretch();
    bottom->addWidget(cmdOk);

    auto* left = new QVBoxLayout;
    left->addWidget(grid);
    left->addLayout(bottom);
    left->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(left);
    layout->addWidget(panels, 0, Qt::AlignTop);
}

QWidget* LeagueStandings::buildGrid() {
    auto* host = new QWidget(this);
    const int digits = widthFor(this, {QStringLiteral("00000")});
    const int ratio = widthFor(this, {QStringLiteral("0.000"), QStringLiteral("Cpts")});
    const int small = widthFor(this, {QStringLiteral("000"), QStringLiteral("e/t")});
    // Odds of 5 and more are whole numbers, and a pool of many members has long ones.
    const int odds =
        widthFor(this, {QStringLiteral("n/a"), QStringLiteral("Odds"), QStringLiteral("000000")});
    const int balance = widthFor(this, {QStringLiteral("-0000000")});

    // Each frame: a heading row, then the twelve lines.
    const auto buildFrame =
        [&](QGroupBox* frame,
            std::initializer_list<std::tuple<QString, QString, QString, int, QLabel * Line::*>> columns) {
            QGridLayout* g = frameGrid(frame);
            int c = 0;
            for (const auto& [heading, headingName, boxName, width, member] : columns) {
                QLabel* head = makeHeading(frame, heading, headingName);
                head->setFixedHeight(BoxHeight);
                g->addWidget(head, 0, c);
                g->setColumnMinimumWidth(c, width);
                for (int i = 0; i < Lines; ++i) {
                    QLabel* box = makeBox(frame, boxName + QString::number(i), width);
                    m_lines[i].*member = box;
                    g->addWidget(box, 1 + i, c);
                }
                ++c;
            }
            return g;
        };

    memberFrame = makeFrame(host, QStringLiteral("memberFrame"), QStringLiteral("Member"));
    buildFrame(memberFrame, {{QStringLiteral("Odds"), QStringLiteral("lblOdds"), QStringLiteral("OddsBox"),
                              odds, &Line::OddsBox},
                             {QStringLiteral("Name"), QStringLiteral("lblName"), QStringLiteral("MemBox"),
                              MinNameWidth, &Line::MemBox}});
    for (const Line& line : m_lines) {
        line.MemBox->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    seasonFrame = makeFrame(host, QStringLiteral("seasonFrame"), QStringLiteral("Season"));
    buildFrame(
        seasonFrame,
        {{QStringLiteral("W"), QString(), QStringLiteral("SWBox"), digits, &Line::SWBox},
         {QStringLiteral("L"), QString(), QStringLiteral("SLBox"), digits, &Line::SLBox},
         {QStringLiteral("%"), QStringLiteral("pnlSPerc"), QStringLiteral("SPBox"), ratio, &Line::SPBox},
         {QStringLiteral("gb"), QString(), QStringLiteral("SGBBox"), small, &Line::SGBBox},
         {QStringLiteral("e/t"), QStringLiteral("pnlSeasonET"), QStringLiteral("SETBox"), small,
          &Line::SETBox}});
    pnlSPerc = seasonFrame->findChild<QLabel*>(QStringLiteral("pnlSPerc"));
    pnlSeasonET = seasonFrame->findChild<QLabel*>(QStringLiteral("pnlSeasonET"));

    QtrHalfFrame = makeFrame(host, QStringLiteral("QtrHalfFrame"), QStringLiteral("Quarter"));
    buildFrame(
        QtrHalfFrame,
        {{QStringLiteral("W"), QString(), QStringLiteral("QHWBox"), digits, &Line::QHWBox},
         {QStringLiteral("L"), QString(), QStringLiteral("QHLBox"), digits, &Line::QHLBox},
         {QStringLiteral("%"), QStringLiteral("pnlQHPerc"), QStringLiteral("QHPBox"), ratio, &Line::QHPBox},
         {QStringLiteral("gb"), QString(), QStringLiteral("QHGBBox"), small, &Line::QHGBBox},
         {QStringLiteral("e/t"), QStringLiteral("pnlQtrHalfET"), QStringLiteral("QHETBox"), small,
          &Line::QHETBox}});
    pnlQHPerc = QtrHalfFrame->findChild<QLabel*>(QStringLiteral("pnlQHPerc"));
    pnlQtrHalfET = QtrHalfFrame->findChild<QLabel*>(QStringLiteral("pnlQtrHalfET"));

    Frame4 = makeFrame(host, QStringLiteral("Frame4"), QStringLiteral("Week"));
    buildFrame(Frame4, {{QStringLiteral("W"), QString(), QStringLiteral("WWBox"), digits, &Line::WWBox},
                        {QStringLiteral("L"), QStringLiteral("pnlWeekL"), QStringLiteral("WLBox"), ratio,
                         &Line::WLBox}});
    pnlWeekL = Frame4->findChild<QLabel*>(QStringLiteral("pnlWeekL"));

    Frame5 = makeFrame(host, QStringLiteral("Frame5"), QStringLiteral("Balance"));
    buildFrame(Frame5, {{QString(), QString(), QStringLiteral("PtsBox"), balance, &Line::PtsBox}});
    for (const Line& line : m_lines) {
        line.PtsBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    MemScroll = new QScrollBar(Qt::Vertical, host);
    MemScroll->setObjectName(QStringLiteral("MemScroll"));
    connect(MemScroll, &QScrollBar::valueChanged, this, &LeagueStandings::memScrollChanged);

    // The totals frames under the frames they sum: the "Totals" line, then "Game Behind Points".
    const auto totalsFrame = [&](const QString& name, QGroupBox* above) {
        auto* frame = makeFrame(host, name, QString());
        QGridLayout* g = frameGrid(frame);
        const auto* aboveGrid = static_cast<QGridLayout*>(above->layout());
        for (int c = 0; c < aboveGrid->columnCount(); ++c) {
            g->setColumnMinimumWidth(c, aboveGrid->columnMinimumWidth(c));
        }
        return g;
    };
    const auto totalBox = [&](QWidget* parent, const QString& name, int width) {
        QLabel* box = makeBox(parent, name, width);
        setColours(box, buttonFace(), Black);
        return box;
    };

    auto* labelsFrame = makeFrame(host, QStringLiteral("TotalLabelsFrame"), QString());
    QGridLayout* labels = frameGrid(labelsFrame);
    for (int row = 0; row < 2; ++row) {
        QLabel* text =
            makeText(labelsFrame, row == 0 ? QStringLiteral("Totals") : QStringLiteral("Game Behind Points"));
        text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        text->setFixedHeight(BoxHeight);
        labels->addWidget(text, row, 0);
    }

    QGridLayout* season = totalsFrame(QStringLiteral("SeasonTotalFrame"), seasonFrame);
    SeasonTotalFrame = static_cast<QGroupBox*>(season->parentWidget());
    SWtotBox = totalBox(SeasonTotalFrame, QStringLiteral("SWtotBox"), digits);
    SLtotBox = totalBox(SeasonTotalFrame, QStringLiteral("SLtotBox"), digits);
    SPtotBox = totalBox(SeasonTotalFrame, QStringLiteral("SPtotBox"), ratio);
    SGBtotBox = totalBox(SeasonTotalFrame, QStringLiteral("SGBtotBox"), ratio + Spacing + 2 * small);
    season->addWidget(SWtotBox, 0, 0);
    season->addWidget(SLtotBox, 0, 1);
    season->addWidget(SPtotBox, 0, 2);
    season->addWidget(SGBtotBox, 1, 2, 1, 3, Qt::AlignLeft);

    QGridLayout* period = totalsFrame(QStringLiteral("QtrHalfTotalFrame"), QtrHalfFrame);
    QtrHalfTotalFrame = static_cast<QGroupBox*>(period->parentWidget());
    QHWtotBox = totalBox(QtrHalfTotalFrame, QStringLiteral("QHWtotBox"), digits);
    QHLtotBox = totalBox(QtrHalfTotalFrame, QStringLiteral("QHLtotBox"), digits);
    QHPtotBox = totalBox(QtrHalfTotalFrame, QStringLiteral("QHPtotBox"), ratio);
    QHGBtotBox = totalBox(QtrHalfTotalFrame, QStringLiteral("QHGBtotBox"), ratio + Spacing + 2 * small);
    cmdQtr = makeButton(QtrHalfTotalFrame, QStringLiteral("cmdQtr"), QStringLiteral("Qtr"));
    cmdHalf = makeButton(QtrHalfTotalFrame, QStringLiteral("cmdHalf"), QStringLiteral("Half"));
    for (QPushButton* button : {cmdQtr, cmdHalf}) {
        button->setFixedSize(digits, BoxHeight);
    }
    connect(cmdQtr, &QPushButton::clicked, this, &LeagueStandings::cmdQtrClicked);
    connect(cmdHalf, &QPushButton::clicked, this, &LeagueStandings::cmdHalfClicked);
    period->addWidget(QHWtotBox, 0, 0);
    period->addWidget(QHLtotBox, 0, 1);
    period->addWidget(QHPtotBox, 0, 2);
    period->addWidget(cmdQtr, 1, 0);
    period->addWidget(cmdHalf, 1, 1);
    period->addWidget(QHGBtotBox, 1, 2, 1, 3, Qt::AlignLeft);

    QGridLayout* week = totalsFrame(QStringLiteral("Frame8"), Frame4);
    Frame8 = static_cast<QGroupBox*>(week->parentWidget());
    WWtotBox = totalBox(Frame8, QStringLiteral("WWtotBox"), digits);
    WLtotBox = totalBox(Frame8, QStringLiteral("WLtotBox"), ratio);
    week->addWidget(WWtotBox, 0, 0);
    week->addWidget(WLtotBox, 0, 1);
    week->setRowMinimumHeight(1, BoxHeight);

    auto* layout = new QGridLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(2);
    layout->addWidget(memberFrame, 0, 0);
    layout->addWidget(seasonFrame, 0, 1);
    layout->addWidget(QtrHalfFrame, 0, 2);
    layout->addWidget(Frame4, 0, 3);
    layout->addWidget(Frame5, 0, 4);
    layout->addWidget(MemScroll, 0, 5);
    layout->addWidget(labelsFrame, 1, 0);
    layout->addWidget(SeasonTotalFrame, 1, 1);
    layout->addWidget(QtrHalfTotalFrame, 1, 2);
    layout->addWidget(Frame8, 1, 3, Qt::AlignTop);
    return host;
}

QWidget* LeagueStandings::buildSidePanels() {
    auto* host = new QWidget(this);
    const int small = widthFor(this, {QStringLiteral("000")});
    const int points = widthFor(this, {QStringLiteral("000000"), QStringLiteral("PSPts")});
    const int team = widthFor(this, {QStringLiteral("Big Game"), QStringLiteral("WWWWWW")});

    using Boxes = std::initializer_list<std::tuple<QString, QString, QLabel**, int>>;
    // A panel's figures: one heading row, one row of values, each box at least as wide as its heading.
    const auto boxWidth = [this](const QString& heading, int width) {
        return widthFor(this, {heading}, width);
    };
    const auto panelRow = [&](QGroupBox* frame, QGridLayout* g, int row, Boxes boxes) {
        int c = 0;
        for (const auto& [heading, name, box, width] : boxes) {
            QLabel* head =
                makeHeading(frame, heading, heading.isEmpty() ? QString() : QStringLiteral("lbl") + name);
            g->addWidget(head, row, c);
            *box = makeBox(frame, name, boxWidth(heading, width));
            g->addWidget(*box, row + 1, c);
            ++c;
        }
    };
    // A member's name takes a line above the figures and no more room than they do, so that the panels
    // stay narrow enough for the window to fit the screen; a longer name is cut. `columns` figures from
    // the first.
    const auto nameWidth = [&](Boxes boxes, int columns) {
        int width = -Spacing;
        for (const auto& [heading, name, box, minimum] : boxes) {
            if (columns-- > 0) {
                width += boxWidth(heading, minimum) + Spacing;
            }
        }
        return width;
    };

    // The two members' names with their choosers over the figures, the choosers in the last column.
    frmDiff = makeFrame(host, QStringLiteral("frmDiff"), QStringLiteral("Differences"));
    {
        const Boxes figures{{QStringLiteral("Season"), QStringLiteral("SDiffBox"), &SDiffBox, small},
                            {QStringLiteral("Half"), QStringLiteral("HDiffBox"), &HDiffBox, small},
                            {QStringLiteral("Quarter"), QStringLiteral("QDiffBox"), &QDiffBox, small},
                            {QStringLiteral("Week"), QStringLiteral("WDiffBox"), &WDiffBox, small}};
        QGridLayout* g = frameGrid(frmDiff);
        const int width = nameWidth(figures, 3);
        DiffMem1Box = makeBox(frmDiff, QStringLiteral("DiffMem1Box"), width, Qt::AlignLeft);
        DiffMem2Box = makeBox(frmDiff, QStringLiteral("DiffMem2Box"), width, Qt::AlignLeft);
        scrDiffMem1 = makeUpDown(frmDiff, QStringLiteral("scrDiffMem1"));
        scrDiffMem2 = makeUpDown(frmDiff, QStringLiteral("scrDiffMem2"));
        g->addWidget(DiffMem1Box, 0, 0, 1, 3);
        g->addWidget(scrDiffMem1, 0, 3, Qt::AlignLeft);
        g->addWidget(DiffMem2Box, 1, 0, 1, 3);
        g->addWidget(scrDiffMem2, 1, 3, Qt::AlignLeft);
        panelRow(frmDiff, g, 2, figures);
        g->setColumnStretch(4, 1);
        connect(scrDiffMem1, &QSpinBox::valueChanged, this, [this](int v) { scrDiffMemChanged(true, v); });
        connect(scrDiffMem2, &QSpinBox::valueChanged, this, [this](int v) { scrDiffMemChanged(false, v); });
    }

    // The heading "Name" with the chooser at its end, the name, the figures.
    const auto memberPanel = [&](QGroupBox*& frame, const QString& name, const QString& caption,
                                 QLabel*& nameBox, const QString& nameBoxName, Boxes figures,
                                 UpDown*& chooser, const QString& chooserName) {
        frame = makeFrame(host, name, caption);
        QGridLayout* g = frameGrid(frame);
        const int columns = static_cast<int>(figures.size());
        g->addWidget(
            makeHeading(frame, QStringLiteral("Name"), QStringLiteral("lbl") + nameBoxName, Qt::AlignLeft), 0,
            0, 1, columns);
        chooser = makeUpDown(frame, chooserName);
        g->addWidget(chooser, 0, 0, 1, columns, Qt::AlignRight);
        nameBox = makeBox(frame, nameBoxName, nameWidth(figures, columns), Qt::AlignLeft);
        g->addWidget(nameBox, 1, 0, 1, columns);
        panelRow(frame, g, 2, figures);
        g->setColumnStretch(columns, 1);
    };
    memberPanel(WildChoiceFrame, QStringLiteral("WildChoiceFrame"), QStringLiteral("Wild Choices"), WCmemBox,
                QStringLiteral("WCmemBox"),
                {{QStringLiteral("W"), QStringLiteral("WCWBox"), &WCWBox, small},
                 {QStringLiteral("L"), QStringLiteral("WCLBox"), &WCLBox, small},
                 {QStringLiteral("Left"), QStringLiteral("WCtotBox"), &WCtotBox, small},
                 {QStringLiteral("e/t"), QStringLiteral("WCETBox"), &WCETBox, small},
                 {QStringLiteral("Max"), QStringLiteral("WCMaxBox"), &WCMaxBox, small}},
                scrWCmem, QStringLiteral("scrWCmem"));
    memberPanel(mondayFrame, QStringLiteral("mondayFrame"), QStringLiteral("Monday Nights"), MNmemBox,
                QStringLiteral("MNmemBox"),
                {{QStringLiteral("W"), QStringLiteral("MNWBox"), &MNWBox, small},
                 {QStringLiteral("L"), QStringLiteral("MNLBox"), &MNLBox, small},
                 {QStringLiteral("e/t"), QStringLiteral("MNETBox"), &MNETBox, small},
                 {QStringLiteral("Max"), QStringLiteral("MNmaxBox"), &MNmaxBox, small}},
                scrMNmem, QStringLiteral("scrMNmem"));
    memberPanel(Over500Frame, QStringLiteral("Over500Frame"), QStringLiteral("Over 50% In A Row"), O5memBox,
                QStringLiteral("O5memBox"),
                {{QStringLiteral("Strk"), QStringLiteral("O5CBox"), &O5CBox, small},
                 {QStringLiteral("Lead"), QStringLiteral("O5leadBox"), &O5leadBox, small},
                 {QStringLiteral("e/t"), QStringLiteral("O5ETBox"), &O5ETBox, small},
                 {QStringLiteral("Max"), QStringLiteral("O5maxBox"), &O5maxBox, small}},
                scrO5mem, QStringLiteral("scrO5mem"));
    memberPanel(PSFrame, QStringLiteral("PSFrame"), QStringLiteral("Post Season"), PSMemBox,
                QStringLiteral("PSMemBox"),
                {{QStringLiteral("PSPts"), QStringLiteral("PSWBox"), &PSWBox, points},
                 {QStringLiteral("Big Game"), QStringLiteral("SBBox"), &SBBox, team}},
                scrPSmem, QStringLiteral("scrPSmem"));
    lblPSPts = PSFrame->findChild<QLabel*>(QStringLiteral("lblPSWBox"));
    lblBigGame = PSFrame->findChild<QLabel*>(QStringLiteral("lblSBBox"));

    connect(scrWCmem, &QSpinBox::valueChanged, this, [this](int v) {
        wcMember = v;
        ShowWildChoices(wcMember, shownWeek);
    });
    connect(scrMNmem, &QSpinBox::valueChanged, this, [this](int v) {
        mnMember = v;
        ShowMondayNight(mnMember, shownWeek);
    });
    connect(scrO5mem, &QSpinBox::valueChanged, this, [this](int v) {
        o5Member = v;
        ShowOverStreak(o5Member, shownWeek);
    });
    connect(scrPSmem, &QSpinBox::valueChanged, this, [this](int v) {
        psMember = v;
        ShowPostSeason(psMember);
    });

    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QGroupBox* frame : {frmDiff, WildChoiceFrame, mondayFrame, Over500Frame, PSFrame}) {
        layout->addWidget(frame);
    }
    layout->addStretch();
    return host;
}

/// The grid's name boxes are as wide as the longest member name needs, within limits. The side panels'
/// keep their width and cut a long name, so that the window stays on the screen.
void LeagueStandings::sizeNameBoxes() {
    const int width = memberNameWidth(this, m_session.pool(), MinNameWidth);
    for (const Line& line : m_lines) {
        line.MemBox->setFixedWidth(width);
    }
    static_cast<QGridLayout*>(memberFrame->layout())->setColumnMinimumWidth(1, width);
}

// ---- Load --------------------------------------------------------------------------------------------

void LeagueStandings::loadWindow() {
    const WaitCursor wait;
    PoolData& pool = m_session.pool();
    const int members = pool.memberCount();

    // 1. Caption and headings by the scoring mode.
    const bool byPoints = pool.confidenceMode != 0;
    setWindowTitle(standingsCaption(pool));
    pnlSPerc->setText(byPoints ? QStringLiteral("Cpts") : QStringLiteral("%"));
    pnlQHPerc->setText(byPoints ? QStringLiteral("Cpts") : QStringLiteral("%"));
    pnlWeekL->setText(byPoints ? QStringLiteral("Cpts") : QStringLiteral("L"));
    pnlSeasonET->setVisible(!byPoints);
    pnlQtrHalfET->setVisible(!byPoints);
    sizeNameBoxes();

    // 3. Lines without a member.
    for (int i = 0; i < Lines; ++i) {
        for (QLabel* box : m_lines[i].boxes()) {
            box->setVisible(i < members);
        }
        // With confidence points nothing is eliminated by points: the e/t columns go with their headings.
        m_lines[i].SETBox->setVisible(i < members && !byPoints);
        m_lines[i].QHETBox->setVisible(i < members && !byPoints);
    }

    // 4. Events without points.
    const bool seasonUsed = pool.seasonPoints != 0 || pool.seasonGbPoints != 0;
    const bool halfUsed = pool.halfPoints != 0 || pool.halfGbPoints != 0;
    const bool quarterUsed = pool.quarterPoints != 0 || pool.quarterGbPoints != 0;
    seasonFrame->setVisible(seasonUsed);
    SeasonTotalFrame->setVisible(seasonUsed);
    QtrHalfFrame->setVisible(halfUsed || quarterUsed);
    QtrHalfTotalFrame->setVisible(halfUsed || quarterUsed);
    cmdQtr->setVisible(halfUsed && quarterUsed);
    cmdHalf->setVisible(halfUsed && quarterUsed);
    WildChoiceFrame->setVisible(pool.wildChoicePoints != 0);
    Over500Frame->setVisible(pool.over50Points != 0);
    mondayFrame->setVisible(pool.mondayNightPoints != 0);
    lblPSPts->setVisible(pool.postSeasonPoints != 0);
    PSWBox->setVisible(pool.postSeasonPoints != 0);
    lblBigGame->setVisible(pool.bigGamePoints != 0);
    SBBox->setVisible(pool.bigGamePoints != 0);

    // 5. The side panels' members.
    const int lastMember = std::max(members - 1, 0);
    const int defaultMember = pool.defaultMemberIndex();
    wcMember = defaultMember;
    diffMember1 = 0;
    diffMember2 = defaultMember == 0 ? 1 : defaultMember;
    o5Member = defaultMember;
    psMember = defaultMember;
    mnMember = defaultMember;
    setQuietly(scrWCmem, 0, lastMember, wcMember);
    setQuietly(scrDiffMem1, 0, lastMember, diffMember1);
    setQuietly(scrDiffMem2, 0, lastMember, diffMember2);
    setQuietly(scrO5mem, 0, lastMember, o5Member);
    setQuietly(scrPSmem, 0, lastMember, psMember);
    setQuietly(scrMNmem, 0, lastMember, mnMember);

    // 6. The scoring of every week, each week in standings order.
    scoreSortedStandings(m_session);
    m_diffs.reset();
    if (pool.weeklyPicks == 0 && members >= 2) {
        m_diffs = std::make_unique<DifferencesLeft>(pool);
    }

    // 7. Paging through the members.
    {
        const QSignalBlocker block(MemScroll);
        MemScroll->setRange(0, std::max(members - Lines, 0));
        MemScroll->setPageStep(Lines);
        MemScroll->setValue(0);
        MemScroll->setEnabled(members > Lines);
    }
    firstRow = 0;
    lastRow = members > Lines ? Lines - 1 : members - 1;

    // 8. The last week with results; a pool without any shows its first week, empty.
    shownWeek = std::clamp<int>(pool.currentWeek, 0, WeekSlots - 1);
    setQuietly(scrWeek, 0, shownWeek, shownWeek);

    ShowStandingsGrid(shownWeek);
}

// ---- The grid ----------------------------------------------------------------------------------------

void LeagueStandings::ShowStandingsGrid(int week) {
    const PoolData& pool = m_session.pool();
    AsOfWeekBox->setText(QString::number(week + 1));

    currentPeriod = periodsOfWeek(pool, week, currentPeriod);
    if (const QString caption = periodCaption(pool, week, periodToggle); !caption.isEmpty()) {
        QtrHalfFrame->setTitle(caption);
    }
    seasonFrame->setTitle(seasonCaption(pool, week));

    const WeekLeaders leaders = leadersOfWeek(pool, week, currentPeriod);
    for (int r = firstRow; r <= lastRow; ++r) {
        paintLine(r - firstRow, standingsLine(pool, week, r, currentPeriod, periodToggle, leaders));
    }
    paintTotals(columnSums(pool, week, currentPeriod), gamesBehindTotals(pool, week, currentPeriod, leaders));

    const bool differences = pool.weeklyPicks == 0 && pool.memberCount() >= 2;
    frmDiff->setVisible(differences);
    if (differences) {
        ShowPickDifferences(diffMember1, diffMember2);
    }
    ShowWildChoices(wcMember, week);
    ShowMondayNight(mnMember, week);
    ShowOverStreak(o5Member, week);
    PSFrame->setVisible(showsPostSeason(pool, week));
    if (PSFrame->isVisibleTo(this)) {
        ShowPostSeason(psMember);
    }
}

void LeagueStandings::paintLine(int i, const StandingsLine& f) {
    const PoolData& pool = m_session.pool();
    const Line& line = m_lines[i];
    const bool byPoints = pool.confidenceMode != 0;

    paintBox(line.OddsBox, memberOddsText(pool, f.member), false);
    showName(line.MemBox, pool.memberName[f.member]);
    setColours(line.MemBox, f.wonAnyEvent ? Red : buttonFace(), f.wonAnyEvent ? White : Black);

    paintBox(line.SWBox, QString::number(f.season.wins), f.wonSeason);
    paintBox(line.SLBox, QString::number(f.season.losses), f.wonSeason);
    paintBox(line.SPBox,
             byPoints ? QString::number(f.season.cp) : winRatioText(f.season.wins, f.season.losses),
             f.wonSeason);
    paintBox(line.SGBBox, QString::number(f.seasonBehind), f.wonSeason);
    paintBox(line.SETBox, byPoints ? QString() : contestMark(f.seasonStatus), f.wonSeason);

    paintBox(line.QHWBox, QString::number(f.period.wins), f.wonPeriod);
    paintBox(line.QHLBox, QString::number(f.period.losses), f.wonPeriod);
    paintBox(line.QHPBox,
             byPoints ? QString::number(f.period.cp) : winRatioText(f.period.wins, f.period.losses),
             f.wonPeriod);
    paintBox(line.QHGBBox, QString::number(f.periodBehind), f.wonPeriod);
    paintBox(line.QHETBox, byPoints ? QString() : contestMark(f.periodStatus), f.wonPeriod);

    paintBox(line.WWBox, QString::number(f.weekWins), f.wonWeekEvent);
    paintBox(line.WLBox, QString::number(byPoints ? f.weekCp : f.weekLosses), f.wonWeekEvent);

    // A balance takes the colour of the figure shown, so a balance that rounds to 0 is never red.
    const int sign = balanceSign(f.balance);
    line.PtsBox->setText(balanceText(f.balance));
    setColours(line.PtsBox, buttonFace(), sign < 0 ? Red : sign > 0 ? Navy : Black);
}

void LeagueStandings::paintTotals(const ColumnSums& sums, const GamesBehindTotals& gamesBehind) {
    const PoolData& pool = m_session.pool();
    const bool byPoints = pool.confidenceMode != 0;
    const bool quarters = periodToggle == PeriodKind::Quarter;
    SWtotBox->setText(QString::number(sums.seasonWins));
    SLtotBox->setText(QString::number(sums.seasonLosses));
    SPtotBox->setText(winRatioText(sums.seasonWins, sums.seasonLosses));
    SGBtotBox->setText(byPoints ? QString() : QString::number(gamesBehind.season));
    const int periodWins = quarters ? sums.quarterWins : sums.halfWins;
    const int periodLosses = quarters ? sums.quarterLosses : sums.halfLosses;
    QHWtotBox->setText(QString::number(periodWins));
    QHLtotBox->setText(QString::number(periodLosses));
    QHPtotBox->setText(winRatioText(periodWins, periodLosses));
    QHGBtotBox->setText(byPoints ? QString()
                                 : QString::number(quarters ? gamesBehind.quarter : gamesBehind.half));
    WWtotBox->setText(QString::number(sums.weekWins));
    WLtotBox->setText(QString::number(sums.weekLosses));
}

// ---- Side panels -------------------------------------------------------------------------------------

void LeagueStandings::ShowPickDifferences(int member1, int member2) {
    const PoolData& pool = m_session.pool();
    showName(DiffMem1Box, pool.memberName[member1]);
    showName(DiffMem2Box, pool.memberName[member2]);
    DifferencesAhead ahead;
    if (m_diffs) {
        ahead = differencesAhead(pool, *m_diffs, shownWeek, currentPeriod, member1, member2);
    }
    SDiffBox->setText(QString::number(ahead.season));
    HDiffBox->setText(QString::number(ahead.half));
    QDiffBox->setText(QString::number(ahead.quarter));
    WDiffBox->setText(ahead.nextWeek ? QString::number(*ahead.nextWeek) : QStringLiteral("  "));
}

namespace {

/// Paints a panel's name and boxes in the panel's colours: white on red for the event's winner, else
/// blue.
void paintPanel(QLabel* nameBox, const QString& name,
                std::initializer_list<std::pair<QLabel*, QString>> boxes, bool winner) {
    showName(nameBox, name);
    setColours(nameBox, winner ? Red : buttonFace(), winner ? White : Blue);
    for (const auto& [box, text] : boxes) {
        box->setText(text);
        setColours(box, winner ? Red : buttonFace(), winner ? White : Blue);
    }
}

} // namespace

void LeagueStandings::ShowWildChoices(int member, int week) {
    const PoolData& pool = m_session.pool();
    const QString name = member < pool.memberCount() ? pool.memberName[member] : QString();
    const auto figures = wildChoicesFigures(pool, week, member);
    const auto f = figures.value_or(WildChoicesFigures{});
    const auto number = [&figures](int value) { return figures ? QString::number(value) : QString(); };
    paintPanel(WCmemBox, name,
               {{WCWBox, number(f.wins)},
                {WCLBox, number(f.losses)},
                {WCtotBox, number(f.left)},
                {WCETBox, figures ? contestMark(f.status) : QString()},
                {WCMaxBox, number(f.most)}},
               f.won);
}

void LeagueStandings::ShowMondayNight(int member, int week) {
    const PoolData& pool = m_session.pool();
    const QString name = member < pool.memberCount() ? pool.memberName[member] : QString();
    const auto figures = mondayNightFigures(pool, week, member);
    const auto f = figures.value_or(MondayNightFigures{});
    const auto number = [&figures](int value) { return figures ? QString::number(value) : QString(); };
    paintPanel(MNmemBox, name,
               {{MNWBox, number(f.wins)},
                {MNLBox, number(f.losses)},
                {MNETBox, figures ? contestMark(f.status) : QString()},
                {MNmaxBox, number(f.most)}},
               f.won);
}

void LeagueStandings::ShowOverStreak(int member, int week) {
    const PoolData& pool = m_session.pool();
    const QString name = member < pool.memberCount() ? pool.memberName[member] : QString();
    const auto figures = overStreakFigures(pool, week, member);
    const auto f = figures.value_or(OverStreakFigures{});
    const auto number = [&figures](int value) { return figures ? QString::number(value) : QString(); };
    paintPanel(O5memBox, name,
               {{O5CBox, number(f.streak)},
                {O5leadBox, f.leads ? QStringLiteral("Y") : QStringLiteral(" ")},
                {O5ETBox, figures ? contestMark(f.status) : QString()},
                {O5maxBox, number(f.most)}},
               f.won);
}

void LeagueStandings::ShowPostSeason(int member) {
    const PoolData& pool = m_session.pool();
    const QString name = member < pool.memberCount() ? pool.memberName[member] : QString();
    const auto figures = postSeasonFigures(pool, member);
    const auto f = figures.value_or(PostSeasonFigures{});
    paintPanel(PSMemBox, name, {}, f.wonPostSeason || f.wonBigGame);
    paintBox(PSWBox, figures ? QString::number(f.points) : QString(), f.wonPostSeason);
    paintBox(SBBox, figures ? pool.teamAbbrOf(f.bigGamePick) : QString(), f.wonBigGame);
}

// ---- Handlers ----------------------------------------------------------------------------------------

void LeagueStandings::scrWeekChanged(int value) {
    shownWeek = value;
    AsOfWeekBox->setText(QString::number(shownWeek + 1));
    ShowStandingsGrid(shownWeek);
}

void LeagueStandings::memScrollChanged(int value) {
    firstRow = value;
    lastRow = value + Lines - 1;
    ShowStandingsGrid(shownWeek);
}

void LeagueStandings::cmdQtrClicked() {
    periodToggle = PeriodKind::Quarter;
    ShowStandingsGrid(shownWeek);
}

void LeagueStandings::cmdHalfClicked() {
    periodToggle = PeriodKind::Half;
    ShowStandingsGrid(shownWeek);
}

void LeagueStandings::scrDiffMemChanged(bool first, int value) {
    UpDown* chooser = first ? scrDiffMem1 : scrDiffMem2;
    int& mine = first ? diffMember1 : diffMember2;
    const int other = first ? diffMember2 : diffMember1;
    mine = value;
    // The two members always differ: the chooser moves on to the next member, round to the first.
    if (mine == other) {
        chooser->setValue(value >= chooser->maximum() ? 0 : value + 1);
    }
    ShowPickDifferences(diffMember1, diffMember2);
}

} // namespace vek
