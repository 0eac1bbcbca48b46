#include "setup/createschedule.h"

#include "model/appinfo.h"
#include "session/poolsession.h"
#include "setup/seasonaldata.h"
#include "widgets/colours.h"
#include "widgets/controls.h"
#include "widgets/messages.h"
#include "widgets/waitcursor.h"
#include "widgets/windowhost.h"

#include <QDate>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {
namespace {

constexpr int RowHeight = 20;
constexpr int TeamWidth = 58;
constexpr int EntryWidth = 64;
constexpr int ConferenceRows = 7; // six teams of a division, then a gap before the other conference
constexpr int FirstYear = 2000;
constexpr int LastYear = 2100;

// Colours of the entries: a team by its conference, the empty entry, byes; navy marks the byes that
// "Mark rest as bye" gave.
const QString Blue = colours::Blue.name();
const QString Red = colours::Red.name();
const QString Green = colours::Green.name();
const QString Black = colours::Black.name();
const QString Navy = QColor(0x00, 0x00, 0x80).name();

// The three looks: bordered and flat, bordered and raised, no border. Each takes the same room.
const QString FlatBorder = QStringLiteral("border: 1px solid #000000; margin: 1px;");
const QString RaisedBorder = QStringLiteral("border: 2px outset #d4d0c8;");
const QString NoBorder = QStringLiteral("border: 2px solid transparent;");
const QString SunkenBorder = QStringLiteral("border: 2px inset #d4d0c8;");

QString look(const QString& border, const QString& colour, const QString& background) {
    return QStringLiteral("QLabel { %1 color: %2; background-color: %3; }").arg(border, colour, background);
}

const QString ButtonFace = QStringLiteral("palette(button)");

// A style sheet is applied again only when it changed: a click repaints the whole week.
void setLook(QLabel* label, const QString& styleSheet) {
    if (label->styleSheet() != styleSheet) {
        label->setStyleSheet(styleSheet);
    }
}

QString teamLook(TeamState state, const QString& colour) {
    switch (state) {
    case TeamState::Free:
        return look(FlatBorder, colour, ButtonFace);
    case TeamState::Locked:
        return look(RaisedBorder, colour, ButtonFace);
    case TeamState::Bye:
        break;
    }
    return look(NoBorder, colour, ButtonFace);
}

QScrollBar* makeScrollBar(QWidget* parent, const QString& name) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setMinimumWidth(90);
    bar->setPageStep(1);
    return bar;
}

} // namespace

CreateSchedule::CreateSchedule(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent), m_board(session.pool()) {
    setObjectName(QStringLiteral("CreateSchedule"));
    setWindowTitle(DesignerCaption);
    buildControls();
    buildLayout();
    connectControls();
}

// ---- Controls and layout ---------------------------------------------------------------------------

