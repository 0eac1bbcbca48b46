#include "entry/resultspredict.h"

#include "entry/psresultspredict.h"
#include "model/appinfo.h"
#include "session/poolsession.h"
#include "widgets/colours.h"
#include "widgets/controls.h"
#include "widgets/digitkeyfilter.h"
#include "widgets/messages.h"
#include "widgets/scorevalidator.h"
#include "widgets/teampictures.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"
#include "widgets/windowhost.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {
namespace {

constexpr int HeaderRows = 1; // the column heads above the game rows
constexpr int MarkColumn = 0;
constexpr int AwayColumn = 1;
constexpr int AwayScoreColumn = 2;
constexpr int HomeColumn = 3;
constexpr int HomeScoreColumn = 4;
constexpr int CpColumn = 5;
constexpr int SpinColumn = 6;
constexpr int TieColumn = 7;
constexpr int RowHeight = 22;

/// The legend's looks: the chosen team raised in red, the other flat without border, a tie or an even
/// game boxed in the tie colour, an open game boxed in black on white.
void paintLook(QLabel* label, WeekEntry::Look look) {
    using Look = WeekEntry::Look;
    label->setAutoFillBackground(true);
    label->setFrameStyle(look == Look::Chosen  ? QFrame::Panel | QFrame::Raised
                         : look == Look::Other ? QFrame::NoFrame
                                               : QFrame::Box | QFrame::Plain);
    label->setLineWidth(look == Look::Chosen ? 2 : 1);
    switch (look) {
    case Look::None:
        setColours(label, colours::White, colours::Black);
        break;
    case Look::Tie:
        setColours(label, colours::White, colours::Blue);
        break;
    case Look::Chosen:
        setColours(label, buttonFace(), colours::Red);
        break;
    case Look::Other:
        setColours(label, buttonFace(), colours::Black);
        break;
    }
    setEmphasis(label, look == Look::Chosen);
}

/// A label that acts as a button: raised, on the button face, in bold.
void paintButtonLabel(QLabel* label) {
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setLineWidth(2);
    setColours(label, buttonFace(), colours::Black);
    setEmphasis(label, true);
    label->setCursor(Qt::PointingHandCursor);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

using controls::makeButton;

QLineEdit* makeNumberBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new ScoreValidator(WeekEntry::MaxScore, box));
    new DigitKeyFilter(box, WeekEntry::MaxScore);
    box->setMaxLength(5);
    box->setFixedWidth(56);
    return box;
}

} // namespace

ResultsPredict::ResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent), m_entry(session) {
    setObjectName(QStringLiteral("ResultsPredict"));
    setWindowTitle(DesignerCaption);
    buildControls();
    buildLayout();
    connectControls();
    // The window sees every key first, whichever control has the focus (and before a number box's own
    // key filter, so F1 to F3 and Enter act there too).
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
}

// ---- Controls and layout ---------------------------------------------------------------------------

