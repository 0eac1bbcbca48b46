#include "app/main.h"

#include "app/frmabout.h"
#include "app/frmsettings.h"
#include "app/frmsplash.h"
#include "app/logo.h"
#include "app/mainbuttons.h"
#include "entry/comparediffs.h"
#include "entry/resultspredict.h"
#include "model/appinfo.h"
#include "output/printwindow.h"
#include "session/poolsession.h"
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
#include "widgets/messages.h"
#include "widgets/windowhost.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
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

// The Exit button's hint and tool tip.
QString exitText() {
    return QStringLiteral("Exit ") + appinfo::titleAndDescription();
}
} // namespace

Main::Main(PoolSession& session, WindowHost& host, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_host(host) {
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(DesignerCaption);
    buildFrames();
    buildMenus();
    buildStatusBar();
    connectButtons();
    connect(&m_session, &PoolSession::mainButtonsRefreshRequested, this, &Main::refreshAfterChange);
    connect(&m_session, &PoolSession::seasonCaptionRefreshRequested, this, &Main::showSeason);
}

Main::~Main() = default;

// ---- Layout ------------------------------------------------------------------------------------------

QGroupBox* Main::addFrame(int frame, const QString& caption) {
    auto* box = new QGroupBox(caption);
    box->setObjectName(QStringLiteral("Frame%1").arg(frame));
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(6);
    layout->addStretch(); // buttons go above it, top to bottom
    box->setMouseTracking(true);
    box->installEventFilter(this);
    m_frames[frame - 1] = box;
    return box;
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

    const QString frameCaptions[] = {QStringLiteral("Administration"), QStringLiteral("Member Input"),
                                     QStringLiteral("Vekaran League"), QStringLiteral("Charts"),
                                     QStringLiteral("Functions")};
    for (int frame = 1; frame <= 5; ++frame) {
        addFrame(frame, frameCaptions[frame - 1]);
    }
    for (const MainButtonFace& face : MainButtonFaces) {
        m_buttons[indexOf(face.button)] =
            addButton(m_frames[face.frame - 1], face.name, QString::fromLatin1(face.caption),
                      QString::fromLatin1(face.hint));
    }
    button(MainButton::cmdStandings)->setMinimumHeight(2 * ButtonHeight + 6);
    cmdExit = addButton(m_frames[4], "cmdExit", QStringLiteral("Exit"), exitText());

    auto* input = new QVBoxLayout; // the league frame sits below the member input frame
    input->addWidget(m_frames[1]);
    input->addWidget(m_frames[2]);

    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addLayout(logos);
    layout->addWidget(m_frames[0]);
    layout->addLayout(input);
    layout->addWidget(m_frames[3]);
    layout->addWidget(m_frames[4]);
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
        m_panels[i] = panel;
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
    for (const MainButtonFace& face : MainButtonFaces) {
        connect(button(face.button), &QPushButton::clicked, this,
                [this, which = face.button] { runCommand(which); });
    }
    connect(cmdExit, &QPushButton::clicked, this, &Main::exitRequested);

    connect(menuEasy, &QAction::triggered, this, &Main::runGuidedSetup);
    connect(menuSettings, &QAction::triggered, this, [this] { openModal<frmSettings>(); });
    connect(helpView, &QAction::triggered, this, &Main::openUserGuide);
    connect(helpAbout, &QAction::triggered, this, [this] { openModal<frmAbout>(); });
}

void Main::runCommand(MainButton which) {
    switch (which) {
    case MainButton::cmdMembers:
        return openModal<LeagueMembers>();
    case MainButton::cmdPoolProfile:
        return openModal<PoolProfile>();
    case MainButton::cmdEventProfiles:
        return openModal<EventProfiles>();
    case MainButton::cmdPredict:
        m_session.entryMode = 0;
        return OpenResultsPredict(0);
    case MainButton::cmdResults:
        m_session.entryMode = 1;
        return OpenResultsPredict(1);
    case MainButton::cmdSpread:
        m_session.entryMode = 2;
        return OpenResultsPredict(2);
    case MainButton::cmdSchedule:
        return openSchedule();
    case MainButton::cmdAlignment:
        return openModal<vekalign>();
    case MainButton::cmdStats:
        return openModal<LeagueStats>();
    case MainButton::cmdRatings:
        return openModal<TeamRatings>();
    case MainButton::cmdCharts:
        return openModal<PredictionCharts>();
    case MainButton::cmdScout:
        return openModal<ScoutingReport>();
    case MainButton::cmdLedger:
        return openModal<Ledger>();
    case MainButton::cmdCompRslt:
        m_session.entryMode = 1;
        return OpenCompareDiffs(1);
    case MainButton::cmdStandings:
        return openModal<LeagueStandings>();
    case MainButton::cmdDifference:
        m_session.entryMode = 0;
        return OpenCompareDiffs(0);
    case MainButton::cmdPrint: {
        auto& print = m_host.window<PrintWindow>();
        // The output dialog asks for missing mail settings in the mail settings window.
        print.setMailSettingsOpener([this] { m_host.showModal(m_host.window<frmSettings>()); });
        return showWindow(print);
    }
    }
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
    // A missing page is the browser's to report; a browser that cannot be started is ours.
    const QString page = m_session.folder().filePath(GuideFileName);
    if (!m_urlOpener->open(QUrl::fromLocalFile(page))) {
        m_host.messages().show({this, appinfo::messageTitle(),
                                GuideNotShown.arg(QDir::toNativeSeparators(page)), Messages::Icon::Warning,
                                Messages::Buttons::Ok});
    }
}

void Main::RefreshMainButtons() {
    const MainButtonStates states = mainButtonStates(m_session.pool());
    for (const MainButtonFace& face : MainButtonFaces) {
        button(face.button)->setEnabled(states.enabled(face.button));
    }
}

void Main::showCurrentWeek() {
    const PoolData& pool = m_session.pool();
    setStatusPanel(WeekPanel, weekPanelText(pool));
    button(MainButton::cmdStandings)->setToolTip(standingsToolTip(pool));
}

void Main::showSeason() {
    setMainCaption(seasonCaption(m_session.pool()));
    setStatusPanel(SeasonPanel, seasonPanelText(m_session.pool()));
}

void Main::refreshAfterChange() {
    RefreshMainButtons();
    // A save or a clear of results moves currentWeek; the week panel and the standings tip follow it.
    showCurrentWeek();
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
    // The standings tip names the loaded week: it is set after the loading stages.
    for (const MainButtonFace& face : MainButtonFaces) {
        if (face.toolTip != nullptr) {
            button(face.button)->setToolTip(QString::fromLatin1(face.toolTip));
        }
    }
    cmdExit->setToolTip(exitText());
}

void Main::startUp() {
    {
        frmSplash splash(this);
        splash.setCursor(Qt::ArrowCursor);
        m_host.showModal(splash); // closes itself after its timer or on a click
    }
    QCoreApplication::processEvents();
    // The window takes no input until the files are read: the hourglass says so.
    setCursor(Qt::WaitCursor);
    show();
    repaint();

    setButtonToolTips();
    helpAbout->setText(QStringLiteral("About ") + appinfo::titleAndDescription());

    // Neither stage stops start-up: a missing or damaged file gives that stage's defaults.
    runLoadingStages(m_session, *this);
    button(MainButton::cmdStandings)->setToolTip(standingsToolTip(m_session.pool()));
    runStartupComputations(m_session, *this);

    // ---- Final steps ----
    RefreshMainButtons();
    setPrinterFont();
    setCursor(Qt::ArrowCursor);
}

void Main::setPrinterFont() {
    // The "PDF file" device is always installed, so there is always a printer to set. Start-up does not
    // ask the print server for its printers: one that does not answer would hold the program up.
    m_session.printer.fontName = PrinterFontName;
}

void Main::showStartupMessage(const QString& text) {
    m_host.messages().information(this, appinfo::messageTitle(), text);
}

void Main::setMainCaption(const QString& caption) {
    setWindowTitle(caption);
}

void Main::setStatusPanel(int panel, const QString& text) {
    if (panel >= 1 && panel <= m_panels.size()) {
        m_panels[panel - 1]->setText(text);
    }
}

} // namespace vek