void CreateSchedule::buildControls() {
    m_menuBar = new QMenuBar(this);
    menuSched = m_menuBar->addMenu(QStringLiteral("&Schedule"));
    menuSched->setObjectName(QStringLiteral("menuSched"));
    menuNew = menuSched->addAction(QStringLiteral("&New"));
    menuNew->setObjectName(QStringLiteral("menuNew"));
    menuStats = menuSched->addAction(QStringLiteral("S&tatistics"));
    menuStats->setObjectName(QStringLiteral("menuStats"));
    hlpFile = m_menuBar->addAction(QStringLiteral("&Help"));
    hlpFile->setObjectName(QStringLiteral("hlpFile"));

    Frame1 = controls::makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Teams"));
    for (int team = 0; team < ScheduleBoard::TeamLabels; ++team) {
        QLabel* label = controls::makeText(Frame1, QString(), QStringLiteral("teamBox%1").arg(team));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(TeamWidth);
        label->setFixedHeight(RowHeight);
        label->setMouseTracking(true);
        label->setCursor(Qt::PointingHandCursor);
        teamBox[team] = label;
        m_clickActions[label] = [this, team] { teamClicked(team); };
        m_hoverActions[label] = [this, team] { teamHovered(team); };
    }

    frmSchedule =
        controls::makeFrame(this, QStringLiteral("frmSchedule"), QStringLiteral("Away    at    Home"));
    for (int box = 0; box < 2 * ScheduleBoard::SlotRows; ++box) {
        QLabel* label = controls::makeText(frmSchedule, QString(), QStringLiteral("gameBox%1").arg(box));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(EntryWidth);
        label->setFixedHeight(RowHeight);
        gameBox[box] = label;
    }
    frmSwap = controls::makeFrame(this, QStringLiteral("frmSwap"), QStringLiteral("Swap"));
    for (int slot = 0; slot < ScheduleBoard::SlotRows; ++slot) {
        QLabel* label = controls::makeText(frmSwap, QString(), QStringLiteral("swapBox%1").arg(slot));
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(RowHeight + 4, RowHeight);
        label->setCursor(Qt::PointingHandCursor);
        swapBox[slot] = label;
        m_clickActions[label] = [this, slot] { swapBoxClicked(slot); };
    }
    cmdSwap = controls::makeButton(this, QStringLiteral("cmdSwap"), QStringLiteral("Swap"));

    schedOption = new QRadioButton(QStringLiteral("Entering Scheduled Teams"), this);
    schedOption->setObjectName(QStringLiteral("schedOption"));
    byeOption = new QRadioButton(QStringLiteral("Entering Bye Week Teams"), this);
    byeOption->setObjectName(QStringLiteral("byeOption"));
    cmdBye = controls::makeButton(this, QStringLiteral("cmdBye"), QStringLiteral("Mark rest as bye"));

    scrWeek = makeScrollBar(this, QStringLiteral("scrWeek"));
    weekBox = controls::makeBox(this, QStringLiteral("weekBox"), 40);
    scrNofw = makeScrollBar(this, QStringLiteral("scrNofw"));
    scrNofw->setRange(0, ScheduleBoard::MaxWeeks);
    nofwBox = controls::makeBox(this, QStringLiteral("nofwBox"), 40);
    scrYear = makeScrollBar(this, QStringLiteral("scrYear"));
    scrYear->setRange(FirstYear, LastYear);
    yearBox = controls::makeBox(this, QStringLiteral("yearBox"), 48);

    verifyFrame = controls::makeFrame(this, QStringLiteral("verifyFrame"), QStringLiteral("Schedule Status"));
    statusType = controls::makeText(verifyFrame, QStringLiteral("Team"), QStringLiteral("statusType"));
    verifyBox = controls::makeBox(verifyFrame, QStringLiteral("verifyBox"), 64);
    awayBox = controls::makeBox(verifyFrame, QStringLiteral("awayBox"), 36);
    homeBox = controls::makeBox(verifyFrame, QStringLiteral("homeBox"), 36);
    byeBox = controls::makeBox(verifyFrame, QStringLiteral("byeBox"), 36);
    checkList = new QListWidget(verifyFrame);
    checkList->setObjectName(QStringLiteral("checkList"));
    checkList->setMinimumHeight(120);
    // Room for the longest line the verification writes, beside the list's scroll bar.
    checkList->setMinimumWidth(
        controls::widthFor(checkList, {QStringLiteral("Check schedule for WWWWW"), VerifyIncomplete}) + 24);
    statusType->setMinimumWidth(controls::widthFor(statusType, {QStringLiteral("Verifying")}));

    frmKey = controls::makeFrame(this, QStringLiteral("frmKey"), QStringLiteral("Key"));
    const std::array<std::pair<QString, TeamState>, 3> samples{{{QStringLiteral("Free"), TeamState::Free},
                                                                {QStringLiteral("Locked"), TeamState::Locked},
                                                                {QStringLiteral("Bye"), TeamState::Bye}}};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        QLabel* sample = controls::makeText(frmKey, samples[i].first, QStringLiteral("keyBox%1").arg(i));
        sample->setAlignment(Qt::AlignCenter);
        sample->setMinimumWidth(TeamWidth);
        sample->setFixedHeight(RowHeight);
        sample->setStyleSheet(teamLook(samples[i].second, Black));
        keyBox[i] = sample;
    }
    fnameBox = new QLineEdit(frmKey);
    fnameBox->setObjectName(QStringLiteral("fnameBox"));
    fnameBox->setReadOnly(true);
    fnameBox->setFocusPolicy(Qt::NoFocus);

    desBox = controls::makeText(this, QString(), QStringLiteral("desBox"));
    desBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    desBox->setAutoFillBackground(true);
    desBox->setBackgroundRole(QPalette::ToolTipBase);
    desBox->setForegroundRole(QPalette::ToolTipText);
    desBox->setMinimumHeight(RowHeight + 4);
    // A long hint must not widen the window.
    desBox->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    cmdVerify = controls::makeButton(this, QStringLiteral("cmdVerify"), QStringLiteral("Verify"));
    cmdSave = controls::makeButton(this, QStringLiteral("cmdSave"), QStringLiteral("Save"));
    cmdOk = controls::makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("OK"));

    for (QGroupBox* frame : {frmSchedule, frmSwap, frmKey}) {
        frame->setMouseTracking(true);
    }
    m_hoverActions[frmSchedule] = [this] {
        desBox->setText(QStringLiteral("Current schedule for the week."));
    };
    m_hoverActions[frmSwap] = [this] {
        desBox->setText(QStringLiteral("Click on game pointer to mark it as a game to swap."));
    };
    m_hoverActions[frmKey] = [this] { fnameBox->clear(); };
    for (auto* actions : {&m_clickActions, &m_hoverActions}) {
        for (const auto& [watched, action] : *actions) {
            watched->installEventFilter(this);
        }
    }
}