void ResultsPredict::buildControls() {
    for (int i = 0; i < GridRows; ++i) {
        GameRow& row = m_rows[i];
        row.rowMark = makeLabel(this, QStringLiteral("rowMark%1").arg(i), QString::number(i + 1));
        row.rowMark->setAlignment(Qt::AlignCenter);
        row.rowMark->setFixedSize(24, RowHeight);
        row.rowMark->setAutoFillBackground(true);
        row.agameBox = makeLabel(this, QStringLiteral("agameBox%1").arg(i));
        row.hgameBox = makeLabel(this, QStringLiteral("hgameBox%1").arg(i));
        row.ascoreBox = makeLabel(this, QStringLiteral("ascoreBox%1").arg(i));
        row.hscoreBox = makeLabel(this, QStringLiteral("hscoreBox%1").arg(i));
        row.cpBox = makeLabel(this, QStringLiteral("cpBox%1").arg(i));
        for (QLabel* team : {row.agameBox, row.hgameBox}) {
            team->setAlignment(Qt::AlignCenter);
            team->setFixedSize(56, RowHeight);
        }
        for (QLabel* score : {row.ascoreBox, row.hscoreBox}) {
            score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            score->setFixedSize(44, RowHeight);
            score->setContentsMargins(0, 0, 4, 0);
        }
        row.cpBox->setAlignment(Qt::AlignCenter);
        row.cpBox->setFixedSize(44, RowHeight);
        row.cmdTie = makeButton(this, QStringLiteral("cmdTie%1").arg(i), QStringLiteral("Tie"));
        row.cmdTie->setFixedSize(48, RowHeight);

        m_clickActions[row.agameBox] = [this, i] { rowTeamClicked(i, 0); };
        m_clickActions[row.hgameBox] = [this, i] { rowTeamClicked(i, 1); };
        m_clickActions[row.ascoreBox] = [this, i] {
            settleTypedScores();
            m_entry.selectRow(i);
            showSelection(true);
        };
        m_clickActions[row.hscoreBox] = m_clickActions[row.ascoreBox];
        m_clickActions[row.cpBox] = [this, i] { cpBoxClicked(i); };
    }

    gamenumBox = makeLabel(this, QStringLiteral("gamenumBox"));
    weekSpin = new UpDown(this);
    weekSpin->setObjectName(QStringLiteral("weekSpin"));
    weekBox = makeLabel(this, QStringLiteral("weekBox"));
    for (QLabel* box : {gamenumBox, weekBox}) {
        box->setFixedSize(36, RowHeight);
        box->setAlignment(Qt::AlignCenter);
        paintLook(box, Look::None);
    }
    MemberBox = new QComboBox(this);
    MemberBox->setObjectName(QStringLiteral("MemberBox"));
    MemberBox->setMinimumWidth(200);
    memlabelBox = makeLabel(this, QStringLiteral("memlabelBox"), QStringLiteral("Member"));

    awayBox = makeLabel(this, QStringLiteral("awayBox"));
    homeBox = makeLabel(this, QStringLiteral("homeBox"));
    for (QLabel* name : {awayBox, homeBox}) {
        paintButtonLabel(name);
        // Room for a name of two dozen characters in bold, a little more than the league's default names.
        name->setFixedSize(name->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('n'))) + 8, 28);
        name->setAlignment(Qt::AlignCenter);
    }
    picAway = makeLabel(this, QStringLiteral("picAway"));
    picHome = makeLabel(this, QStringLiteral("picHome"));
    for (QLabel* pic : {picAway, picHome}) {
        pic->setFixedSize(TeamPictures::Width + 2, TeamPictures::Height + 2);
        pic->setAlignment(Qt::AlignCenter);
    }
    f1Box = makeLabel(this, QStringLiteral("f1Box"), QStringLiteral("F1"));
    f2Box = makeLabel(this, QStringLiteral("f2Box"), QStringLiteral("F2"));
    m_f3Box = makeLabel(this, QStringLiteral("f3Box"), QStringLiteral("F3"));
    m_tieBox = makeLabel(this, QStringLiteral("tieBox"), QStringLiteral("Tie"));
    m_tieBox->setFixedSize(56, 28);
    m_tieBox->setAlignment(Qt::AlignCenter);
    paintButtonLabel(m_tieBox);
    for (QLabel* key : {f1Box, f2Box, m_f3Box}) {
        key->setAlignment(Qt::AlignCenter);
    }
    m_clickActions[awayBox] = [this] { sideChoice(0); };
    m_clickActions[homeBox] = [this] { sideChoice(1); };
    m_clickActions[m_tieBox] = [this] { tieChoice(); };

    awayScoreBox = makeNumberBox(this, QStringLiteral("awayScoreBox"));
    homeScoreBox = makeNumberBox(this, QStringLiteral("homeScoreBox"));
    cmdLog = makeButton(this, QStringLiteral("cmdLog"), QStringLiteral("Log Score"));

    cpLabel = makeLabel(this, QStringLiteral("cpLabel"), QStringLiteral("Conf. Pts"));
    cpLabel->setAlignment(Qt::AlignCenter);
    cp2Label =
        makeLabel(this, QStringLiteral("cp2Label"), QStringLiteral("Click on game with confidence pts:"));
    cptsBox = makeLabel(this, QStringLiteral("cptsBox"));
    cptsBox->setFixedSize(36, RowHeight);
    cptsBox->setAlignment(Qt::AlignCenter);
    paintLook(cptsBox, Look::None);
    cmdClearCPts =
        makeButton(this, QStringLiteral("cmdClearCPts"), QStringLiteral("Clear Confidence Points"));
    lblTotScore = makeLabel(this, QStringLiteral("lblTotScore"),
                            QStringLiteral("Enter total score for the Monday Night game:"));
    txtTotScore = makeNumberBox(this, QStringLiteral("txtTotScore"));

    spreadSpin = new UpDown(this);
    spreadSpin->setObjectName(QStringLiteral("spreadSpin"));
    spreadSpin->setRange(0, WeekEntry::MaxSpreadSteps);
    spreadSpin->setSingleStep(1);
    cmdClearSPts = makeButton(this, QStringLiteral("cmdClearSPts"), QStringLiteral("Clear Spread Points"));

    cmdClear = makeButton(this, QStringLiteral("cmdClear"), QStringLiteral("Clear Picks"));
    cmdPostSeason = makeButton(this, QStringLiteral("cmdPostSeason"), QStringLiteral("Post Season"));
    cmdSave = makeButton(this, QStringLiteral("cmdSave"), QStringLiteral("Save"));
    cmdOk = makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    cmdCancel = makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));

    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("Winner"));
    Label7 = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Loser"));
    Label8 = makeLabel(this, QStringLiteral("Label8"), QStringLiteral("Tie"));
    Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("TBD"));
    paintLook(Label5, Look::Chosen);
    paintLook(Label7, Look::Other);
    paintLook(Label8, Look::Tie);
    paintLook(Label4, Look::None);
    for (QLabel* legend : {Label5, Label7, Label8, Label4}) {
        legend->setAlignment(Qt::AlignCenter);
        legend->setFixedSize(56, RowHeight);
    }
}

