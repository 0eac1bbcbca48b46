#include "entry/resultspredict.h"

#include "entry/psresultspredict.h"
#include "model/appinfo.h"
#include "session/poolsession.h"
#include "widgets/messages.h"
#include "widgets/teampictures.h"
#include "widgets/waitcursor.h"
#include "widgets/windowhost.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>
#include <cmath>

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
constexpr int MaxScore = 32767; // scores and totals are 16-bit integers
constexpr int MaxSpreadSteps = 200;

const QString BlackOnWhite = QStringLiteral("QLabel { border: 1px solid #000000; color: #000000; "
                                            "background-color: #ffffff; }");
const QString TieColour = QStringLiteral("#0000ff");

QString spreadText(float spread) {
    return spread == 0.0F ? QStringLiteral("0") : QString::number(static_cast<double>(spread));
}

/// An up-down control: a spin box that shows only its arrows; a label beside it shows the value.
class UpDown final : public QSpinBox {
public:
    explicit UpDown(QWidget* parent) : QSpinBox(parent) {
        lineEdit()->hide();
        setFixedSize(20, RowHeight + 2);
        setWrapping(false);
    }
};

/// Digits only, up to the largest 16-bit value: keeps pasted text out that typing could not enter.
class ScoreValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        if (input.isEmpty()) {
            return Acceptable;
        }
        for (const QChar c : input) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                return Invalid;
            }
        }
        bool ok = false;
        const int value = input.toInt(&ok);
        return ok && value <= MaxScore ? Acceptable : Invalid;
    }
};

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* makeNumberBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new ScoreValidator(box));
    box->setMaxLength(5);
    box->setFixedWidth(56);
    return box;
}

} // namespace

ResultsPredict::ResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("ResultsPredict"));
    setWindowTitle(DesignerCaption);
    buildControls();
    buildLayout();
    connectControls();
    // The window sees every key first, whichever control has the focus.
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
            m_selectedRow = static_cast<int16_t>(i);
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
        box->setStyleSheet(BlackOnWhite);
    }
    MemberBox = new QComboBox(this);
    MemberBox->setObjectName(QStringLiteral("MemberBox"));
    MemberBox->setMinimumWidth(200);
    memlabelBox = makeLabel(this, QStringLiteral("memlabelBox"), QStringLiteral("Member"));

    awayBox = makeLabel(this, QStringLiteral("awayBox"));
    homeBox = makeLabel(this, QStringLiteral("homeBox"));
    for (QLabel* name : {awayBox, homeBox}) {
        name->setFixedSize(170, 28);
        name->setAlignment(Qt::AlignCenter);
        name->setStyleSheet(QStringLiteral("QLabel { border: 2px outset #b8b4ac; "
                                           "background-color: palette(button); font-weight: bold; }"));
        name->setCursor(Qt::PointingHandCursor);
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
    m_tieBox->setStyleSheet(awayBox->styleSheet());
    m_tieBox->setCursor(Qt::PointingHandCursor);
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
    cptsBox->setStyleSheet(BlackOnWhite);
    cmdClearCPts =
        makeButton(this, QStringLiteral("cmdClearCPts"), QStringLiteral("Clear Confidence Points"));
    lblTotScore = makeLabel(this, QStringLiteral("lblTotScore"),
                            QStringLiteral("Enter total score for the Monday Night game:"));
    txtTotScore = makeNumberBox(this, QStringLiteral("txtTotScore"));

    spreadSpin = new UpDown(this);
    spreadSpin->setObjectName(QStringLiteral("spreadSpin"));
    spreadSpin->setRange(0, MaxSpreadSteps);
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
    setLook(Label5, Look::Chosen);
    setLook(Label7, Look::Other);
    setLook(Label8, Look::Tie);
    setLook(Label4, Look::None);
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
    connect(txtTotScore, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int week = m_shownWeek;
        if (isWeek(week)) {
            // Digits only, at most 32767: the box lets nothing else in.
            m_session.pool().mondayNightTotal[week][member()] = static_cast<int16_t>(text.toInt());
        }
        m_entriesChanged = true;
    });
    connect(cmdClear, &QPushButton::clicked, this, &ResultsPredict::cmdClearClicked);
    connect(cmdClearCPts, &QPushButton::clicked, this, &ResultsPredict::cmdClearCPtsClicked);
    connect(cmdClearSPts, &QPushButton::clicked, this, &ResultsPredict::cmdClearSPtsClicked);
    connect(cmdPostSeason, &QPushButton::clicked, this, &ResultsPredict::cmdPostSeasonClicked);
    connect(cmdSave, &QPushButton::clicked, this, [this] { SaveWeekEntries(); });
    connect(cmdOk, &QPushButton::clicked, this, &ResultsPredict::cmdOkClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &ResultsPredict::reject);
}