void CreateSchedule::buildLayout() {
    // The team labels take their places at every opening, when the divisions are known.
    auto* teamGrid = new QGridLayout(Frame1);
    teamGrid->setHorizontalSpacing(6);
    teamGrid->setVerticalSpacing(2);
    teamGrid->setRowMinimumHeight(ChartRows, 10);

    auto* gameGrid = new QGridLayout(frmSchedule);
    gameGrid->setVerticalSpacing(2);
    auto* swapColumn = new QVBoxLayout(frmSwap);
    swapColumn->setSpacing(2);
    for (int slot = 0; slot < ScheduleBoard::SlotRows; ++slot) {
        gameGrid->addWidget(gameBox[2 * slot], slot, 0);
        gameGrid->addWidget(gameBox[2 * slot + 1], slot, 1);
        swapColumn->addWidget(swapBox[slot]);
    }
    gameGrid->setRowStretch(ScheduleBoard::SlotRows, 1);
    swapColumn->addStretch();

    // The full name of the team under the pointer gets a line of its own: names can be long.
    auto* key = new QVBoxLayout(frmKey);
    auto* samplesRow = new QHBoxLayout;
    for (QLabel* sample : keyBox) {
        samplesRow->addWidget(sample);
    }
    samplesRow->addStretch();
    key->addLayout(samplesRow);
    key->addWidget(fnameBox);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(frmKey);
    left->addStretch();

    auto* middle = new QVBoxLayout;
    auto* gamesAndSwaps = new QHBoxLayout;
    gamesAndSwaps->addWidget(frmSchedule);
    gamesAndSwaps->addWidget(frmSwap);
    middle->addLayout(gamesAndSwaps);
    middle->addWidget(cmdSwap, 0, Qt::AlignRight);

    auto* spinners = new QGridLayout;
    const auto addSpinner = [&](int row, const QString& caption, QScrollBar* bar, QLabel* box) {
        spinners->addWidget(new QLabel(caption, this), row, 0);
        spinners->addWidget(box, row, 1);
        spinners->addWidget(bar, row, 2);
    };
    addSpinner(0, QStringLiteral("Week:"), scrWeek, weekBox);
    addSpinner(1, QStringLiteral("# of Weeks"), scrNofw, nofwBox);
    addSpinner(2, QStringLiteral("Year:"), scrYear, yearBox);

    auto* status = new QGridLayout(verifyFrame);
    status->addWidget(statusType, 0, 0);
    status->addWidget(verifyBox, 0, 1, 1, 2);
    const std::array<std::pair<QString, QLabel*>, 3> counts{{{QStringLiteral("Away"), awayBox},
                                                             {QStringLiteral("Home"), homeBox},
                                                             {QStringLiteral("Byes"), byeBox}}};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const int column = static_cast<int>(i);
        status->addWidget(new QLabel(counts[i].first, verifyFrame), 1, column, Qt::AlignCenter);
        status->addWidget(counts[i].second, 2, column, Qt::AlignCenter);
    }
    status->addWidget(checkList, 3, 0, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdVerify);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdOk);

    auto* right = new QVBoxLayout;
    right->addWidget(schedOption);
    right->addWidget(byeOption);
    right->addWidget(cmdBye);
    right->addLayout(spinners);
    right->addWidget(verifyFrame, 1);
    right->addLayout(buttons);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(middle);
    columns->addLayout(right);

    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(m_menuBar);
    outer->addLayout(columns);
    outer->addWidget(desBox);
}