void ResultsPredict::buildLayout() {
    auto* gridWidget = new QWidget(this);
    gridWidget->setObjectName(QStringLiteral("gameGrid"));
    m_grid = new QGridLayout(gridWidget);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(6);
    m_grid->setVerticalSpacing(3);
    auto* awayHead = makeLabel(gridWidget, QStringLiteral("awayHead"), QStringLiteral("Away"));
    auto* homeHead = makeLabel(gridWidget, QStringLiteral("homeHead"), QStringLiteral("Home"));
    m_grid->addWidget(awayHead, 0, AwayColumn, Qt::AlignCenter);
    m_grid->addWidget(homeHead, 0, HomeColumn, Qt::AlignCenter);
    m_grid->addWidget(cpLabel, 0, CpColumn, Qt::AlignCenter);
    for (int i = 0; i < GridRows; ++i) {
        const GameRow& row = m_rows[i];
        const int r = HeaderRows + i;
        m_grid->addWidget(row.rowMark, r, MarkColumn);
        m_grid->addWidget(row.agameBox, r, AwayColumn);
        m_grid->addWidget(row.ascoreBox, r, AwayScoreColumn);
        m_grid->addWidget(row.hgameBox, r, HomeColumn);
        m_grid->addWidget(row.hscoreBox, r, HomeScoreColumn);
        m_grid->addWidget(row.cpBox, r, CpColumn);
        m_grid->addWidget(row.cmdTie, r, TieColumn);
        m_grid->setRowMinimumHeight(r, RowHeight);
    }
    m_grid->addWidget(spreadSpin, HeaderRows, SpinColumn);
    m_grid->setColumnMinimumWidth(SpinColumn, 20);
    m_grid->setColumnMinimumWidth(TieColumn, 48);
    m_grid->setRowStretch(HeaderRows + GridRows, 1);

    // The side panel: week and member, the selected game, the entry helpers, the commands.
    auto* weekRow = new QHBoxLayout;
    weekRow->addWidget(makeLabel(this, QStringLiteral("weekLabel"), QStringLiteral("Week")));
    weekRow->addWidget(weekBox);
    weekRow->addWidget(weekSpin);
    weekRow->addSpacing(24);
    weekRow->addWidget(makeLabel(this, QStringLiteral("gamesLabel"), QStringLiteral("Games")));
    weekRow->addWidget(gamenumBox);
    weekRow->addStretch();

    auto* memberRow = new QHBoxLayout;
    memberRow->addWidget(memlabelBox);
    memberRow->addWidget(MemberBox, 1);

    auto* teams = new QGridLayout;
    teams->setHorizontalSpacing(8);
    teams->addWidget(makeLabel(this, QStringLiteral("awayTeamLabel"), QStringLiteral("Away Team")), 0, 1);
    teams->addWidget(makeLabel(this, QStringLiteral("homeTeamLabel"), QStringLiteral("Home Team")), 0, 3);
    teams->addWidget(picAway, 1, 0);
    teams->addWidget(awayBox, 1, 1);
    teams->addWidget(picHome, 1, 2);
    teams->addWidget(homeBox, 1, 3);
    teams->addWidget(m_tieBox, 1, 4);
    teams->addWidget(f1Box, 2, 1);
    teams->addWidget(f2Box, 2, 3);
    teams->addWidget(m_f3Box, 2, 4);
    teams->addWidget(awayScoreBox, 3, 1, Qt::AlignCenter);
    teams->addWidget(homeScoreBox, 3, 3, Qt::AlignCenter);
    teams->addWidget(cmdLog, 3, 4);
    teams->setColumnStretch(5, 1);

    auto* totalRow = new QHBoxLayout;
    totalRow->addWidget(lblTotScore);
    totalRow->addWidget(txtTotScore);
    totalRow->addStretch();

    auto* confidenceRow = new QHBoxLayout;
    confidenceRow->addWidget(cp2Label);
    confidenceRow->addWidget(cptsBox);
    confidenceRow->addStretch();

    auto* clearRow = new QHBoxLayout;
    clearRow->addWidget(cmdClearCPts);
    clearRow->addWidget(cmdClearSPts);
    clearRow->addWidget(cmdClear);
    clearRow->addWidget(cmdPostSeason);
    clearRow->addStretch();

    auto* legend = new QHBoxLayout;
    for (QLabel* label : {Label5, Label7, Label8, Label4}) {
        legend->addWidget(label);
    }
    legend->addStretch();

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdSave);
    commands->addWidget(cmdOk);
    commands->addWidget(cmdCancel);

    auto* side = new QVBoxLayout;
    side->setSpacing(10);
    side->addLayout(weekRow);
    side->addLayout(memberRow);
    side->addSpacing(8);
    side->addLayout(teams);
    side->addLayout(totalRow);
    side->addLayout(confidenceRow);
    side->addStretch();
    side->addLayout(clearRow);
    side->addLayout(legend);
    side->addLayout(commands);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(18);
    layout->addWidget(gridWidget);
    layout->addLayout(side, 1);
}