// ---- The shown week ----------------------------------------------------------------------------------

int ResultsPredict::games() const {
    return m_session.pool().games(m_shownWeek);
}

bool ResultsPredict::isGameRow(int row) const {
    return row >= 0 && row < games();
}

int16_t ResultsPredict::team(int row, int side) const {
    if (!isWeek(m_shownWeek) || row < 0 || row >= GameSlots) {
        return -1;
    }
    return m_session.pool().scheduleGrid[m_shownWeek][row][side];
}

int ResultsPredict::member() const {
    const int current = m_session.currentMember;
    return isMember(current) ? current : 0;
}

bool ResultsPredict::spreadsUsed() const {
    return isTrue(m_session.pool().usePointSpreads);
}

int16_t ResultsPredict::rowEntry(int row) const {
    const PoolData& pool = m_session.pool();
    if (!isWeek(m_shownWeek) || row < 0 || row >= GameSlots) {
        return pool.noneCode();
    }
    switch (m_mode) {
    case 0:
        return pickCode(pool.memberPicks[m_shownWeek][row][member()]);
    case 1:
        return pool.gameWinner[m_shownWeek][row];
    default:
        return pool.favoriteTeam[m_shownWeek][row];
    }
}

bool ResultsPredict::rowHasEntry(int row) const {
    const PoolData& pool = m_session.pool();
    const int16_t entry = rowEntry(row);
    if (entry == pool.tieCode()) {
        return true;
    }
    return entry != pool.noneCode() && (entry == team(row, 0) || entry == team(row, 1));
}

int ResultsPredict::countEntries() const {
    int count = 0;
    for (int row = 0; row < games(); ++row) {
        count += rowHasEntry(row) ? 1 : 0;
    }
    return count;
}

// ---- Loading -----------------------------------------------------------------------------------------

void ResultsPredict::loadWindow() {
    PoolData& pool = m_session.pool();
    m_mode = m_session.entryMode;
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

    m_selectedRow = 0;
    if (m_mode == 0) {
        memlabelBox->show();
        MemberBox->show();
        awayScoreBox->hide();
        homeScoreBox->hide();
        cmdClearSPts->hide();
        spreadSpin->hide();
        cmdPostSeason->show();
        cmdClear->setText(QStringLiteral("Clear Picks"));
        const bool confidence = pool.confidenceMode != 0;
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
        const int defaultMember =
            pool.defaultMemberIndex();
        MemberBox->setCurrentIndex(pool.memberCount() > 0 ? defaultMember : -1);
        m_session.currentMember = static_cast<int16_t>(defaultMember);
        m_shownWeek = 0;
        cmdClear->show();
    } else if (m_mode == 1) {
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
        const int current = pool.currentWeek;
        if (current >= 0) {
            const bool moveOn = m_session.weekResultsComplete(current) && current < weeks - 1;
            m_shownWeek = static_cast<int16_t>(moveOn ? current + 1 : current);
        }
        m_shownWeek = static_cast<int16_t>(std::clamp<int>(m_shownWeek, 0, std::max(0, weeks - 1)));
        for (int i = 0; i < GridRows; ++i) {
            GameRow& row = m_rows[i];
            row.cpBox->hide();
            const bool game = isGameRow(i);
            row.cmdTie->setVisible(game);
            row.ascoreBox->setVisible(game && spreadsUsed());
            row.hscoreBox->setVisible(game && spreadsUsed());
        }
        m_lastResultWeek = pool.currentWeek;
        m_f3Box->show();
        cmdClear->setVisible(m_shownWeek == pool.currentWeek);
        txtTotScore->hide();
        lblTotScore->hide();
    } else {
        for (QWidget* w :
             std::initializer_list<QWidget*>{memlabelBox, MemberBox, awayScoreBox, homeScoreBox, cmdClearCPts,
                                             cmdPostSeason, cmdClear, cp2Label, cptsBox}) {
            w->hide();
        }
        cmdClearSPts->show();
        cpLabel->show();
        cpLabel->setText(QStringLiteral("Spread"));
        m_shownWeek = 0;
        for (int i = 0; i < GridRows; ++i) {
            GameRow& row = m_rows[i];
            row.cmdTie->setText(QStringLiteral("Even"));
            row.cmdTie->setVisible(isGameRow(i));
            row.ascoreBox->hide();
            row.hscoreBox->hide();
        }
        spreadSpin->show();
        setSpreadRow(0);
        txtTotScore->hide();
        lblTotScore->hide();
    }

    {
        const QSignalBlocker block(weekSpin);
        weekSpin->setRange(0, std::max(0, weeks - 1));
        weekSpin->setValue(m_shownWeek);
    }
    weekBox->setText(QString::number(m_shownWeek + 1));
    f1Box->show();
    f2Box->show();
    setLook(Label4, Look::None);
    setLook(Label8, Look::Tie);
    m_entriesChanged = false;
    cmdPostSeason->setEnabled(pool.postSeasonPoints > 0 || pool.bigGamePoints > 0);
    PaintWeekGrid();
    showSelection(false);
}

