#include "views/teamratings.h"

#include "engine/teamrecord.h"
#include "session/poolsession.h"
#include "views/figuretexts.h"
#include "views/ratingfigures.h"
#include "views/viewdata.h"
#include "widgets/controls.h"
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

constexpr std::array<const char*, 4> Sides{"E", "N", "S", "W"};
constexpr std::array<const char*, 4> SideNames{"East", "North", "South", "West"};

} // namespace

TeamRatings::TeamRatings(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("TeamRatings"));
    setWindowTitle(QStringLiteral("VEK Team Rating"));
    buildControls();
}

void TeamRatings::buildControls() {
    const int teamWidth = widthFor(this, {QStringLiteral("WWWWWW")});
    const int rateWidth = widthFor(this, {QStringLiteral("0000.00")});

    auto* ranking = new QWidget(this);
    m_ranking = new QGridLayout(ranking);
    m_ranking->setContentsMargins(0, 0, 0, 0);
    m_ranking->setHorizontalSpacing(4);
    m_ranking->setVerticalSpacing(2);
    for (int column = 0; column < 2; ++column) {
        m_ranking->addWidget(makeHeading(ranking, QStringLiteral("Team")), 0, 3 * column);
        m_ranking->addWidget(makeHeading(ranking, QStringLiteral("Rating")), 0, 3 * column + 1);
    }
    m_ranking->setColumnMinimumWidth(2, 16);
    for (int r = 0; r < RankRows; ++r) {
        teamBox[r] = makeBox(ranking, QStringLiteral("teamBox%1").arg(r), teamWidth);
        RateBox[r] = makeBox(ranking, QStringLiteral("RateBox%1").arg(r), rateWidth, Qt::AlignRight);
    }

    const int valueWidth = widthFor(this, {QStringLiteral("00000.00")});
    const auto conferenceFrame = [&](const QString& conference, QLabel*& total, QLabel*& average,
                                     int firstDivision) {
        QGroupBox* frame = makeFrame(this, conference + QStringLiteral("Frame"), conference);
        auto* grid = new QGridLayout(frame);
        grid->setVerticalSpacing(2);
        const auto addRow = [&](int row, const QString& caption, const QString& name) {
            grid->addWidget(makeText(frame, caption), row, 0);
            QLabel* box = makeBox(frame, name, valueWidth, Qt::AlignRight);
            grid->addWidget(box, row, 1);
            return box;
        };
        total = addRow(0, QStringLiteral("Total"), conference + QStringLiteral("TotBox"));
        average = addRow(1, QStringLiteral("Average"), conference + QStringLiteral("AveBox"));
        for (int i = 0; i < 4; ++i) {
            divisionAveBox[firstDivision + i] =
                addRow(2 + i, QString::fromLatin1(SideNames[i]) + QStringLiteral(" Average"),
                       conference + QString::fromLatin1(Sides[i]) + QStringLiteral("AveBox"));
        }
        return frame;
    };
    QGroupBox* nfc = conferenceFrame(QStringLiteral("NFC"), NFCTotBox, NFCAveBox, 0);
    QGroupBox* afc = conferenceFrame(QStringLiteral("AFC"), AFCTotBox, AFCAveBox, 4);

    QGroupBox* vek = makeFrame(this, QStringLiteral("VEKFrame"), QStringLiteral("VEK"));
    {
        auto* grid = new QGridLayout(vek);
        grid->addWidget(makeText(vek, QStringLiteral("Average")), 0, 0);
        VEKAveBox = makeBox(vek, QStringLiteral("VEKAveBox"), valueWidth, Qt::AlignRight);
        grid->addWidget(VEKAveBox, 0, 1);
    }

    QGroupBox* scoring = makeFrame(this, QStringLiteral("ScoringFrame"), QStringLiteral("Scoring System"));
    {
        auto* lines = new QVBoxLayout(scoring);
        lines->setSpacing(1);
        for (const char* line : {"1 point for winning game PLUS", "1 point for winning on the road",
                                 "1/2 point for ties PLUS", "1/2 point for ties on the road",
                                 "1 point for every win which opponent has won and subsequently win"}) {
            lines->addWidget(makeText(scoring, QString::fromLatin1(line)));
        }
    }

    cmdOk = makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* conferences = new QHBoxLayout;
    conferences->addWidget(nfc);
    conferences->addWidget(afc);
    auto* side = new QVBoxLayout;
    side->addLayout(conferences);
    side->addWidget(vek);
    side->addWidget(scoring);
    side->addStretch();
    side->addWidget(cmdOk, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(ranking, 0, Qt::AlignTop);
    layout->addSpacing(12);
    layout->addLayout(side);
}

void TeamRatings::loadWindow() {
    const WaitCursor wait;
    bringViewDataUpToDate(m_session);
    CalcTeamRatings();
}

void TeamRatings::CalcTeamRatings() {
    const PoolData& pool = m_session.pool();
    const RatingTable table = teamRatings(pool);
    const int teams = std::min<int>(static_cast<int>(table.ranking.size()), RankRows);
    // Ranks 1 to half the teams (rounded up) read down the left column, the rest down the right.
    const int leftRows = ratingLeftRows(teams);
    for (int r = 0; r < RankRows; ++r) {
        m_ranking->removeWidget(teamBox[r]);
        m_ranking->removeWidget(RateBox[r]);
        const bool used = r < teams;
        teamBox[r]->setVisible(used);
        RateBox[r]->setVisible(used);
        if (!used) {
            continue;
        }
        const int column = r < leftRows ? 0 : 3;
        const int row = 1 + (r < leftRows ? r : r - leftRows);
        m_ranking->addWidget(teamBox[r], row, column);
        m_ranking->addWidget(RateBox[r], row, column + 1);
        const TeamRating& rating = at(table.ranking, r);
        teamBox[r]->setText(pool.teamAbbrOf(rating.team));
        setColours(teamBox[r], inNfc(pool, rating.team) ? Blue : Red, White);
        RateBox[r]->setText(decimalText(rating.rating, 2));
    }
    NFCTotBox->setText(decimalText(table.nfc.total, 2));
    NFCAveBox->setText(averageText(table.nfc));
    AFCTotBox->setText(decimalText(table.afc.total, 2));
    AFCAveBox->setText(averageText(table.afc));
    for (int d = 0; d < Divisions; ++d) {
        divisionAveBox[d]->setText(averageText(table.divisions[d]));
    }
    VEKAveBox->setText(averageText(table.league));
}

} // namespace vek