void ResultsPredict::connectControls() {
    for (int i = 0; i < GridRows; ++i) {
        connect(m_rows[i].cmdTie, &QPushButton::clicked, this, [this, i] { cmdTieClicked(i); });
    }
    connect(weekSpin, &QSpinBox::valueChanged, this, &ResultsPredict::weekSpinChanged);
    connect(MemberBox, &QComboBox::currentIndexChanged, this, &ResultsPredict::memberBoxChanged);
    connect(spreadSpin, &QSpinBox::valueChanged, this, &ResultsPredict::spreadSpinChanged);
    connect(awayScoreBox, &QLineEdit::textEdited, this, [this] { scoreEdited(0); });
    connect(homeScoreBox, &QLineEdit::textEdited, this, [this] { scoreEdited(1); });
    connect(awayScoreBox, &QLineEdit::textChanged, this, &ResultsPredict::showLogButton);
    connect(homeScoreBox, &QLineEdit::textChanged, this, &ResultsPredict::showLogButton);
    connect(cmdLog, &QPushButton::clicked, this, &ResultsPredict::cmdLogClicked);
    // The box lets only digits up to 32767 in; an empty box is a total of 0.
    connect(txtTotScore, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_entry.setMondayNightTotal(text.toInt()); });
    connect(cmdClear, &QPushButton::clicked, this, &ResultsPredict::cmdClearClicked);
    connect(cmdClearCPts, &QPushButton::clicked, this, &ResultsPredict::cmdClearCPtsClicked);
    connect(cmdClearSPts, &QPushButton::clicked, this, &ResultsPredict::cmdClearSPtsClicked);
    connect(cmdPostSeason, &QPushButton::clicked, this, &ResultsPredict::cmdPostSeasonClicked);
    connect(cmdSave, &QPushButton::clicked, this, [this] { SaveWeekEntries(); });
    connect(cmdOk, &QPushButton::clicked, this, &ResultsPredict::cmdOkClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &ResultsPredict::reject);
}

// ---- Loading -----------------------------------------------------------------------------------------

