#include "app/main.h"

#include "model/appinfo.h"
#include "app/frmabout.h"
#include "app/frmsettings.h"
#include "app/frmsplash.h"
#include "app/logo.h"
#include "app/mainbuttons.h"
#include "widgets/messages.h"
#include "session/poolsession.h"
#include "widgets/windowhost.h"
#include "entry/comparediffs.h"
#include "entry/resultspredict.h"
#include "output/printwindow.h"
#include "setup/createschedule.h"
#include "setup/eventprofiles.h"
#include "setup/leaguemembers.h"
#include "setup/poolprofile.h"
#include "setup/vekalign.h"
#include "views/leaguestandings.h"
#include "views/leaguestats.h"
#include "views/ledger.h"
#include "views/predictioncharts.h"
#include "views/scoutingreport.h"
#include "views/teamratings.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {

namespace {
constexpr int ButtonWidth = 132;
constexpr int ButtonHeight = 30;

// The two cautions of the guided setup's first steps: the sentence of the step, then the caution made
// of two pieces, which leave two blanks between "predictions" and "have".
const QString CautionStart = QStringLiteral(" Make any changes if necessary.  CAUTION! If any predictions ");
const QString AlignmentStep = QStringLiteral("View the current VEK alignment and team names/cities.") +
                              CautionStart +
                              QStringLiteral(" have been already entered, changing the alignment will "
                                             "change the predictions.");
const QString ScheduleStep = QStringLiteral("View the current VEK schedule.") + CautionStart +
                             QStringLiteral(" have been already entered, changing the schedule will "
                                            "change the predictions.");
} // namespace

Main::Main(PoolSession& session, WindowHost& host, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_host(host) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(DesignerCaption);
    buildFrames();
    buildMenus();
    buildStatusBar();
    connectButtons();
    connect(&m_session, &PoolSession::mainButtonsRefreshRequested, this, &Main::RefreshMainButtons);
}

Main::~Main() = default;

// ---- Layout ------------------------------------------------------------------------------------------

QGroupBox* Main::addFrame(const char* name, const QString& caption) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(frame);
    layout->setSpacing(6);
    layout->addStretch(); // buttons go above it, top to bottom
    frame->setMouseTracking(true);
    frame->installEventFilter(this);
    m_frames.push_back(frame);
    return frame;
}

QPushButton* Main::addButton(QGroupBox* frame, const char* name, const QString& caption,
                             const QString& hint) {
    auto* button = new QPushButton(caption, frame);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumSize(ButtonWidth, ButtonHeight);
    // Hints follow the pointer without a pressed button.
    button->setMouseTracking(true);
    button->installEventFilter(this);
    m_hints.emplace(button, hint);
    auto* layout = static_cast<QVBoxLayout*>(frame->layout());
    layout->insertWidget(layout->count() - 1, button);
    return button;
}