// ---- Painting ----------------------------------------------------------------------------------------

void ResultsPredict::setLook(QLabel* label, Look look) {
    // The legend's looks: the chosen team raised in red, the other flat without border, a tie or an even
    // game boxed in the tie colour, an open game boxed in black.
    switch (look) {
    case Look::None:
        label->setStyleSheet(BlackOnWhite);
        label->setProperty("look", QStringLiteral("none"));
        break;
    case Look::Tie:
        label->setStyleSheet(QStringLiteral("QLabel { border: 1px solid #000000; color: %1; "
                                            "background-color: #ffffff; }")
                                 .arg(TieColour));
        label->setProperty("look", QStringLiteral("tie"));
        break;
    case Look::Chosen:
        label->setStyleSheet(QStringLiteral("QLabel { border: 2px outset #b8b4ac; color: #ff0000; "
                                            "background-color: palette(button); font-weight: bold; }"));
        label->setProperty("look", QStringLiteral("chosen"));
        break;
    case Look::Other:
        label->setStyleSheet(QStringLiteral("QLabel { border: 1px solid transparent; color: #000000; "
                                            "background-color: palette(button); }"));
        label->setProperty("look", QStringLiteral("other"));
        break;
    }
}

void ResultsPredict::paintRowLook(int row) {
    const PoolData& pool = m_session.pool();
    GameRow& r = m_rows[row];
    const int16_t away = team(row, 0);
    const int16_t home = team(row, 1);
    r.agameBox->setText(pool.teamAbbrOf(away));
    r.hgameBox->setText(pool.teamAbbrOf(home));

    const int16_t entry = rowEntry(row);
    if (entry == pool.tieCode()) {
        setLook(r.agameBox, Look::Tie);
        setLook(r.hgameBox, Look::Tie);
    } else if (entry != pool.noneCode() && entry == away) {
        setLook(r.agameBox, Look::Chosen);
        setLook(r.hgameBox, Look::Other);
    } else if (entry != pool.noneCode() && entry == home) {
        setLook(r.agameBox, Look::Other);
        setLook(r.hgameBox, Look::Chosen);
    } else {
        setLook(r.agameBox, Look::None);
        setLook(r.hgameBox, Look::None);
    }
}