void ResultsPredict::loadWindow() {
    const PoolData& pool = m_session.pool();
    const EntryMode mode = entryModeOf(m_session.entryMode);
    const int weeks = pool.weekLayout().weeks();

    // The designer state that openers and earlier openings change.
    setWindowTitle(DesignerCaption);
    m_tieBox->setVisible(true);
    m_f3Box->setVisible(true);
    cmdOk->setEnabled(true);
    cpLabel->setText(QStringLiteral("Conf. Pts"));
    for (GameRow& row : m_rows) {
        row.cmdTie->setText(QStringLiteral("Tie"));
    }
    {
        const QSignalBlocker blockAway(awayScoreBox);
        const QSignalBlocker blockHome(homeScoreBox);
        awayScoreBox->clear();
        homeScoreBox->clear();
    }
    m_scoresTyped = false;

    m_entry.load(mode);
    switch (mode) {
    case EntryMode::Predictions: {
        memlabelBox->show();
        MemberBox->show();
        awayScoreBox->hide();
        homeScoreBox->hide();
        cmdClearSPts->hide();
        spreadSpin->hide();
        cmdPostSeason->show();
        cmdClear->setText(QStringLiteral("Clear Picks"));
        const bool confidence = m_entry.confidenceUsed();
        for (QWidget* w : std::initializer_list<QWidget*>{cp2Label, cptsBox, cpLabel, cmdClearCPts}) {
            w->setVisible(confidence);
        }
        for (GameRow& row : m_rows) {
            row.cmdTie->hide();
            row.ascoreBox->show();
            row.hscoreBox->show();
        }
        // Choosing the default member here is no member change: nothing is saved.
        const QSignalBlocker block(MemberBox);
        MemberBox->clear();
        for (int m = 0; m < pool.memberCount(); ++m) {
            MemberBox->addItem(pool.memberName[m]);
        }
        MemberBox->setCurrentIndex(pool.memberCount() > 0 ? m_entry.member() : -1);
        cmdClear->show();
        break;
    }
    case EntryMode::Results:
        memlabelBox->hide();
        MemberBox->hide();
        awayScoreBox->show();
        homeScoreBox->show();
        cmdPostSeason->show();
        cmdClearSPts->hide();
        cmdClearCPts->hide();
        cmdClear->setText(QStringLiteral("Clear Results"));
        for (QWidget* w : std::initializer_list<QWidget*>{cp2Label, cptsBox, cpLabel, spreadSpin}) {
            w->hide();
        }
        for (int i = 0; i < GridRows; ++i) {
            GameRow& row = m_rows[i];
            row.cpBox->hide();
            const bool game = m_entry.isGameRow(i);
            row.cmdTie->setVisible(game);
            row.ascoreBox->setVisible(game && m_entry.spreadsUsed());
            row.hscoreBox->setVisible(game && m_entry.spreadsUsed());
        }
        m_f3Box->show();
        cmdClear->setVisible(m_entry.clearOffered());
        txtTotScore->hide();
        lblTotScore->hide();
        break;
    case EntryMode::Spreads:
        for (QWidget* w :
             std::initializer_list<QWidget*>{memlabelBox, MemberBox, awayScoreBox, homeScoreBox, cmdClearCPts,
                                             cmdPostSeason, cmdClear, cp2Label, cptsBox}) {
            w->hide();
        }
        cmdClearSPts->show();
        cpLabel->show();
        cpLabel->setText(QStringLiteral("Spread"));
        for (int i = 0; i < GridRows; ++i) {
            GameRow& row = m_rows[i];
            row.cmdTie->setText(QStringLiteral("Even"));
            row.cmdTie->setVisible(m_entry.isGameRow(i));
            row.ascoreBox->hide();
            row.hscoreBox->hide();
        }
        spreadSpin->show();
        placeSpinner();
        txtTotScore->hide();
        lblTotScore->hide();
        break;
    }

    {
        const QSignalBlocker block(weekSpin);
        weekSpin->setRange(0, std::max(0, weeks - 1));
        weekSpin->setValue(m_entry.shownWeek());
    }
    weekBox->setText(QString::number(m_entry.shownWeek() + 1));
    f1Box->show();
    f2Box->show();
    paintLook(Label4, Look::None);
    paintLook(Label8, Look::Tie);
    cmdPostSeason->setEnabled(m_entry.postSeasonOffered());
    PaintWeekGrid();
    showSelection(false);
}

// ---- Painting ----------------------------------------------------------------------------------------

void ResultsPredict::paintRowLook(int row, std::optional<WeekEntry::RowLook> look) {
    const PoolData& pool = m_session.pool();
    GameRow& r = m_rows[row];
    r.agameBox->setText(pool.teamAbbrOf(m_entry.team(row, 0)));
    r.hgameBox->setText(pool.teamAbbrOf(m_entry.team(row, 1)));
    const WeekEntry::RowLook shown = look.value_or(m_entry.rowLook(row));
    paintLook(r.agameBox, shown.away);
    paintLook(r.hgameBox, shown.home);
}

void ResultsPredict::PaintWeekGrid() {
    const PoolData& pool = m_session.pool();
    const EntryMode mode = m_entry.mode();
    const int weekGames = m_entry.games();
    for (int i = 0; i < weekGames; ++i) {
        GameRow& row = m_rows[i];
        row.rowMark->show();
        row.agameBox->show();
        row.hgameBox->show();
        switch (mode) {
        case EntryMode::Predictions:
            row.cmdTie->hide();
            row.cpBox->setVisible(m_entry.confidenceUsed());
            row.ascoreBox->setVisible(m_entry.spreadsUsed());
            row.hscoreBox->setVisible(m_entry.spreadsUsed());
            break;
        case EntryMode::Results:
            row.ascoreBox->setVisible(m_entry.rowScoresShown(i));
            row.hscoreBox->setVisible(m_entry.rowScoresShown(i));
            row.cmdTie->show();
            row.cpBox->hide();
            break;
        case EntryMode::Spreads:
            row.ascoreBox->hide();
            row.hscoreBox->hide();
            row.cmdTie->show();
            row.cpBox->show();
            row.cpBox->setText(m_entry.spreadText(i));
            paintLook(row.cpBox, Look::None);
            break;
        }
        paintRowLook(i);
    }
    gamenumBox->setText(QString::number(weekGames));
    {
        const QSignalBlocker block(txtTotScore);
        txtTotScore->setText(QString::number(m_entry.mondayNightTotal()));
    }
    if (mode == EntryMode::Predictions && m_entry.confidenceUsed()) {
        NextConfidenceValue();
    }
    if (mode == EntryMode::Predictions && m_entry.spreadsUsed()) {
        ShowSpreadLines();
    }
    if (mode == EntryMode::Results && (m_entry.spreadsUsed() || pool.mnTieBreaker != 0)) {
        ShowResultScores();
    }
    if (mode == EntryMode::Spreads) {
        placeSpinner();
    }
    for (int i = weekGames; i < GridRows; ++i) {
        GameRow& row = m_rows[i];
        for (QWidget* w : std::initializer_list<QWidget*>{row.rowMark, row.agameBox, row.hgameBox, row.cmdTie,
                                                          row.cpBox, row.ascoreBox, row.hscoreBox}) {
            w->hide();
        }
    }
    showMondayNightFields();
    showOkAllowed();
}