void Main::buildFrames() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    imgLogo = new QLabel(central);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(drawLogo(112));
    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(drawWordmark(124, 34));
    auto* logos = new QVBoxLayout;
    logos->addWidget(imgLogo, 0, Qt::AlignHCenter);
    logos->addWidget(Image1, 0, Qt::AlignHCenter);
    logos->addStretch();

    Frame1 = addFrame("Frame1", QStringLiteral("Administration"));
    cmdMembers = addButton(Frame1, "cmdMembers", QStringLiteral("Members"),
                           QStringLiteral("Add/Edit/Delete pool member information."));
    cmdPoolProfile = addButton(Frame1, "cmdPoolProfile", QStringLiteral("Pool Profile"),
                               QStringLiteral("Pool options profile."));
    cmdEventProfiles = addButton(Frame1, "cmdEventProfiles", QStringLiteral("Events"),
                                 QStringLiteral("Pool event values and options profile."));

    Frame2 = addFrame("Frame2", QStringLiteral("Member Input"));
    cmdPredict = addButton(Frame2, "cmdPredict", QStringLiteral("Picks"),
                           QStringLiteral("Add/Edit/Delete game predictions."));
    cmdResults = addButton(Frame2, "cmdResults", QStringLiteral("Results"),
                           QStringLiteral("Add/Edit/Delete game results."));
    cmdSpread = addButton(Frame2, "cmdSpread", QStringLiteral("Spread"),
                          QStringLiteral("Add/Edit/Delete game spread points."));

    Frame3 = addFrame("Frame3", QStringLiteral("Vekaran League"));
    cmdSchedule = addButton(Frame3, "cmdSchedule", QStringLiteral("Schedule"),
                            QStringLiteral("Add/Edit/Delete vekaran season schedule."));
    cmdAlignment = addButton(Frame3, "cmdAlignment", QStringLiteral("Teams"),
                             QStringLiteral("View/Modify vekaran team alignment."));

    Frame4 = addFrame("Frame4", QStringLiteral("Charts"));
    cmdStats = addButton(Frame4, "cmdStats", QStringLiteral("Pool Statistics"),
                         QStringLiteral("View pool statistics."));
    cmdRatings =
        addButton(Frame4, "cmdRatings", QStringLiteral("Team Ratings"), QStringLiteral("View team ratings."));
    cmdCharts = addButton(Frame4, "cmdCharts", QStringLiteral("Pool Charts"),
                          QStringLiteral("View team and pool win/loss charts."));
    cmdScout = addButton(
        Frame4, "cmdScout", QStringLiteral("Scouting Report"),
        QStringLiteral("View a report on how successfull pool members have predicted the winners."));
    cmdLedger = addButton(Frame4, "cmdLedger", QStringLiteral("Points Ledger"),
                          QStringLiteral("View pool member's event points ledger."));
    cmdCompRslt = addButton(Frame4, "cmdCompRslt", QStringLiteral("Compare Results"),
                            QStringLiteral("View prediction results comparison."));

    Frame5 = addFrame("Frame5", QStringLiteral("Functions"));
    cmdStandings = addButton(Frame5, "cmdStandings", QStringLiteral("View Standings"),
                             QStringLiteral("View pool standings and information."));
    cmdStandings->setMinimumHeight(2 * ButtonHeight + 6);
    cmdDifference = addButton(Frame5, "cmdDifference", QStringLiteral("View Differences"),
                              QStringLiteral("View differences between pool member predictions."));
    cmdPrint = addButton(Frame5, "cmdPrint", QStringLiteral("Print"),
                         QStringLiteral("View printout options and settings."));
    cmdExit = addButton(Frame5, "cmdExit", QStringLiteral("Exit"),
                        QStringLiteral("Exit ") + appinfo::titleAndDescription());

    auto* input = new QVBoxLayout; // the league frame sits below the member input frame
    input->addWidget(Frame2);
    input->addWidget(Frame3);

    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addLayout(logos);
    layout->addWidget(Frame1);
    layout->addLayout(input);
    layout->addWidget(Frame4);
    layout->addWidget(Frame5);
}

void Main::buildMenus() {
    // The two setup commands sit on the bar itself; Help drops down.
    menuEasy = menuBar()->addAction(QStringLiteral("&Easy Pool Setup"));
    menuEasy->setObjectName(QStringLiteral("menuEasy"));
    menuSettings = menuBar()->addAction(QStringLiteral("&Settings"));
    menuSettings->setObjectName(QStringLiteral("menuSettings"));
    hlpFile = menuBar()->addMenu(QStringLiteral("&Help"));
    hlpFile->setObjectName(QStringLiteral("hlpFile"));
    helpAbout = hlpFile->addAction(QStringLiteral("&About"));
    helpAbout->setObjectName(QStringLiteral("helpAbout"));
    helpView = hlpFile->addAction(QStringLiteral("&View On-Line Documentation"));
    helpView->setObjectName(QStringLiteral("helpView"));
}

void Main::buildStatusBar() {
    auto* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatus"));
    bar->setSizeGripEnabled(false);
    const std::array<int, 4> widths{80, 110, 90, 0};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setContentsMargins(3, 0, 3, 0);
        if (widths[i] > 0) {
            panel->setMinimumWidth(widths[i]);
            bar->addWidget(panel);
        } else {
            // A long hint must not widen the window.
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            bar->addWidget(panel, 1);
        }
        m_panels[static_cast<size_t>(i)] = panel;
    }
}

// ---- Commands ----------------------------------------------------------------------------------------

template <class W> void Main::openModal() {
    showWindow(m_host.window<W>());
}

void Main::showWindow(QDialog& window) {
    m_host.showModal(window);
    // Whatever the window changed, no command stays offered that the data no longer supports.
    RefreshMainButtons();
}

void Main::openSchedule() {
    m_session.scheduleMode = 0;
    auto& schedule = m_host.window<CreateSchedule>();
    schedule.setWindowTitle(QStringLiteral("View Schedule"));
    showWindow(schedule);
}