void ResultsPredict::PaintWeekGrid() {
    PoolData& pool = m_session.pool();
    m_enteredCount = 0;
    if (m_mode == 0) {
        const int index = MemberBox->currentIndex();
        m_session.currentMember = static_cast<int16_t>(index >= 0 && isMember(index) ? index : 0);
    }
    const int weekGames = games();
    const bool confidence = pool.confidenceMode != 0;
    for (int i = 0; i < weekGames; ++i) {
        GameRow& row = m_rows[i];
        row.rowMark->show();
        row.agameBox->show();
        row.hgameBox->show();
        if (m_mode == 0) {
            row.cmdTie->hide();
            row.cpBox->setVisible(confidence);
            row.ascoreBox->setVisible(spreadsUsed());
            row.hscoreBox->setVisible(spreadsUsed());
        } else if (m_mode == 1) {
            const bool scoresShown = spreadsUsed() || (i == weekGames - 1 && pool.mnTieBreaker != 0);
            row.ascoreBox->setVisible(scoresShown);
            row.hscoreBox->setVisible(scoresShown);
            row.cmdTie->show();
            row.cpBox->hide();
        } else {
            row.ascoreBox->hide();
            row.hscoreBox->hide();
            row.cmdTie->show();
            row.cpBox->show();
            row.cpBox->setText(spreadText(pool.pointSpread[m_shownWeek][i]));
            row.cpBox->setStyleSheet(BlackOnWhite);
        }
        paintRowLook(i);
        m_enteredCount = static_cast<int16_t>(m_enteredCount + (rowHasEntry(i) ? 1 : 0));
    }
    gamenumBox->setText(QString::number(weekGames));
    if (isWeek(m_shownWeek)) {
        const QSignalBlocker block(txtTotScore);
        txtTotScore->setText(QString::number(pool.mondayNightTotal[m_shownWeek][member()]));
    }
    if (m_mode == 0 && confidence) {
        NextConfidenceValue();
    }
    if (m_mode == 0 && spreadsUsed()) {
        ShowSpreadLines();
    }
    if (m_mode == 1 && (spreadsUsed() || pool.mnTieBreaker != 0)) {
        ShowResultScores();
    }
    if (m_mode == 2) {
        // The spinner stays on its row; the row of another week holds another spread.
        setSpreadRow(m_spreadRow < weekGames ? m_spreadRow : 0);
    }
    for (int i = weekGames; i < GridRows; ++i) {
        GameRow& row = m_rows[i];
        for (QWidget* w : std::initializer_list<QWidget*>{row.rowMark, row.agameBox, row.hgameBox, row.cmdTie,
                                                          row.cpBox, row.ascoreBox, row.hscoreBox}) {
            w->hide();
        }
    }
    showMondayNightFields();
}

void ResultsPredict::NextConfidenceValue() {
    const PoolData& pool = m_session.pool();
    const int week = m_shownWeek;
    const int weekGames = games();
    m_confidenceOffset =
        static_cast<int16_t>(pool.confidenceMode == 2 || !isWeek(week) ? 0 : pool.openDates[week]);
    for (int g = 0; g < weekGames; ++g) {
        m_rows[g].cpBox->setText(QString::number(pool.confidencePoints[week][g][member()]));
    }
    m_nextConfidence = m_confidenceOffset; // every value placed
    for (int k = weekGames; k >= 0; --k) {
        const int value = m_confidenceOffset + k;
        bool inUse = false;
        for (int g = 0; g < weekGames && !inUse; ++g) {
            inUse = pool.confidencePoints[week][g][member()] == value;
        }
        if (!inUse) {
            m_nextConfidence = static_cast<int16_t>(value);
            break;
        }
    }
    cptsBox->setText(QString::number(m_nextConfidence));
    ShowConfidenceState();
}

void ResultsPredict::ShowConfidenceState() {
    const PoolData& pool = m_session.pool();
    for (int g = 0; g < games(); ++g) {
        const bool placed = pool.confidencePoints[m_shownWeek][g][member()] > m_confidenceOffset;
        QLabel* box = m_rows[g].cpBox;
        box->setStyleSheet(QStringLiteral("QLabel { border: 1px solid #000000; color: #ffffff; "
                                          "background-color: %1; font-weight: bold; }")
                               .arg(placed ? QStringLiteral("#0000ff") : QStringLiteral("#ff0000")));
        box->setProperty("placed", placed);
    }
    const bool allPlaced = m_nextConfidence == m_confidenceOffset;
    cmdOk->setEnabled(allPlaced);
    cp2Label->setVisible(!allPlaced);
    cptsBox->setVisible(!allPlaced);
}