void ResultsPredict::NextConfidenceValue() {
    for (int g = 0; g < m_entry.games(); ++g) {
        m_rows[g].cpBox->setText(QString::number(m_entry.confidence(g)));
    }
    cptsBox->setText(QString::number(m_entry.nextConfidence()));
    ShowConfidenceState();
}

void ResultsPredict::ShowConfidenceState() {
    for (int g = 0; g < m_entry.games(); ++g) {
        QLabel* box = m_rows[g].cpBox;
        box->setAutoFillBackground(true);
        box->setFrameStyle(QFrame::NoFrame);
        setColours(box, m_entry.confidencePlaced(g) ? colours::Blue : colours::Red, colours::White);
        setEmphasis(box, true);
    }
    const bool allPlaced = m_entry.allConfidencePlaced();
    cp2Label->setVisible(!allPlaced);
    cptsBox->setVisible(!allPlaced);
    showOkAllowed();
}

void ResultsPredict::ShowSpreadLines() {
    for (int g = 0; g < m_entry.games(); ++g) {
        m_rows[g].ascoreBox->setText(m_entry.spreadLine(g, 0));
        m_rows[g].hscoreBox->setText(m_entry.spreadLine(g, 1));
    }
}

void ResultsPredict::ShowResultScores() {
    for (int g = 0; g < m_entry.games(); ++g) {
        showRowScores(g);
    }
}

void ResultsPredict::showRowScores(int row) {
    if (m_entry.rowScoresShown(row)) {
        m_rows[row].ascoreBox->setText(QString::number(m_entry.score(row, 0)));
        m_rows[row].hscoreBox->setText(QString::number(m_entry.score(row, 1)));
    }
}

void ResultsPredict::showSelection(bool loadScores) {
    const PoolData& pool = m_session.pool();
    const QPalette& standard = QGuiApplication::palette();
    const int selected = m_entry.selectedRow();
    for (int i = 0; i < GridRows; ++i) {
        QLabel* mark = m_rows[i].rowMark;
        const bool on = i == selected;
        setColours(mark, standard.color(on ? QPalette::Highlight : QPalette::Window),
                   standard.color(on ? QPalette::HighlightedText : QPalette::WindowText));
        setEmphasis(mark, on);
    }
    const int away = m_entry.isGameRow(selected) ? m_entry.team(selected, 0) : -1;
    const int home = m_entry.isGameRow(selected) ? m_entry.team(selected, 1) : -1;
    awayBox->setText(pool.teamNameOf(away));
    homeBox->setText(pool.teamNameOf(home));
    picAway->setPixmap(TeamPictures::ofTeam(pool, away));
    picHome->setPixmap(TeamPictures::ofTeam(pool, home));
    showMondayNightFields();
    if (loadScores && m_entry.mode() == EntryMode::Results && !awayScoreBox->isHidden()) {
        m_scoresTyped = false;
        const QSignalBlocker blockAway(awayScoreBox);
        const QSignalBlocker blockHome(homeScoreBox);
        if (m_entry.rowHasEntry(selected)) {
            awayScoreBox->setText(QString::number(m_entry.score(selected, 0)));
            homeScoreBox->setText(QString::number(m_entry.score(selected, 1)));
        } else {
            awayScoreBox->clear();
            homeScoreBox->clear();
        }
        takeTyping(awayScoreBox);
    } else if (loadScores && m_entry.mode() == EntryMode::Predictions && !txtTotScore->isHidden()) {
        takeTyping(txtTotScore);
    }
    showLogButton();
}

void ResultsPredict::takeTyping(QLineEdit* box) {
    // Selected, so that typing replaces what the box holds rather than adding digits to it.
    box->selectAll();
    box->setFocus(Qt::OtherFocusReason);
}

void ResultsPredict::showMondayNightFields() {
    if (m_entry.mode() == EntryMode::Predictions) {
        lblTotScore->setVisible(m_entry.mondayNightSelected());
        txtTotScore->setVisible(m_entry.mondayNightSelected());
    } else if (m_entry.mode() == EntryMode::Results) {
        awayScoreBox->setVisible(m_entry.scoreBoxesShown());
        homeScoreBox->setVisible(m_entry.scoreBoxesShown());
    }
    showLogButton();
}

void ResultsPredict::showLogButton() {
    cmdLog->setVisible(m_entry.mode() == EntryMode::Results && !awayScoreBox->isHidden() &&
                       !awayScoreBox->text().isEmpty() && !homeScoreBox->text().isEmpty());
}