void Main::connectButtons() {
    connect(cmdMembers, &QPushButton::clicked, this, [this] { openModal<LeagueMembers>(); });
    connect(cmdPoolProfile, &QPushButton::clicked, this, [this] { openModal<PoolProfile>(); });
    connect(cmdEventProfiles, &QPushButton::clicked, this, [this] { openModal<EventProfiles>(); });
    connect(cmdPredict, &QPushButton::clicked, this, [this] {
        m_session.entryMode = 0;
        OpenResultsPredict(0);
    });
    connect(cmdResults, &QPushButton::clicked, this, [this] {
        m_session.entryMode = 1;
        OpenResultsPredict(1);
    });
    connect(cmdSpread, &QPushButton::clicked, this, [this] {
        m_session.entryMode = 2;
        OpenResultsPredict(2);
    });
    connect(cmdSchedule, &QPushButton::clicked, this, &Main::openSchedule);
    connect(cmdAlignment, &QPushButton::clicked, this, [this] { openModal<vekalign>(); });
    connect(cmdStats, &QPushButton::clicked, this, [this] { openModal<LeagueStats>(); });
    connect(cmdRatings, &QPushButton::clicked, this, [this] { openModal<TeamRatings>(); });
    connect(cmdCharts, &QPushButton::clicked, this, [this] { openModal<PredictionCharts>(); });
    connect(cmdScout, &QPushButton::clicked, this, [this] { openModal<ScoutingReport>(); });
    connect(cmdLedger, &QPushButton::clicked, this, [this] { openModal<Ledger>(); });
    connect(cmdCompRslt, &QPushButton::clicked, this, [this] {
        m_session.entryMode = 1;
        OpenCompareDiffs(1);
    });
    connect(cmdStandings, &QPushButton::clicked, this, [this] { openModal<LeagueStandings>(); });
    connect(cmdDifference, &QPushButton::clicked, this, [this] {
        m_session.entryMode = 0;
        OpenCompareDiffs(0);
    });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { openModal<PrintWindow>(); });
    connect(cmdExit, &QPushButton::clicked, this, &Main::exitRequested);

    connect(menuEasy, &QAction::triggered, this, &Main::runGuidedSetup);
    connect(menuSettings, &QAction::triggered, this, [this] { openModal<frmSettings>(); });
    connect(helpView, &QAction::triggered, this, &Main::openUserGuide);
    connect(helpAbout, &QAction::triggered, this, [this] { openModal<frmAbout>(); });
}

void Main::OpenResultsPredict(int16_t mode) {
    // Referring to the window loads it first, so what is set here wins over its load.
    auto& entry = m_host.window<ResultsPredict>();
    if (mode == 0 || mode == 2) {
        entry.setWindowTitle(mode == 0 ? QStringLiteral("Member Predictions")
                                       : QStringLiteral("Spread Points"));
        entry.tieBox()->setVisible(false);
        entry.f3Box()->setVisible(false);
    }
    showWindow(entry);
}

void Main::OpenCompareDiffs(int16_t mode) {
    auto& compare = m_host.window<CompareDiffs>();
    if (mode == 0) {
        compare.setWindowTitle(QStringLiteral("Compare Differences"));
        compare.totTypeBox()->setText(QStringLiteral("Total Differences"));
    } else if (mode == 1) {
        compare.setWindowTitle(m_session.pool().usePointSpreads == True16
                                   ? QStringLiteral("Compare Results (against the point spread)")
                                   : QStringLiteral("Compare Results"));
        compare.totTypeBox()->setText(QStringLiteral("Total Wins"));
    }
    showWindow(compare);
}

void Main::runGuidedSetup() {
    // Each step waits for its window to close, saved or not. The spreads and predictions steps look at
    // the data only when they are reached, so they see what the pool options and member list changed.
    const auto say = [this](const QString& text) {
        m_host.messages().information(this, appinfo::messageTitle(), text);
    };
    say(AlignmentStep);
    openModal<vekalign>();
    say(ScheduleStep);
    openSchedule();
    say(QStringLiteral("Choose and set the Pool Profile options."));
    openModal<PoolProfile>();
    say(QStringLiteral("Choose and set the Event Profile options."));
    openModal<EventProfiles>();
    say(QStringLiteral("Enter the pool member's names."));
    openModal<LeagueMembers>();
    if (isTrue(m_session.pool().usePointSpreads)) {
        say(QStringLiteral("Enter 1st week's point spreads."));
        m_session.entryMode = 2;
        OpenResultsPredict(2);
    }
    if (m_session.pool().numMembers > 0) {
        say(QStringLiteral("Enter member's predictions."));
        m_session.entryMode = 0;
        OpenResultsPredict(0);
    }
}

void Main::openUserGuide() {
    // Nothing is reported when the page or a program to show it is missing.
    m_urlOpener->open(QUrl::fromLocalFile(m_session.folder().filePath(GuideFileName)));
}