void ResultsPredict::ShowSpreadLines() {
    const PoolData& pool = m_session.pool();
    for (int g = 0; g < games(); ++g) {
        GameRow& row = m_rows[g];
        const QString line = spreadText(-pool.pointSpread[m_shownWeek][g]);
        const bool awayFavourite = pool.favoriteTeam[m_shownWeek][g] == team(g, 0);
        row.ascoreBox->setText(awayFavourite ? line : QString());
        row.hscoreBox->setText(awayFavourite ? QString() : line);
    }
}

void ResultsPredict::ShowResultScores() {
    const PoolData& pool = m_session.pool();
    const int weekGames = games();
    for (int g = 0; g < weekGames; ++g) {
        if (spreadsUsed() || g == weekGames - 1) {
            GameRow& row = m_rows[g];
            row.ascoreBox->setText(QString::number(pool.gameScore[m_shownWeek][g][0]));
            row.hscoreBox->setText(QString::number(pool.gameScore[m_shownWeek][g][1]));
        }
    }
}

void ResultsPredict::showSelection(bool loadScores) {
    const PoolData& pool = m_session.pool();
    for (int i = 0; i < GridRows; ++i) {
        QLabel* mark = m_rows[i].rowMark;
        const bool selected = i == m_selectedRow;
        mark->setStyleSheet(selected
                                ? QStringLiteral("QLabel { background-color: palette(highlight); "
                                                 "color: palette(highlighted-text); font-weight: bold; }")
                                : QString());
        mark->setProperty("selected", selected);
    }
    const int16_t away = isGameRow(m_selectedRow) ? team(m_selectedRow, 0) : int16_t{-1};
    const int16_t home = isGameRow(m_selectedRow) ? team(m_selectedRow, 1) : int16_t{-1};
    awayBox->setText(isTeamSlot(away) ? pool.teamName[away] : QString());
    homeBox->setText(isTeamSlot(home) ? pool.teamName[home] : QString());
    picAway->setPixmap(TeamPictures::ofTeam(pool, away));
    picHome->setPixmap(TeamPictures::ofTeam(pool, home));
    showMondayNightFields();
    if (loadScores && m_mode == 1 && !awayScoreBox->isHidden()) {
        const QSignalBlocker blockAway(awayScoreBox);
        const QSignalBlocker blockHome(homeScoreBox);
        if (rowHasEntry(m_selectedRow)) {
            awayScoreBox->setText(QString::number(pool.gameScore[m_shownWeek][m_selectedRow][0]));
            homeScoreBox->setText(QString::number(pool.gameScore[m_shownWeek][m_selectedRow][1]));
        } else {
            awayScoreBox->clear();
            homeScoreBox->clear();
        }
    }
    showLogButton();
}

void ResultsPredict::showMondayNightFields() {
    const PoolData& pool = m_session.pool();
    const bool mondayNight = games() > 0 && m_selectedRow == games() - 1 && pool.mnTieBreaker != 0;
    if (m_mode == 0) {
        lblTotScore->setVisible(mondayNight);
        txtTotScore->setVisible(mondayNight);
    } else if (m_mode == 1) {
        const bool scores = spreadsUsed() || mondayNight;
        awayScoreBox->setVisible(scores);
        homeScoreBox->setVisible(scores);
    }
    showLogButton();
}

void ResultsPredict::showLogButton() {
    cmdLog->setVisible(m_mode == 1 && !awayScoreBox->isHidden() && !awayScoreBox->text().isEmpty() &&
                       !homeScoreBox->text().isEmpty());
}

// ---- Entries -----------------------------------------------------------------------------------------

void ResultsPredict::sideChoice(int side) {
    PoolData& pool = m_session.pool();
    const int row = m_selectedRow;
    const int16_t chosen = team(row, side);
    if (!isGameRow(row) || !isTeamSlot(chosen)) {
        return;
    }
    if (m_mode == 0) {
        pool.memberPicks[m_shownWeek][row][member()] = chosen;
    } else if (m_mode == 1) {
        pool.gameWinner[m_shownWeek][row] = chosen;
    } else {
        pool.favoriteTeam[m_shownWeek][row] = chosen;
        setSpreadRow(row);
    }
    paintRowLook(row);
    afterEntry();
}

