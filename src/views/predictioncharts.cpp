#include "views/predictioncharts.h"

#include "session/poolsession.h"
#include "views/teamfigures.h"
#include "views/viewdata.h"
#include "widgets/controls.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {

using namespace controls;

namespace {

constexpr std::array<const char*, Divisions> Prefixes{"nfce", "nfcn", "nfcs", "nfcw",
                                                      "afce", "afcn", "afcs", "afcw"};
constexpr std::array<const char*, 4> PanelCaptions{"East", "North", "South", "West"};

/// Shows the title in the box; a name too long for it is cut with an ellipsis before the odds, which
/// always show, and the box's tip then holds the whole title.
void showTitle(QLabel* box, const ChartTitle& title) {
    const QFontMetrics metrics = box->fontMetrics();
    const int room = box->contentsRect().width() - 6 - metrics.horizontalAdvance(title.odds);
    const QString name = metrics.elidedText(title.name, Qt::ElideRight, std::max(room, 0));
    box->setText(name + title.odds);
    box->setToolTip(name == title.name ? QString() : title.text());
}

} // namespace

PredictionCharts::PredictionCharts(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("PredictionCharts"));
    setWindowTitle(QStringLiteral("Prediction Charts"));
    buildControls();
}

void PredictionCharts::buildControls() {
    const int teamWidth = widthFor(this, {QStringLiteral("WWWWWW")});
    const int numberWidth = widthFor(this, {QStringLiteral("00000")});
    auto* conferences = new QGridLayout;
    conferences->setHorizontalSpacing(6);
    for (int d = 0; d < Divisions; ++d) {
        Panel& panel = m_panels[d];
        const QString prefix = QString::fromLatin1(Prefixes[d]);
        panel.frame =
            makeFrame(this, prefix + QStringLiteral("Frame"), QString::fromLatin1(PanelCaptions[d % 4]));
        auto* grid = new QGridLayout(panel.frame);
        grid->setHorizontalSpacing(2);
        grid->setVerticalSpacing(2);
        grid->setContentsMargins(4, 2, 4, 4);
        grid->addWidget(makeHeading(panel.frame, QStringLiteral("W"), prefix + QStringLiteral("WLabel")), 0,
                        1);
        grid->addWidget(makeHeading(panel.frame, QStringLiteral("L"), prefix + QStringLiteral("LLabel")), 0,
                        2);
        panel.tiesHeading = makeHeading(panel.frame, QStringLiteral("T"), prefix + QStringLiteral("TLabel"));
        grid->addWidget(panel.tiesHeading, 0, 3);
        for (int r = 0; r < Rows; ++r) {
            ChartRow& row = panel.rows[r];
            row.team = makeBox(panel.frame, prefix + QStringLiteral("Box%1").arg(r), teamWidth);
            setColours(row.team, Blue, White);
            row.wins = makeBox(panel.frame, prefix + QStringLiteral("WBox%1").arg(r), numberWidth);
            row.losses = makeBox(panel.frame, prefix + QStringLiteral("LBox%1").arg(r), numberWidth);
            row.ties = makeBox(panel.frame, prefix + QStringLiteral("TBox%1").arg(r), numberWidth);
            grid->addWidget(row.team, 1 + r, 0);
            grid->addWidget(row.wins, 1 + r, 1);
            grid->addWidget(row.losses, 1 + r, 2);
            grid->addWidget(row.ties, 1 + r, 3);
        }
        // Rows of small divisions leave their place empty, so the panels keep one height.
        grid->setRowStretch(Rows + 1, 1);
        conferences->addWidget(panel.frame, d / 4, 1 + d % 4, Qt::AlignTop);
    }
    auto* nfc = makeText(this, QStringLiteral("NFC"), QStringLiteral("lblNFC"));
    auto* afc = makeText(this, QStringLiteral("AFC"), QStringLiteral("lblAFC"));
    for (QLabel* label : {nfc, afc}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    conferences->addWidget(nfc, 0, 0, Qt::AlignVCenter);
    conferences->addWidget(afc, 1, 0, Qt::AlignVCenter);

    auto* caption = makeText(this, QStringLiteral("Member (Odds)"), QStringLiteral("lblMember"));
    MemberBox = makeBox(this, QStringLiteral("MemberBox"), 240);
    MemberBox->setFixedHeight(2 * BoxHeight - 6);
    setColours(MemberBox, LightGreen, Black);
    memSpin = makeUpDown(this, QStringLiteral("memSpin"));
    connect(memSpin, &QSpinBox::valueChanged, this, [this](int value) {
        m_member = value;
        ShowMemberChart();
    });
    cmdVEK = makeButton(this, QStringLiteral("cmdVEK"), QStringLiteral("VEK"));
    connect(cmdVEK, &QPushButton::clicked, this, &PredictionCharts::ShowLeagueChart);
    cmdOk = makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(MemberBox);
    top->addWidget(memSpin);
    top->addSpacing(12);
    top->addWidget(cmdVEK);
    top->addStretch();
    top->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addLayout(conferences);
}

void PredictionCharts::loadWindow() {
    const WaitCursor wait;
    bringViewDataUpToDate(m_session);
    const PoolData& pool = m_session.pool();
    cmdVEK->setVisible(pool.currentWeek != -1);
    MemberBox->setFixedWidth(
        std::max(memberNameWidth(this, pool, 240) + widthFor(this, {QStringLiteral(" (000000)")}),
                 widthFor(this, {QStringLiteral("VEK Standings")})));
    m_member = pool.defaultMemberIndex();
    setQuietly(memSpin, 0, pool.memberCount(), m_member);
    ShowMemberChart();
}

void PredictionCharts::ShowMemberChart() {
    showTitle(MemberBox, chartTitle(m_session.pool(), m_member));
    fillPanels(m_member, false);
}

void PredictionCharts::ShowLeagueChart() {
    const PoolData& pool = m_session.pool();
    const int league = pool.memberCount() + 1;
    showTitle(MemberBox, chartTitle(pool, league));
    fillPanels(league, true);
}

void PredictionCharts::fillPanels(int source, bool withTies) {
    const PoolData& pool = m_session.pool();
    const auto divisions = divisionStandings(pool, standingsOfSource(pool, source));
    for (int d = 0; d < Divisions; ++d) {
        Panel& panel = m_panels[d];
        panel.tiesHeading->setVisible(withTies);
        const int teams = std::clamp<int>(pool.divisionRec[d].teamCount, 0, Rows);
        for (int r = 0; r < Rows; ++r) {
            const ChartRow& row = panel.rows[r];
            const bool used = r < teams;
            row.team->setVisible(used);
            row.wins->setVisible(used);
            row.losses->setVisible(used);
            row.ties->setVisible(used && withTies);
            const bool filled = r < std::ssize(divisions[d]);
            const TeamStanding standing = filled ? divisions[d][r] : TeamStanding{};
            row.team->setText(filled ? pool.teamAbbrOf(standing.team) : QString());
            row.wins->setText(filled ? QString::number(standing.wins) : QString());
            row.losses->setText(filled ? QString::number(standing.losses) : QString());
            row.ties->setText(filled ? QString::number(standing.ties) : QString());
        }
    }
}

} // namespace vek