void CreateSchedule::connectControls() {
    connect(cmdSwap, &QPushButton::clicked, this, &CreateSchedule::cmdSwapClicked);
    connect(cmdBye, &QPushButton::clicked, this, &CreateSchedule::cmdByeClicked);
    connect(scrWeek, &QScrollBar::valueChanged, this, &CreateSchedule::scrWeekChanged);
    connect(scrNofw, &QScrollBar::valueChanged, this, &CreateSchedule::scrNofwChanged);
    connect(scrYear, &QScrollBar::valueChanged, this, &CreateSchedule::scrYearChanged);
    connect(cmdVerify, &QPushButton::clicked, this, &CreateSchedule::cmdVerifyClicked);
    connect(cmdSave, &QPushButton::clicked, this, &CreateSchedule::cmdSaveClicked);
    connect(cmdOk, &QPushButton::clicked, this, &CreateSchedule::cmdOkClicked);
    connect(menuNew, &QAction::triggered, this, &CreateSchedule::menuNewClicked);
    connect(menuStats, &QAction::triggered, this, &CreateSchedule::menuStatsClicked);
}

bool CreateSchedule::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto click = m_clickActions.find(watched);
        if (click != m_clickActions.end()) {
            click->second();
            return true;
        }
    } else if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const auto hover = m_hoverActions.find(watched);
        if (hover != m_hoverActions.end()) {
            hover->second();
        }
    }
    return PoolWindow::eventFilter(watched, event);
}

// ---- Opening -----------------------------------------------------------------------------------------

void CreateSchedule::loadWindow() {
    const WaitCursor busy;
    setWindowTitle(DesignerCaption);
    const PoolData& pool = m_session.pool();
    // What the editor opens on is what is saved: every earlier visit saved its changes or put them back.
    m_saved = savedScheduleOf(pool);

    // Each division is a column; the second conference stands below the first.
    auto* teamGrid = static_cast<QGridLayout*>(Frame1->layout());
    for (QLabel* label : teamBox) {
        teamGrid->removeWidget(label);
        label->hide();
    }
    const int teams = std::min<int>(pool.numTeams, ScheduleBoard::TeamLabels);
    for (int d = 0; d < Divisions; ++d) {
        const Division& division = pool.divisionRec[d];
        for (int code = std::max<int>(division.firstTeam, 0); code <= division.lastTeam && code < teams;
             ++code) {
            const int place = code - division.firstTeam;
            QLabel* label = teamBox[code];
            teamGrid->addWidget(label, place + (d < 4 ? 0 : ConferenceRows), d % 4);
            label->setText(pool.teamAbbr[code]);
            label->show();
        }
    }

    showSlots();
    m_board.open(m_session.scheduleMode != 0);
    m_navyTeams.clear();
    schedOption->setChecked(true);
    verifyFrame->setTitle(QStringLiteral("Schedule Status"));
    statusType->setText(QStringLiteral("Team"));
    checkList->clear();
    for (QLabel* box : {verifyBox, awayBox, homeBox, byeBox, desBox}) {
        box->clear();
    }
    fnameBox->clear();
    cmdSwap->setEnabled(false);
    showSpinners();
    RefreshTeamBox();
    RedrawScheduleWeek();
}