void ResultsPredict::tieChoice() {
    PoolData& pool = m_session.pool();
    const int row = m_selectedRow;
    if (!isGameRow(row)) {
        return;
    }
    if (m_mode == 1) {
        pool.gameWinner[m_shownWeek][row] = pool.tieCode();
        paintRowLook(row);
        afterEntry();
    } else if (m_mode == 2) {
        // "Even" acts on its own row only: the spinner moves there before it is set to 0.
        setSpreadRow(row);
        pool.pointSpread[m_shownWeek][row] = 0.0F;
        {
            const QSignalBlocker block(spreadSpin);
            spreadSpin->setValue(0);
        }
        pool.favoriteTeam[m_shownWeek][row] = pool.tieCode();
        GameRow& r = m_rows[row];
        r.cpBox->setText(QStringLiteral("0"));
        setLook(r.agameBox, Look::Tie);
        setLook(r.hgameBox, Look::Tie);
        m_enteredCount = static_cast<int16_t>(countEntries());
        m_entriesChanged = true;
    }
}

void ResultsPredict::afterEntry() {
    const int entered = m_selectedRow;
    const int weekGames = games();
    m_enteredCount = static_cast<int16_t>(countEntries());
    for (int row = 0; row < weekGames; ++row) {
        if (!rowHasEntry(row)) {
            m_selectedRow = static_cast<int16_t>(row);
            break;
        }
    }
    showSelection(true);
    if (m_mode == 1 && entered == weekGames - 1 && m_selectedRow == entered && m_enteredCount == weekGames) {
        // Only a run of complete weeks moves the current week; completing a week after a gap does not.
        m_session.advanceCurrentWeek();
        m_lastResultWeek = std::max(m_lastResultWeek, m_session.pool().currentWeek);
    }
    m_entriesChanged = true;
}

void ResultsPredict::rowTeamClicked(int row, int side) {
    m_selectedRow = static_cast<int16_t>(row);
    if (m_mode == 1 && spreadsUsed()) {
        // The result comes from the scores: the click only picks the game.
        showSelection(true);
        return;
    }
    sideChoice(side);
}

void ResultsPredict::cmdTieClicked(int row) {
    m_selectedRow = static_cast<int16_t>(row);
    showSelection(true);
    tieChoice();
}

void ResultsPredict::cpBoxClicked(int row) {
    PoolData& pool = m_session.pool();
    if (!isGameRow(row)) {
        return;
    }
    if (m_mode == 2) {
        setSpreadRow(row);
        return;
    }
    if (m_mode != 0 || pool.confidenceMode == 0) {
        return;
    }
    int16_t& points = pool.confidencePoints[m_shownWeek][row][member()];
    if (points == 0) {
        if (m_nextConfidence <= m_confidenceOffset) {
            return; // every value of the week is placed already
        }
        points = m_nextConfidence;
    } else {
        points = 0;
    }
    NextConfidenceValue();
    m_entriesChanged = true;
}

void ResultsPredict::setSpreadRow(int row) {
    m_spreadRow = static_cast<int16_t>(std::clamp(row, 0, GridRows - 1));
    m_grid->removeWidget(spreadSpin);
    m_grid->addWidget(spreadSpin, HeaderRows + m_spreadRow, SpinColumn);
    m_grid->activate();
    // The spinner shows its row's spread, so the next step starts from there.
    const float spread = isWeek(m_shownWeek) ? m_session.pool().pointSpread[m_shownWeek][m_spreadRow] : 0.0F;
    const QSignalBlocker block(spreadSpin);
    spreadSpin->setValue(std::clamp(static_cast<int>(std::lround(spread * 2.0F)), 0, MaxSpreadSteps));
}