void Main::RefreshMainButtons() {
    const MainButtonStates states = mainButtonStates(m_session.pool());
    const std::pair<QPushButton*, bool> buttons[] = {
        {cmdMembers, states.cmdMembers},   {cmdPoolProfile, states.cmdPoolProfile},
        {cmdSchedule, states.cmdSchedule}, {cmdAlignment, states.cmdAlignment},
        {cmdPrint, states.cmdPrint},       {cmdEventProfiles, states.cmdEventProfiles},
        {cmdResults, states.cmdResults},   {cmdPredict, states.cmdPredict},
        {cmdCharts, states.cmdCharts},     {cmdDifference, states.cmdDifference},
        {cmdSpread, states.cmdSpread},     {cmdStandings, states.cmdStandings},
        {cmdCompRslt, states.cmdCompRslt}, {cmdStats, states.cmdStats},
        {cmdLedger, states.cmdLedger},     {cmdScout, states.cmdScout},
        {cmdRatings, states.cmdRatings},
    };
    for (const auto& [button, enabled] : buttons) {
        button->setEnabled(enabled);
    }
}

void Main::closeEvent(QCloseEvent* event) {
    // The close box ends the program as Exit does.
    event->accept();
    emit exitRequested();
}

// ---- Hint panel --------------------------------------------------------------------------------------

bool Main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (const auto hint = m_hints.find(watched); hint != m_hints.end()) {
            // A disabled button takes no mouse input: the frame under it clears the panel.
            const bool enabled = static_cast<QWidget*>(watched)->isEnabled();
            setStatusPanel(HintPanel, enabled ? hint->second : QString());
        } else if (std::find(m_frames.begin(), m_frames.end(), watched) != m_frames.end()) {
            // A move that a button passes on to its frame is not a move over the frame's background.
            const auto* frame = static_cast<QWidget*>(watched);
            const QWidget* child = frame->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (child == nullptr || !child->isEnabled() || !m_hints.contains(child)) {
                setStatusPanel(HintPanel, QString());
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Start-up ----------------------------------------------------------------------------------------

void Main::setButtonToolTips() {
    const QString titleAndDescription = appinfo::titleAndDescription();
    const std::pair<QPushButton*, QString> tips[] = {
        {cmdAlignment, QStringLiteral("Add/Edit/Change VEK team names and alignment.")},
        {cmdCharts, QStringLiteral("View member predictions and VEK results in standings format.")},
        {cmdCompRslt, QStringLiteral("Compare the results of each member's predictions.")},
        {cmdDifference, QStringLiteral("Compare the differences between each member's predictions.")},
        {cmdEventProfiles, QStringLiteral("Event profiles")},
        {cmdExit, QStringLiteral("Exit ") + titleAndDescription},
        {cmdLedger, QStringLiteral("View an event-by-event breakdown on your pool's point distribution.")},
        {cmdMembers, QStringLiteral("Pool members")},
        {cmdPoolProfile, QStringLiteral("Pool profile")},
        {cmdPredict, QStringLiteral("Enter predictions")},
        {cmdPrint, QStringLiteral("Print options")},
        {cmdRatings, QStringLiteral("View a ratings chart on VEK team performance.")},
        {cmdResults, QStringLiteral("Enter results")},
        {cmdSchedule, QStringLiteral("View and/or enter new VEK schedule.")},
        {cmdScout, QStringLiteral("Compare how successfull each member's team predictions have been.")},
        {cmdSpread, QStringLiteral("Enter week's point spreads")},
        {cmdStats, QStringLiteral("View detailed information on member predictions and VEK results.")},
    };
    for (const auto& [button, tip] : tips) {
        button->setToolTip(tip);
    }
}

void Main::startUp() {
    PoolData& pool = m_session.pool();
    pool.maxMembers = MaxMembersLimit;

    {
        frmSplash splash(this);
        splash.setCursor(Qt::ArrowCursor);
        m_host.showModal(splash); // closes itself after its timer or on a click
    }
    QCoreApplication::processEvents();
    show();
    repaint();

    setButtonToolTips();
    helpAbout->setText(QStringLiteral("About ") + appinfo::titleAndDescription());

    // Neither stage stops start-up: a missing or damaged file gives that stage's defaults.
    runLoadingStages(m_session, *this);
    runStartupComputations(m_session);

    // ---- Final steps ----
    cmdStandings->setToolTip(
        QStringLiteral("View your pool's standings as of week %1.").arg(pool.currentWeek + 1));
    RefreshMainButtons();
    setPrinterFont();
    setCursor(Qt::ArrowCursor);
}

void Main::setPrinterFont() {
    // Without an installed printer there is nothing to set, and start-up ends normally.
    if (!QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinterNames().isEmpty()) {
        m_session.printer.fontName = PrinterFontName;
    }
}

void Main::showStartupMessage(const QString& text) {
    m_host.messages().information(this, appinfo::messageTitle(), text);
}

void Main::setMainCaption(const QString& caption) {
    setWindowTitle(caption);
}

void Main::setStatusPanel(int panel, const QString& text) {
    if (panel >= 1 && panel <= static_cast<int>(m_panels.size())) {
        m_panels[static_cast<size_t>(panel - 1)]->setText(text);
    }
}

} // namespace vek