void CreateSchedule::showSlots() {
    for (int slot = 0; slot < ScheduleBoard::SlotRows; ++slot) {
        const bool used = slot < m_board.slotCount();
        swapBox[slot]->setVisible(used);
        gameBox[2 * slot]->setVisible(used);
        gameBox[2 * slot + 1]->setVisible(used);
    }
}

void CreateSchedule::showSpinners() {
    const PoolData& pool = m_session.pool();
    const QSignalBlocker quietYear(scrYear);
    const QSignalBlocker quietWeek(scrWeek);
    const QSignalBlocker quietWeeks(scrNofw);
    scrYear->setValue(pool.seasonYear);
    yearBox->setNum(pool.seasonYear);
    scrNofw->setValue(pool.numWeeks);
    nofwBox->setNum(pool.numWeeks);
    scrWeek->setRange(0, std::max(0, pool.weekLayout().weeks() - 1));
    scrWeek->setValue(m_board.editWeek());
    weekBox->setNum(m_board.editWeek() + 1);
}

// ---- Painting ----------------------------------------------------------------------------------------

void CreateSchedule::RefreshTeamBox() {
    for (int team = 0; team < ScheduleBoard::TeamLabels; ++team) {
        paintTeamLabel(team);
    }
}

void CreateSchedule::paintTeamLabel(int team) {
    const bool navy = m_navyTeams.count(team) > 0;
    setLook(teamBox[team], teamLook(m_board.state(team), navy ? Navy : Black));
}

void CreateSchedule::RedrawScheduleWeek() {
    m_board.redrawWeek();
    m_navyBoxes.clear();
    // A game pointer stands beside a game; the home side decides, as it is drawn last.
    for (int slot = 0; slot < m_board.slotCount(); ++slot) {
        swapBox[slot]->setVisible(m_board.entry(slot, 1) < ByeFlag);
    }
    paintGameBoxes();
    paintSwapPointers();
}

void CreateSchedule::paintGameBoxes() {
    const PoolData& pool = m_session.pool();
    const auto inRange = [&](int code, int firstDivision, int lastDivision) {
        return code >= pool.divisionRec[firstDivision].firstTeam &&
               code <= pool.divisionRec[lastDivision].lastTeam;
    };
    for (int box = 0; box < 2 * m_board.slotCount(); ++box) {
        const int16_t e = m_board.entry(box / 2, box % 2);
        QLabel* label = gameBox[box];
        const QString background = box == m_board.cursorBox() ? Black : ButtonFace;
        if (e >= ByeFlag) {
            label->setText(pool.teamAbbrOf(e - ByeFlag));
            setLook(label, look(NoBorder, m_navyBoxes.count(box) > 0 ? Navy : Black, background));
        } else {
            const bool team = e >= 0 && e < pool.numTeams;
            const QString colour = team && inRange(e, 0, 3) ? Blue : team && inRange(e, 4, 7) ? Red : Green;
            label->setText(pool.teamAbbrOf(e));
            setLook(label, look(RaisedBorder, colour, background));
        }
    }
}

void CreateSchedule::paintSwapPointers() {
    for (int slot = 0; slot < ScheduleBoard::SlotRows; ++slot) {
        QLabel* pointer = swapBox[slot];
        const bool marked = m_board.isSwapMarked(slot);
        pointer->setText(marked ? QString(QChar(187)) : QString());
        setLook(pointer, look(marked ? SunkenBorder : FlatBorder, Black, ButtonFace));
    }
    cmdSwap->setEnabled(m_board.canSwap());
}

