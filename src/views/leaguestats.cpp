#include "views/leaguestats.h"

#include "session/poolsession.h"
#include "views/figuretexts.h"
#include "views/viewdata.h"
#include "widgets/controls.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

using namespace controls;

namespace {

/// A row of the breakdown: its heading, the names of its three label arrays and its record fields.
struct BreakdownRow {
    const char* heading;
    const char* wins;
    const char* losses;
    const char* ties;
    int16_t TeamStanding::*winsField;
    int16_t TeamStanding::*lossesField;
    int16_t TeamStanding::*tiesField;
};

constexpr std::array<BreakdownRow, LeagueStats::BreakdownRows> Breakdown{{
    {"Record", "RecWins", "RecLoss", "RecTie", &TeamStanding::wins, &TeamStanding::losses,
     &TeamStanding::ties},
    {"Within Conference", "InConfWins", "InConfLoss", "InConfTie", &TeamStanding::inConfWins,
     &TeamStanding::inConfLosses, &TeamStanding::inConfTies},
    {"Outside Conference", "OutConfWins", "OutConfLoss", "OutConfTie", &TeamStanding::outConfWins,
     &TeamStanding::outConfLosses, &TeamStanding::outConfTies},
    {"With Division", "InDivWins", "InDivLoss", "InDivTie", &TeamStanding::inDivWins,
     &TeamStanding::inDivLosses, &TeamStanding::inDivTies},
    {"Outside Division", "OutDivWins", "OutDivLoss", "OutDivTie", &TeamStanding::outDivWins,
     &TeamStanding::outDivLosses, &TeamStanding::outDivTies},
    {"On The Road", "OnRoadWins", "OnRoadLoss", "OnRoadTie", &TeamStanding::roadWins,
     &TeamStanding::roadLosses, &TeamStanding::roadTies},
    {"At Home", "AtHomeWins", "AtHomeLoss", "AtHomeTie", &TeamStanding::homeWins, &TeamStanding::homeLosses,
     &TeamStanding::homeTies},
}};

} // namespace

LeagueStats::LeagueStats(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("LeagueStats"));
    setWindowTitle(QStringLiteral("League Statistics"));
    buildControls();
}