void ResultsPredict::placeSpinner() {
    m_grid->removeWidget(spreadSpin);
    m_grid->addWidget(spreadSpin, HeaderRows + m_entry.spreadRow(), SpinColumn);
    m_grid->activate();
    // The spinner shows its row's spread, so the next step starts from there.
    const QSignalBlocker block(spreadSpin);
    spreadSpin->setValue(m_entry.spreadSteps());
}

void ResultsPredict::showOkAllowed() {
    cmdOk->setEnabled(m_entry.okAllowed());
}

// ---- Entries -----------------------------------------------------------------------------------------

void ResultsPredict::sideChoice(int side) {
    settleTypedScores(true);
    const int row = m_entry.selectedRow();
    afterEntry(row, m_entry.chooseSide(side));
}

void ResultsPredict::tieChoice() {
    settleTypedScores(true);
    const int row = m_entry.selectedRow();
    afterEntry(row, m_entry.chooseTie());
}

void ResultsPredict::afterEntry(int row, bool entered) {
    if (!entered) {
        return;
    }
    paintRowLook(row);
    if (m_entry.mode() == EntryMode::Spreads) {
        m_rows[row].cpBox->setText(m_entry.spreadText(row));
        placeSpinner();
    }
    showSelection(true);
}

void ResultsPredict::rowTeamClicked(int row, int side) {
    settleTypedScores(row == m_entry.selectedRow() && !m_entry.scoresDecide());
    if (m_entry.clickTeam(row, side)) {
        afterEntry(row, true);
    } else {
        showSelection(true); // with point spreads the result comes from the scores: the click picks the game
    }
}

void ResultsPredict::cmdTieClicked(int row) {
    settleTypedScores(row == m_entry.selectedRow());
    if (m_entry.clickTie(row)) {
        afterEntry(row, true);
    } else {
        showSelection(true);
    }
}

void ResultsPredict::cpBoxClicked(int row) {
    if (!m_entry.isGameRow(row)) {
        return;
    }
    if (m_entry.mode() == EntryMode::Spreads) {
        m_entry.setSpreadRow(row);
        placeSpinner();
    } else if (m_entry.toggleConfidence(row)) {
        NextConfidenceValue();
    }
}

void ResultsPredict::spreadSpinChanged(int value) {
    const int row = m_entry.spreadRow();
    if (m_entry.mode() != EntryMode::Spreads || !m_entry.isGameRow(row)) {
        return;
    }
    const std::optional<WeekEntry::RowLook> look = m_entry.setSpreadSteps(value);
    m_rows[row].cpBox->setText(m_entry.spreadText(row));
    if (look) {
        paintRowLook(row, look);
    }
}

void ResultsPredict::scoreEdited(int side) {
    const int row = m_entry.selectedRow();
    if (!m_entry.isGameRow(row)) {
        return;
    }
    QLabel* label = side == 0 ? m_rows[row].ascoreBox : m_rows[row].hscoreBox;
    label->setText((side == 0 ? awayScoreBox : homeScoreBox)->text());
    m_scoresTyped = true;
}

void ResultsPredict::scoreEnter(int side) {
    QLineEdit* own = side == 0 ? awayScoreBox : homeScoreBox;
    QLineEdit* other = side == 0 ? homeScoreBox : awayScoreBox;
    if (other->text().isEmpty()) {
        other->setFocus();
    } else if (!own->text().isEmpty()) {
        logScores();
    }
}

void ResultsPredict::cmdLogClicked() {
    if (awayScoreBox->text().isEmpty()) {
        awayScoreBox->setFocus();
    } else if (homeScoreBox->text().isEmpty()) {
        homeScoreBox->setFocus();
    } else {
        logScores();
        cmdLog->hide();
    }
}

bool ResultsPredict::logScores() {
    const int row = m_entry.selectedRow();
    const bool logged = m_entry.logScores(awayScoreBox->text().toInt(), homeScoreBox->text().toInt());
    if (logged) {
        showRowScores(row); // as stored: "07" typed reads 7
    }
    // Showing the next selection gives the keyboard back to its away score, when it has scores.
    afterEntry(row, logged);
    return logged;
}

void ResultsPredict::settleTypedScores(bool keepResult) {
    if (!m_scoresTyped) {
        return;
    }
    m_scoresTyped = false;
    const int row = m_entry.selectedRow();
    const bool bothTyped = !awayScoreBox->text().isEmpty() && !homeScoreBox->text().isEmpty();
    if (bothTyped && !keepResult && logScores()) {
        return;
    }
    if (bothTyped && keepResult) {
        m_entry.storeScores(awayScoreBox->text().toInt(), homeScoreBox->text().toInt());
    }
    showRowScores(row);
}

// ---- Commands and navigation -------------------------------------------------------------------------