void CreateSchedule::showCounts(int team) {
    byeBox->setNum(m_board.byeCount(team));
    awayBox->setNum(m_board.awayCount(team));
    homeBox->setNum(m_board.homeCount(team));
}

// ---- Entering teams ----------------------------------------------------------------------------------

void CreateSchedule::teamClicked(int team) {
    const ScheduleBoard::ClickOutcome outcome =
        m_board.clickTeam(team, byeOption->isChecked() ? EntryKind::Bye : EntryKind::Game);
    if (outcome == ScheduleBoard::ClickOutcome::Ignored) {
        return;
    }
    if (outcome == ScheduleBoard::ClickOutcome::WeekFull) {
        desBox->setText(WeekFullHint);
        return;
    }
    m_navyTeams.erase(team);
    std::erase_if(m_navyBoxes, [this](int box) { return m_board.entry(box / 2, box % 2) < ByeFlag; });
    paintTeamLabel(team);
    paintGameBoxes();
    showCounts(team);
}

void CreateSchedule::teamHovered(int team) {
    const PoolData& pool = m_session.pool();
    fnameBox->setText(pool.teamNameOf(team));
    verifyBox->setText(pool.teamAbbrOf(team));
    showCounts(team);
    switch (m_board.state(team)) {
    case TeamState::Locked:
        desBox->setText(QStringLiteral("Team has already been scheduled."));
        break;
    case TeamState::Free:
        desBox->setText(QStringLiteral("Click on team to enter it onto the schedule."));
        break;
    case TeamState::Bye:
        desBox->setText(QStringLiteral("Team has been marked as having a bye."));
        break;
    }
}

void CreateSchedule::cmdByeClicked() {
    const ScheduleBoard::ByeOutcome outcome = m_board.markRestAsBye();
    m_navyTeams.insert(outcome.teams.begin(), outcome.teams.end());
    m_navyBoxes.insert(outcome.boxes.begin(), outcome.boxes.end());
    for (int team : outcome.teams) {
        paintTeamLabel(team);
    }
    paintGameBoxes();
    if (outcome.ranOut) {
        desBox->setText(WeekFullHint);
    }
}

void CreateSchedule::swapBoxClicked(int slot) {
    if (m_board.toggleSwapMark(slot)) {
        paintSwapPointers();
    }
}

void CreateSchedule::cmdSwapClicked() {
    if (m_board.swapMarkedGames()) {
        RedrawScheduleWeek();
    }
}

// ---- Spinners ----------------------------------------------------------------------------------------

void CreateSchedule::scrWeekChanged(int value) {
    m_board.showWeek(value);
    weekBox->setNum(m_board.editWeek() + 1);
    schedOption->setChecked(true);
    m_navyTeams.clear();
    RefreshTeamBox();
    RedrawScheduleWeek();
}

void CreateSchedule::scrNofwChanged(int value) {
    m_board.setNumWeeks(value);
    nofwBox->setNum(m_session.pool().numWeeks);
    {
        const QSignalBlocker quiet(scrWeek);
        scrWeek->setMaximum(std::max(0, m_session.pool().weekLayout().weeks() - 1));
        scrWeek->setValue(m_board.editWeek());
    }
    weekBox->setNum(m_board.editWeek() + 1);
    RefreshTeamBox();
    RedrawScheduleWeek();
}

void CreateSchedule::scrYearChanged(int value) {
    m_session.pool().seasonYear = static_cast<int16_t>(value);
    yearBox->setNum(value);
}

// ---- Verify, save, new season, statistics ------------------------------------------------------------