void LeagueStats::buildControls() {
    const int count = widthFor(this, {QStringLiteral("0000")});
    QStringList headings;
    for (const BreakdownRow& row : Breakdown) {
        headings << QString::fromLatin1(row.heading);
    }
    const int headingWidth = widthFor(this, headings);

    // The breakdown: row headings on the left, a team's wins, losses and ties in each column.
    auto* breakdown = new QGridLayout;
    breakdown->setHorizontalSpacing(2);
    breakdown->setVerticalSpacing(2);
    MemberBox = makeBox(this, QStringLiteral("MemberBox"), headingWidth);
    setColours(MemberBox, LightGreen, Black);
    MemberSpin = makeUpDown(this, QStringLiteral("MemberSpin"));
    DivConfBox = makeBox(this, QStringLiteral("DivConfBox"), 3 * count * TeamColumns / 2);
    setColours(DivConfBox, LightGreen, Black);
    DivConfSpin = makeUpDown(this, QStringLiteral("DivConfSpin"));
    DivConfSpin->setRange(0, Divisions - 1);
    auto* member = new QHBoxLayout;
    member->addWidget(MemberBox);
    member->addWidget(MemberSpin);
    member->addStretch();
    auto* division = new QHBoxLayout;
    division->addStretch();
    division->addWidget(DivConfBox);
    division->addWidget(DivConfSpin);
    division->addStretch();
    breakdown->addLayout(member, 0, 0);
    breakdown->addLayout(division, 0, 1, 1, 3 * TeamColumns + TeamColumns - 1);
    for (int r = 0; r < BreakdownRows; ++r) {
        QLabel* heading = makeText(this, QString::fromLatin1(Breakdown[r].heading));
        heading->setFixedHeight(BoxHeight);
        breakdown->addWidget(heading, 2 + r, 0);
    }
    for (int c = 0; c < TeamColumns; ++c) {
        TeamColumn& column = m_columns[c];
        const int first = 1 + 4 * c; // three cells and a gap a team
        column.TeamName = makeBox(this, QStringLiteral("TeamName%1").arg(c), 3 * count + 4);
        setColours(column.TeamName, LightCyan, Black);
        breakdown->addWidget(column.TeamName, 1, first, 1, 3);
        for (int r = 0; r < BreakdownRows; ++r) {
            Cell& cell = column.rows[r];
            const BreakdownRow& row = Breakdown[r];
            cell.wins = makeBox(this, QString::fromLatin1(row.wins) + QString::number(c), count);
            cell.losses = makeBox(this, QString::fromLatin1(row.losses) + QString::number(c), count);
            cell.ties = makeBox(this, QString::fromLatin1(row.ties) + QString::number(c), count);
            breakdown->addWidget(cell.wins, 2 + r, first);
            breakdown->addWidget(cell.losses, 2 + r, first + 1);
            breakdown->addWidget(cell.ties, 2 + r, first + 2);
        }
        breakdown->setColumnMinimumWidth(first, count);
        breakdown->setColumnMinimumWidth(first + 1, count);
        breakdown->setColumnMinimumWidth(first + 2, count);
        if (c + 1 < TeamColumns) {
            breakdown->setColumnMinimumWidth(first + 3, 8);
        }
    }
    connect(MemberSpin, &QSpinBox::valueChanged, this, [this](int value) {
        memberChoice = value;
        ShowDivisionStats();
    });
    connect(DivConfSpin, &QSpinBox::valueChanged, this, [this](int value) {
        divisionChoice = value;
        ShowDivisionStats();
    });

    const int total = widthFor(this, {QStringLiteral("000000")});
    const auto totalsFrame = [&](const QString& name, const QString& caption,
                                 std::initializer_list<std::tuple<QString, QString, QLabel**>> boxes) {
        QGroupBox* frame = makeFrame(this, name, caption);
        auto* grid = new QGridLayout(frame);
        int c = 0;
        for (const auto& [heading, boxName, box] : boxes) {
            grid->addWidget(makeHeading(frame, heading), 0, c);
            *box = makeBox(frame, boxName, total);
            grid->addWidget(*box, 1, c++);
        }
        return frame;
    };
    QGroupBox* roadHome = totalsFrame(QStringLiteral("RoadHomeFrame"), QStringLiteral("Road vs. Home"),
                                      {{QStringLiteral("Road"), QStringLiteral("RoadTotal"), &RoadTotal},
                                       {QStringLiteral("Home"), QStringLiteral("HomeTotal"), &HomeTotal},
                                       {QStringLiteral("Ties"), QStringLiteral("TieTotal"), &TieTotal}});
    QGroupBox* conferences = totalsFrame(QStringLiteral("AFCNFCFrame"), QStringLiteral("AFC vs. NFC"),
                                         {{QStringLiteral("AFC"), QStringLiteral("AFCWins"), &AFCWins},
                                          {QStringLiteral("NFC"), QStringLiteral("NFCWins"), &NFCWins},
                                          {QStringLiteral("Ties"), QStringLiteral("ANTies"), &ANTies}});

    QGroupBox* percentages =
        makeFrame(this, QStringLiteral("PercentagesFrame"), QStringLiteral("Predictions Percentages"));
    {
        MemNum = makeBox(percentages, QStringLiteral("MemNum"), count);
        chosenSpin = makeUpDown(percentages, QStringLiteral("chosenSpin"));
        wonNum = makeBox(percentages, QStringLiteral("wonNum"), total);
        outOf = makeBox(percentages, QStringLiteral("outOf"), total);
        predPerc =
            makeBox(percentages, QStringLiteral("predPerc"), widthFor(this, {QStringLiteral("100.00%")}));
        auto* line = new QHBoxLayout(percentages);
        line->addWidget(makeText(percentages, QStringLiteral("If a team is chosen by ")));
        line->addWidget(MemNum);
        line->addWidget(chosenSpin);
        line->addWidget(makeText(percentages, QStringLiteral("members")));
        line->addSpacing(8);
        line->addWidget(makeText(percentages, QStringLiteral("that team won")));
        line->addWidget(wonNum);
        line->addWidget(makeText(percentages, QStringLiteral("out of")));
        line->addWidget(outOf);
        line->addWidget(predPerc);
        line->addStretch();
    }
    connect(chosenSpin, &QSpinBox::valueChanged, this, [this](int value) {
        chosenCount = value;
        showPercentages();
    });

    cmdOk = makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* totals = new QHBoxLayout;
    totals->addWidget(roadHome);
    totals->addWidget(conferences);
    totals->addStretch();
    totals->addWidget(cmdOk, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(breakdown);
    layout->addLayout(totals);
    layout->addWidget(percentages);
}

void LeagueStats::loadWindow() {
    const WaitCursor wait;
    bringViewDataUpToDate(m_session);
    const PoolData& pool = m_session.pool();
    m_chosen = chosenCounts(pool);
    chosenCount = std::min(1, pool.memberCount());
    setQuietly(chosenSpin, 0, pool.memberCount(), chosenCount);
    showPercentages();

    memberChoice = pool.defaultMemberIndex();
    divisionChoice = 0;
    setQuietly(MemberSpin, 0, pool.memberCount() + 1, memberChoice);
    setQuietly(DivConfSpin, 0, Divisions - 1, divisionChoice);
    MemberBox->setFixedWidth(std::max(memberNameWidth(this, pool, 0), MemberBox->minimumWidth()));
    ShowDivisionStats();
}

void LeagueStats::showPercentages() {
    const int n = chosenCount;
    const int won = n >= 0 && n < std::ssize(m_chosen.won) ? at(m_chosen.won, n) : 0;
    const int lost = n >= 0 && n < std::ssize(m_chosen.lost) ? at(m_chosen.lost, n) : 0;
    MemNum->setText(QString::number(chosenCount));
    wonNum->setText(QString::number(won));
    outOf->setText(QString::number(won + lost));
    predPerc->setText(percentText(won, won + lost, 2));
}

void LeagueStats::ShowDivisionStats() {
    const PoolData& pool = m_session.pool();
    showName(MemberBox, sourceName(pool, memberChoice));
    DivConfBox->setText(divisionName(divisionChoice));
    setColours(DivConfBox, LightGreen, divisionChoice < 4 ? Blue : Red);

    const std::vector<TeamStanding> rows = standingsOfSource(pool, memberChoice);
    const SourceTotals totals = sourceTotals(pool, rows);
    HomeTotal->setText(QString::number(totals.homeWins));
    RoadTotal->setText(QString::number(totals.roadWins));
    TieTotal->setText(QString::number(totals.ties));
    NFCWins->setText(QString::number(totals.nfcWins));
    AFCWins->setText(QString::number(totals.afcWins));
    ANTies->setText(QString::number(totals.conferenceTies));

    // Only the league's results have ties; the members' and the consensus tables carry none.
    const bool league = isLeagueSource(pool, memberChoice);
    const auto divisions = divisionStandings(pool, rows);
    const std::vector<TeamStanding>& teams = divisions[divisionChoice];
    const int used = std::clamp<int>(pool.divisionRec[divisionChoice].teamCount, 0, TeamColumns);
    for (int c = 0; c < TeamColumns; ++c) {
        const TeamColumn& column = m_columns[c];
        const bool shown = c < used;
        const bool filled = c < std::ssize(teams);
        const TeamStanding standing = filled ? at(teams, c) : TeamStanding{};
        column.TeamName->setVisible(shown);
        column.TeamName->setText(filled ? pool.teamAbbrOf(standing.team) : QString());
        for (int r = 0; r < BreakdownRows; ++r) {
            const Cell& cell = column.rows[r];
            const BreakdownRow& row = Breakdown[r];
            cell.wins->setVisible(shown);
            cell.losses->setVisible(shown);
            cell.ties->setVisible(shown && league);
            cell.wins->setText(filled ? QString::number(standing.*row.winsField) : QString());
            cell.losses->setText(filled ? QString::number(standing.*row.lossesField) : QString());
            cell.ties->setText(filled ? QString::number(standing.*row.tiesField) : QString());
        }
    }
}

} // namespace vek