void ResultsPredict::weekSpinChanged(int value) {
    settleTypedScores();
    m_entry.showWeek(value);
    if (m_entry.mode() == EntryMode::Results) {
        cmdClear->setVisible(m_entry.clearOffered());
    }
    weekBox->setText(QString::number(m_entry.shownWeek() + 1));
    {
        const QSignalBlocker blockAway(awayScoreBox);
        const QSignalBlocker blockHome(homeScoreBox);
        awayScoreBox->clear();
        homeScoreBox->clear();
    }
    m_scoresTyped = false;
    PaintWeekGrid();
    showSelection(false);
}

void ResultsPredict::memberBoxChanged(int index) {
    if (m_entry.mode() != EntryMode::Predictions) {
        return;
    }
    if (m_entry.entriesChanged() && !SaveWeekEntries()) {
        // The member being left keeps the window until its entries are written.
        const QSignalBlocker block(MemberBox);
        MemberBox->setCurrentIndex(m_entry.member());
        return;
    }
    m_entry.changeMember(index);
    PaintWeekGrid();
    showSelection(false);
}

void ResultsPredict::cmdClearClicked() {
    m_scoresTyped = false; // the week's scores go with its results
    m_entry.clearWeek();
    for (int i = 0; i < m_entry.games(); ++i) {
        GameRow& row = m_rows[i];
        paintRowLook(i, WeekEntry::RowLook{Look::None, Look::None});
        if (m_entry.mode() == EntryMode::Results && m_entry.spreadsUsed()) {
            row.ascoreBox->clear();
            row.hscoreBox->clear();
        }
    }
    showSelection(true);
}

void ResultsPredict::cmdClearCPtsClicked() {
    m_entry.clearConfidence();
    NextConfidenceValue();
}

void ResultsPredict::cmdClearSPtsClicked() {
    m_entry.clearSpreads();
    for (int g = 0; g < m_entry.games(); ++g) {
        m_rows[g].cpBox->setText(m_entry.spreadText(g));
        // Shown undecided, though every game is even now.
        paintRowLook(g, WeekEntry::RowLook{Look::None, Look::None});
    }
    placeSpinner();
    showOkAllowed();
}

void ResultsPredict::cmdPostSeasonClicked() {
    auto& postSeason = m_host.window<PSResultsPredict>();
    postSeason.setWindowTitle(m_entry.mode() == EntryMode::Predictions
                                  ? QStringLiteral("Post Season Predictions")
                                  : QStringLiteral("Post Season Results"));
    // The post-season picks are the member's too: a member change must save them.
    if (m_host.showModal(postSeason) == QDialog::Accepted) {
        m_entry.postSeasonChanged();
    }
}

bool ResultsPredict::SaveWeekEntries() {
    settleTypedScores();
    WriteResult result;
    {
        const WaitCursor hourglass;
        result = m_entry.save();
    }
    if (!result.ok) {
        m_host.messages().show({this, appinfo::messageTitle(), result.failureText(), Messages::Icon::Warning,
                                Messages::Buttons::Ok});
        return false;
    }
    return true;
}

void ResultsPredict::cmdOkClicked() {
    if (SaveWeekEntries()) {
        accept();
    }
}

void ResultsPredict::done(int result) {
    // Only OK keeps what was entered, and OK has saved it; a second close has nothing left to undo.
    if (result != QDialog::Accepted && isLoaded()) {
        m_entry.cancel();
    }
    PoolWindow::done(result);
}

// ---- Mouse and keys ----------------------------------------------------------------------------------

bool ResultsPredict::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (const auto action = m_clickActions.find(watched); action != m_clickActions.end()) {
            action->second();
            return true;
        }
        // Until the user edits what the window put into a score or total box, a click into it takes the
        // whole text (rather than placing the cursor in it), so typing still replaces it.
        for (QLineEdit* box : {awayScoreBox, homeScoreBox, txtTotScore}) {
            if (watched == box && !box->isModified()) {
                takeTyping(box);
                return true;
            }
        }
    } else if (event->type() == QEvent::KeyPress) {
        if (keyPressed(watched, static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return PoolWindow::eventFilter(watched, event);
}

bool ResultsPredict::keyPressed(QObject* watched, QKeyEvent* event) {
    m_entry.markChanged();
    switch (event->key()) {
    case Qt::Key_F1:
        sideChoice(0);
        return true;
    case Qt::Key_F2:
        sideChoice(1);
        return true;
    case Qt::Key_F3:
        if (m_entry.mode() == EntryMode::Results) {
            tieChoice();
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (watched == awayScoreBox || watched == homeScoreBox) {
            scoreEnter(watched == awayScoreBox ? 0 : 1);
            return true;
        }
        break;
    default:
        break;
    }
    return false; // the number boxes' own key filter takes the rest
}

} // namespace vek