void CreateSchedule::cmdVerifyClicked() {
    const WaitCursor busy;
    verifyFrame->setTitle(QStringLiteral("Verify Status"));
    statusType->setText(QStringLiteral("Verifying"));
    checkList->clear();
    const VerifyReport report = VerifySchedule(m_session);
    checkList->addItems(report.lines);
    // The status boxes are left on the last team checked.
    const PoolData& pool = m_session.pool();
    const int last = std::min<int>(pool.numTeams, MaxRealTeams) - 1;
    if (last >= 0) {
        verifyBox->setText(pool.teamAbbr[last]);
        awayBox->setNum(report.awayCount[last]);
        homeBox->setNum(report.homeCount[last]);
        byeBox->setNum(report.byeCount[last]);
    }
    m_board.rebuildStates();
    RefreshTeamBox();
}

bool CreateSchedule::cmdSaveClicked() {
    const WaitCursor busy;
    const WriteResult result = SaveSchedule(m_session, m_saved);
    if (!result) {
        m_host.messages().show({this, appinfo::messageTitle(), result.failureText(), Messages::Icon::Warning,
                                Messages::Buttons::Ok});
        return false;
    }
    paintGameBoxes();
    return true;
}

void CreateSchedule::menuNewClicked() {
    Messages& messages = m_host.messages();
    const QString title = appinfo::messageTitle();
    messages.plain(this, title,
                   QStringLiteral("If you wish to download the latest ") + appinfo::titleAndDescription() +
                       QStringLiteral(" schedule,\ngo to ") + appinfo::WebSite +
                       QStringLiteral(" and look under 'downloads'."));
    const QString question = QStringLiteral(
        "Before you enter a new schedule, you MUST make sure that all VEK information is correct.\n"
        "The VEK information that needs to be correct can be viewed/edited using the "
        "Schedule->Information option.\n"
        "This will cause the current SCHEDULE.DAT (if any) to be saved as SCHEDULE.OLD and\n"
        "all member's prediction files as <MEMBER NAME>.OLD and the RESULTS.DAT to RESULTS.OLD.\n"
        "\n"
        "Do you want to continue ?");
    if (!messages.askYesNo(this, title, question)) {
        return;
    }
    const NewSeasonOutcome outcome = NewSeason(m_session, m_saved, QDate::currentDate().year());
    if (!outcome.done) {
        messages.show({this, title, outcome.failure, Messages::Icon::Warning, Messages::Buttons::Ok});
        return;
    }
    if (outcome.scheduleReset) {
        m_board.clearStates();
        m_navyTeams.clear();
        showSlots(); // a new season has as many slots as the league needs
        showSpinners();
        RefreshTeamBox();
        RedrawScheduleWeek();
    }
    setWindowTitle(DesignerCaption);
}

void CreateSchedule::menuStatsClicked() {
    m_host.showModal(m_host.window<SeasonalData>());
}

// ---- Closing -----------------------------------------------------------------------------------------

bool CreateSchedule::settleUnsavedChanges() {
    if (!scheduleChangedSince(m_session.pool(), m_saved)) {
        return true;
    }
    // A season built click by click is lost only on an explicit No; Enter and Esc go back to it.
    const Messages::Answer answer =
        m_host.messages().show({this, appinfo::messageTitle(), UnsavedQuestion, Messages::Icon::Question,
                                Messages::Buttons::YesNoCancel, Messages::Answer::Cancel});
    if (answer == Messages::Answer::Yes) {
        return cmdSaveClicked();
    }
    if (answer != Messages::Answer::No) {
        return false;
    }
    const int16_t yearShown = m_session.pool().seasonYear;
    restoreSchedule(m_session.pool(), m_saved);
    m_session.refreshMainButtons();
    if (m_session.pool().seasonYear != yearShown) {
        m_session.refreshSeasonCaption(); // a new season left unsaved is not begun
    }
    return true;
}

void CreateSchedule::cmdOkClicked() {
    if (settleUnsavedChanges()) {
        accept();
    }
}

void CreateSchedule::reject() {
    if (settleUnsavedChanges()) {
        PoolWindow::reject();
    }
}

} // namespace vek
