#include "setup/seasonaldata.h"

#include "model/periodtables.h"
#include "session/poolsession.h"
#include "widgets/controls.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {
namespace {

constexpr int ValueWidth = 44;

// A caption and its value on the next row of a frame's grid; returns the value's label.
QLabel* addRow(QGridLayout* grid, const QString& name, const QString& caption) {
    QWidget* frame = grid->parentWidget();
    QLabel* value = controls::makeBox(frame, name, ValueWidth);
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption, frame), row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

} // namespace

SeasonalData::SeasonalData(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("SeasonalData"));
    setWindowTitle(QStringLiteral("Schedule Information"));

    auto* Frame2 = new QGroupBox(QStringLiteral("Team Information"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* teamGrid = new QGridLayout(Frame2);
    numTeams = addRow(teamGrid, QStringLiteral("numTeams"), QStringLiteral("# of teams in the VEK"));
    numByes = addRow(teamGrid, QStringLiteral("numByes"), QStringLiteral("# of bye weeks per team"));
    teamGames = addRow(teamGrid, QStringLiteral("teamGames"), QStringLiteral("# of games each team plays"));

    auto* Frame1 = new QGroupBox(QStringLiteral("Weekly Information"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* weekGrid = new QGridLayout(Frame1);
    sWeeks = addRow(weekGrid, QStringLiteral("sWeeks"), QStringLiteral("Weeks in season:"));
    cWeek = addRow(weekGrid, QStringLiteral("cWeek"), QStringLiteral("Last week of results:"));
    maxGames = addRow(weekGrid, QStringLiteral("maxGames"), QStringLiteral("Maximum games in week:"));
    minGames = addRow(weekGrid, QStringLiteral("minGames"), QStringLiteral("Minimum games in week:"));

    // The chosen week: its number with the spinner, then its games and byes.
    weekSpin = controls::makeUpDown(Frame1, QStringLiteral("weekSpin"));
    inWeek = controls::makeBox(Frame1, QStringLiteral("inWeek"), ValueWidth);
    numGames = controls::makeBox(Frame1, QStringLiteral("numGames"), ValueWidth);
    openDates = controls::makeBox(Frame1, QStringLiteral("openDates"), ValueWidth);
    auto* weekRow = new QGridLayout;
    weekRow->addWidget(new QLabel(QStringLiteral("Week"), Frame1), 0, 0, 1, 2, Qt::AlignCenter);
    weekRow->addWidget(new QLabel(QStringLiteral("Games"), Frame1), 0, 2, Qt::AlignCenter);
    weekRow->addWidget(new QLabel(QStringLiteral("Byes"), Frame1), 0, 3, Qt::AlignCenter);
    weekRow->addWidget(inWeek, 1, 0);
    weekRow->addWidget(weekSpin, 1, 1);
    weekRow->addWidget(numGames, 1, 2);
    weekRow->addWidget(openDates, 1, 3);
    weekGrid->addLayout(weekRow, weekGrid->rowCount(), 0, 1, 2);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addWidget(cmdOk, 0, Qt::AlignRight);

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(weekSpin, &QSpinBox::valueChanged, this, &SeasonalData::weekSpinChanged);
}

void SeasonalData::loadWindow() {
    const WaitCursor busy;
    const PoolData& pool = m_session.pool();
    const WeekLayout layout = pool.weekLayout();
    m_infoWeek = 0;
    numTeams->setNum(pool.numTeams);
    numByes->setNum(pool.byesPerTeam);
    teamGames->setNum(pool.numWeeks - pool.byesPerTeam);
    sWeeks->setNum(pool.numWeeks);
    cWeek->setNum(pool.currentWeek + 1);
    maxGames->setNum(pool.gamesPerWeek);
    minGames->setNum(fewestWeekGames(layout));
    controls::setQuietly(weekSpin, 0, std::max(0, layout.weeks() - 1), 0);
    showWeek();
}

void SeasonalData::weekSpinChanged(int value) {
    m_infoWeek = value;
    showWeek();
}

void SeasonalData::showWeek() {
    const PoolData& pool = m_session.pool();
    inWeek->setNum(m_infoWeek + 1);
    numGames->setNum(pool.gamesPerWeek - pool.openDates[m_infoWeek]);
    openDates->setNum(pool.openDates[m_infoWeek]);
}

} // namespace vek