void ResultsPredict::spreadSpinChanged(int value) {
    PoolData& pool = m_session.pool();
    const int row = m_spreadRow;
    if (m_mode != 2 || !isGameRow(row)) {
        return;
    }
    const float spread = static_cast<float>(value) / 2.0F;
    pool.pointSpread[m_shownWeek][row] = spread;
    GameRow& r = m_rows[row];
    r.cpBox->setText(spreadText(spread));
    if (spread != 0.0F && pool.favoriteTeam[m_shownWeek][row] == pool.tieCode()) {
        setLook(r.agameBox, Look::None);
        setLook(r.hgameBox, Look::None);
    }
    if (spread == 0.0F) {
        setLook(r.agameBox, Look::Tie);
        setLook(r.hgameBox, Look::Tie);
    }
    m_entriesChanged = true;
}

void ResultsPredict::scoreEdited(int side) {
    if (!isGameRow(m_selectedRow)) {
        return;
    }
    GameRow& row = m_rows[m_selectedRow];
    (side == 0 ? row.ascoreBox : row.hscoreBox)->setText((side == 0 ? awayScoreBox : homeScoreBox)->text());
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

void ResultsPredict::logScores() {
    PoolData& pool = m_session.pool();
    if (!isGameRow(m_selectedRow)) {
        return;
    }
    const int away = awayScoreBox->text().toInt();
    const int home = homeScoreBox->text().toInt();
    pool.gameScore[m_shownWeek][m_selectedRow] = {static_cast<int16_t>(away), static_cast<int16_t>(home)};
    if (away == home) {
        tieChoice();
    } else {
        sideChoice(away > home ? 0 : 1);
    }
    awayScoreBox->setFocus();
}

// ---- Commands and navigation -------------------------------------------------------------------------

void ResultsPredict::weekSpinChanged(int value) {
    m_shownWeek = static_cast<int16_t>(value);
    if (m_mode == 1) {
        cmdClear->setVisible(m_shownWeek == m_session.pool().currentWeek);
    }
    m_selectedRow = 0;
    weekBox->setText(QString::number(m_shownWeek + 1));
    {
        const QSignalBlocker blockAway(awayScoreBox);
        const QSignalBlocker blockHome(homeScoreBox);
        awayScoreBox->clear();
        homeScoreBox->clear();
    }
    PaintWeekGrid();
    showSelection(false);
}

void ResultsPredict::memberBoxChanged(int index) {
    if (m_mode != 0) {
        return;
    }
    if (m_entriesChanged && !SaveWeekEntries()) {
        // The member being left keeps the window until its entries are written.
        const QSignalBlocker block(MemberBox);
        MemberBox->setCurrentIndex(member());
        return;
    }
    m_session.currentMember = static_cast<int16_t>(index >= 0 && isMember(index) ? index : 0);
    m_selectedRow = 0;
    PaintWeekGrid();
    showSelection(false);
}

void ResultsPredict::cmdClearClicked() {
    PoolData& pool = m_session.pool();
    for (int i = 0; i < games(); ++i) {
        GameRow& row = m_rows[i];
        setLook(row.agameBox, Look::None);
        setLook(row.hgameBox, Look::None);
        if (m_mode == 1 && spreadsUsed()) {
            row.ascoreBox->clear();
            row.hscoreBox->clear();
        }
    }
    if (m_mode == 0) {
        m_session.clearWeekPicks(member(), m_shownWeek);
    } else if (m_mode == 1) {
        m_session.clearWeekResults(m_shownWeek);
        m_lastResultWeek = std::min(m_lastResultWeek, pool.currentWeek);
    }
    m_enteredCount = static_cast<int16_t>(countEntries());
    m_selectedRow = 0;
    showSelection(true);
    m_entriesChanged = true;
}

void ResultsPredict::cmdClearCPtsClicked() {
    PoolData& pool = m_session.pool();
    for (int g = 0; g < games(); ++g) {
        pool.confidencePoints[m_shownWeek][g][member()] = 0;
        m_rows[g].cpBox->setText(QStringLiteral("0"));
    }
    m_nextConfidence = static_cast<int16_t>(m_confidenceOffset + games());
    ShowConfidenceState();
    cmdOk->setEnabled(false);
    cp2Label->show();
    cptsBox->show();
    cptsBox->setText(QString::number(m_nextConfidence));
    m_entriesChanged = true;
}

void ResultsPredict::cmdClearSPtsClicked() {
    PoolData& pool = m_session.pool();
    for (int g = 0; g < games(); ++g) {
        pool.favoriteTeam[m_shownWeek][g] = pool.tieCode();
        pool.pointSpread[m_shownWeek][g] = 0.0F;
        GameRow& row = m_rows[g];
        row.cpBox->setText(QStringLiteral("0"));
        const int16_t away = team(g, 0);
        const int16_t home = team(g, 1);
        row.agameBox->setText(pool.teamAbbrOf(away));
        row.hgameBox->setText(pool.teamAbbrOf(home));
        setLook(row.agameBox, Look::None);
        setLook(row.hgameBox, Look::None);
    }
    setSpreadRow(m_spreadRow); // its spread is 0 now
    m_enteredCount = static_cast<int16_t>(countEntries());
    cmdOk->setEnabled(false);
    m_entriesChanged = true;
}

void ResultsPredict::cmdPostSeasonClicked() {
    auto& postSeason = m_host.window<PSResultsPredict>();
    postSeason.setWindowTitle(m_mode == 0 ? QStringLiteral("Post Season Predictions")
                                          : QStringLiteral("Post Season Results"));
    // The post-season picks are the member's too: a member change must save them.
    if (m_host.showModal(postSeason) == QDialog::Accepted) {
        m_entriesChanged = true;
    }
}

bool ResultsPredict::SaveWeekEntries() {
    WriteResult result = WriteResult::success(QString());
    {
        const WaitCursor hourglass;
        if (m_mode == 0) {
            if (m_session.pool().memberCount() > 0) {
                result = m_session.savePredictions(member());
            }
        } else if (m_mode == 1) {
            result = m_session.saveResults();
        } else {
            result = m_session.saveSpreads();
        }
    }
    if (!result.ok) {
        m_host.messages().show(
            {this, appinfo::messageTitle(),
             result.failureText(),
             Messages::Icon::Warning, Messages::Buttons::Ok});
        return false;
    }
    m_entriesChanged = false;
    return true;
}

void ResultsPredict::cmdOkClicked() {
    if (SaveWeekEntries()) {
        accept();
    }
}

void ResultsPredict::reject() {
    // Entries stay in memory, but nothing is left to be saved behind the user's back.
    m_entriesChanged = false;
    PoolWindow::reject();
}

// ---- Mouse and keys ----------------------------------------------------------------------------------

bool ResultsPredict::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (const auto action = m_clickActions.find(watched); action != m_clickActions.end()) {
            action->second();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        if (keyPressed(watched, static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return PoolWindow::eventFilter(watched, event);
}

bool ResultsPredict::keyPressed(QObject* watched, QKeyEvent* event) {
    m_entriesChanged = true;
    switch (event->key()) {
    case Qt::Key_F1:
        sideChoice(0);
        return true;
    case Qt::Key_F2:
        sideChoice(1);
        return true;
    case Qt::Key_F3:
        if (m_mode == 1) {
            tieChoice();
        }
        return true;
    default:
        break;
    }
    if (watched == awayScoreBox || watched == homeScoreBox || watched == txtTotScore) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (box != txtTotScore && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
            scoreEnter(box == awayScoreBox ? 0 : 1);
            return true;
        }
        return numberBoxKey(box, event);
    }
    return false;
}

bool ResultsPredict::numberBoxKey(QLineEdit* box, QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return false;
    default:
        break;
    }
    if ((event->modifiers() & Qt::ControlModifier) != 0) {
        return false; // copy, cut, paste, undo: the box's validator keeps out what does not fit
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')) {
        // The main keyboard's digits and the keypad's alike; a value that would not fit is refused.
        QString after = box->text();
        if (box->hasSelectedText()) {
            after.replace(box->selectionStart(), box->selectedText().size(), text);
        } else {
            after.insert(box->cursorPosition(), text);
        }
        bool ok = false;
        const int value = after.toInt(&ok);
        if (ok && value <= MaxScore) {
            return false;
        }
    }
    QApplication::beep();
    return true;
}

} // namespace vek
