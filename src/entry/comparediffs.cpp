#include "entry/comparediffs.h"

#include "engine/gameresult.h"
#include "engine/postseasonpicks.h"
#include "model/textcells.h"
#include "session/poolsession.h"
#include "widgets/colours.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {

namespace {

constexpr int CellWidth = 46;
constexpr int TeamWidth = 56; // the two team columns also carry the title of the totals row
constexpr int CellHeight = 20;
constexpr int HeaderHeight = 24;

// Grid rows and columns of the layout: two team columns, then the member columns; a title row and the
// header row above the game rows, the totals row and the scroll bar below them.
constexpr int FirstMemberColumn = 2;
constexpr int HeaderRow = 1;
constexpr int FirstGameRow = 2;
constexpr int TotalsRow = FirstGameRow + CompareDiffs::GridRows;
constexpr int ScrollRow = TotalsRow + 1;

const QString PostSeasonCaption = QStringLiteral("Post Season");
const QString RegularSeasonCaption = QStringLiteral("Regular Season");

struct PostSeasonRowLabel {
    const char* away;
    const char* home;
    enum { Nfc, Afc, BigGame } colours;
};

constexpr std::array<PostSeasonRowLabel, PostSeasonSlots> PostSeasonRowLabels{{
    {"NFC", "East", PostSeasonRowLabel::Nfc},
    {"NFC", "North", PostSeasonRowLabel::Nfc},
    {"NFC", "South", PostSeasonRowLabel::Nfc},
    {"NFC", "West", PostSeasonRowLabel::Nfc},
    {"AFC", "East", PostSeasonRowLabel::Afc},
    {"AFC", "North", PostSeasonRowLabel::Afc},
    {"AFC", "South", PostSeasonRowLabel::Afc},
    {"AFC", "West", PostSeasonRowLabel::Afc},
    {"NFC", "Wild", PostSeasonRowLabel::Nfc},
    {"NFC", "Wild", PostSeasonRowLabel::Nfc},
    {"AFC", "Wild", PostSeasonRowLabel::Afc},
    {"AFC", "Wild", PostSeasonRowLabel::Afc},
    {"Big", "Game", PostSeasonRowLabel::BigGame},
}};

/// Keeps a widget's place in the grid while it is hidden, or lets its row or column close up.
void keepPlace(QWidget* widget, bool keep) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(keep);
    widget->setSizePolicy(policy);
}

QLabel* makeBoxLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setFixedSize(CellWidth, CellHeight);
    return label;
}

} // namespace

CompareDiffs::CompareDiffs(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("CompareDiffs"));
    setWindowTitle(DesignerCaption);
    buildControls();
}

void CompareDiffs::buildControls() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);

    auto* games = new QLabel(QStringLiteral("Games"), this);
    games->setObjectName(QStringLiteral("lblGames"));
    games->setAlignment(Qt::AlignCenter);
    grid->addWidget(games, 0, 0, 1, 2);
    auto* visitor = new QLabel(QStringLiteral("Visitor"), this);
    visitor->setObjectName(QStringLiteral("lblVisitor"));
    visitor->setAlignment(Qt::AlignCenter);
    grid->addWidget(visitor, HeaderRow, 0);
    auto* home = new QLabel(QStringLiteral("Home"), this);
    home->setObjectName(QStringLiteral("lblHome"));
    home->setAlignment(Qt::AlignCenter);
    grid->addWidget(home, HeaderRow, 1);

    for (int c = 0; c < Columns; ++c) {
        MemberColumn& column = m_columns[c];
        column.nameBox = new QPushButton(this);
        column.nameBox->setObjectName(QStringLiteral("nameBox%1").arg(c));
        column.nameBox->setAutoDefault(false);
        column.nameBox->setFixedSize(CellWidth, HeaderHeight);
        column.nameBox->setMouseTracking(true);
        column.nameBox->installEventFilter(this);
        connect(column.nameBox, &QPushButton::clicked, this, [this, c] { nameBoxClicked(c); });
        grid->addWidget(column.nameBox, HeaderRow, FirstMemberColumn + c);

        column.totalsBox = makeBoxLabel(this, QStringLiteral("totalsBox%1").arg(c));
        column.totalsBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setColours(column.totalsBox, colours::Totals, colours::Black);
        grid->addWidget(column.totalsBox, TotalsRow, FirstMemberColumn + c);
    }

    for (int g = 0; g < GridRows; ++g) {
        GameRow& row = m_rows[g];
        row.awayBox = makeBoxLabel(this, QStringLiteral("awayBox%1").arg(g));
        row.homeBox = makeBoxLabel(this, QStringLiteral("homeBox%1").arg(g));
        row.awayBox->setFixedWidth(TeamWidth);
        row.homeBox->setFixedWidth(TeamWidth);
        grid->addWidget(row.awayBox, FirstGameRow + g, 0);
        grid->addWidget(row.homeBox, FirstGameRow + g, 1);
        for (int c = 0; c < Columns; ++c) {
            QLabel* cell = makeBoxLabel(this, QStringLiteral("pickBox%1_%2").arg(g).arg(c));
            setColours(cell, colours::Cell, colours::Black);
            cell->setMouseTracking(true);
            cell->installEventFilter(this);
            cell->hide();
            row.pickBox[c] = cell;
            grid->addWidget(cell, FirstGameRow + g, FirstMemberColumn + c);
        }
    }

    m_totTypeBox = new QLabel(DesignerTotalsTitle, this);
    m_totTypeBox->setObjectName(QStringLiteral("totTypeBox"));
    m_totTypeBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_totTypeBox, TotalsRow, 0, 1, 2);

    MemScroll = new QScrollBar(Qt::Horizontal, this);
    MemScroll->setObjectName(QStringLiteral("MemScroll"));
    connect(MemScroll, &QScrollBar::valueChanged, this, &CompareDiffs::memScrollChanged);
    grid->addWidget(MemScroll, ScrollRow, FirstMemberColumn, 1, Columns);

    auto* weekLabel = new QLabel(QStringLiteral("Week"), this);
    weekLabel->setObjectName(QStringLiteral("lblWeek"));
    weekBox = new QLabel(this);
    weekBox->setObjectName(QStringLiteral("weekBox"));
    weekBox->setAlignment(Qt::AlignCenter);
    weekBox->setAutoFillBackground(true);
    weekBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    weekBox->setFixedSize(36, HeaderHeight);
    setColours(weekBox, colours::Week, colours::Black);
    scrWeek = new UpDown(this);
    scrWeek->setObjectName(QStringLiteral("scrWeek"));
    connect(scrWeek, &QSpinBox::valueChanged, this, &CompareDiffs::scrWeekChanged);

    chkMonday = new QCheckBox(QStringLiteral("View tiebreaker scores"), this);
    chkMonday->setObjectName(QStringLiteral("chkMonday"));
    connect(chkMonday, &QCheckBox::clicked, this, &CompareDiffs::repaintShownView);

    cmdPostSeason = new QPushButton(PostSeasonCaption, this);
    cmdPostSeason->setObjectName(QStringLiteral("cmdPostSeason"));
    cmdPostSeason->setAutoDefault(false);
    connect(cmdPostSeason, &QPushButton::clicked, this, &CompareDiffs::cmdPostSeasonClicked);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &CompareDiffs::cmdOkClicked);

    desBox = new QLabel(this);
    desBox->setObjectName(QStringLiteral("desBox"));
    desBox->setAutoFillBackground(true);
    desBox->setBackgroundRole(QPalette::ToolTipBase);
    desBox->setForegroundRole(QPalette::ToolTipText);
    desBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    desBox->setWordWrap(true);
    desBox->setMinimumHeight(2 * fontMetrics().height() + 6);
    // A long hint wraps instead of widening the window.
    desBox->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* controls = new QHBoxLayout;
    controls->addWidget(weekLabel);
    controls->addWidget(weekBox);
    controls->addWidget(scrWeek);
    controls->addSpacing(12);
    controls->addWidget(chkMonday);
    controls->addStretch();
    controls->addWidget(cmdPostSeason);
    controls->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addLayout(controls);
    layout->addWidget(desBox);
}

// ---- Load --------------------------------------------------------------------------------------------

void CompareDiffs::loadWindow() {
    const WaitCursor wait;
    const PoolData& pool = m_session.pool();
    const int mode = m_session.entryMode;
    const int members = pool.memberCount();

    m_cols = std::min(members, Columns);
    // The week grid holds every game slot of a week and never fewer rows than the post season has.
    m_gridRows = std::max(std::clamp<int>(pool.gamesPerWeek, 0, GridRows), PostSeasonRows);
    m_rowsBuilt = false;
    m_postSeasonShown = false;
    sizeGrid();

    {
        const QSignalBlocker block(MemScroll);
        MemScroll->setRange(0, std::max(members - Columns, 0));
        MemScroll->setPageStep(Columns);
        MemScroll->setValue(0);
        MemScroll->setEnabled(members > Columns);
    }

    setWindowTitle(DesignerCaption);
    m_totTypeBox->setText(DesignerTotalsTitle);
    if (mode == 0) {
        setWindowTitle(QStringLiteral("Compare Differences"));
        m_totTypeBox->setText(QStringLiteral("Total Differences"));
    } else if (mode == 1) {
        setWindowTitle(isTrue(pool.usePointSpreads)
                           ? QStringLiteral("Compare Results (against the point spread)")
                           : QStringLiteral("Compare Results"));
        m_totTypeBox->setText(QStringLiteral("Total Wins"));
    }
    const bool differences = windowTitle() == QStringLiteral("Compare Differences");
    const int lastWeek =
        std::clamp(differences ? pool.numWeeks - 1 : int{pool.currentWeek}, 0, WeekSlots - 1);

    m_firstMember = 0;
    // A default member that the member list no longer holds falls back to the first member.
    m_refMember = pool.defaultMemberIndex();

    {
        const QSignalBlocker block(chkMonday);
        chkMonday->setChecked(false);
    }
    desBox->clear();
    cmdPostSeason->setText(PostSeasonCaption);
    int week = 0;
    if (mode == 0) {
        week = pool.currentWeek < pool.numWeeks - 1 ? pool.currentWeek + 1 : 0;
        cmdPostSeason->setEnabled(true);
    } else {
        week = pool.currentWeek;
        cmdPostSeason->setEnabled(pool.currentWeek == pool.numWeeks - 1);
    }
    m_week = std::clamp(week, 0, WeekSlots - 1);
    {
        const QSignalBlocker block(scrWeek);
        scrWeek->setRange(0, lastWeek);
        scrWeek->setValue(m_week);
    }
    weekBox->setText(QString::number(m_week + 1));

    ShowWeekDiffs(mode);
}

void CompareDiffs::sizeGrid() {
    for (int c = 0; c < Columns; ++c) {
        const bool used = c < m_cols;
        const MemberColumn& column = m_columns[c];
        column.nameBox->setVisible(used);
        column.totalsBox->setVisible(used);
        keepPlace(column.nameBox, used);
        keepPlace(column.totalsBox, used);
    }
    for (int g = 0; g < GridRows; ++g) {
        const bool used = g < m_gridRows;
        const GameRow& row = m_rows[g];
        row.awayBox->setVisible(used);
        row.homeBox->setVisible(used);
        keepPlace(row.awayBox, used);
        keepPlace(row.homeBox, used);
        for (int c = 0; c < Columns; ++c) {
            QLabel* cell = row.pickBox[c];
            cell->hide();
            keepPlace(cell, used && c < m_cols);
        }
    }
}

// ---- Painting ----------------------------------------------------------------------------------------

QString CompareDiffs::abbr(int code) const {
    return m_session.pool().teamAbbrOf(code);
}

int CompareDiffs::weekWinner(int game) const {
    // Marked by the rule the reports and the scoring use: a game without a result has no winner yet.
    return winnerToMark(m_session.pool(), m_week, game);
}

void CompareDiffs::paintHeaders() {
    const PoolData& pool = m_session.pool();
    for (int c = 0; c < m_cols; ++c) {
        const int m = m_firstMember + c;
        m_totals[c] = 0;
        QPushButton* header = m_columns[c].nameBox;
        header->setText(leftCharacters(pool.memberName[m], 4)); // an emoji is not cut in half
        // The mark follows the reference member, wherever the columns are scrolled.
        const bool reference = m_session.entryMode == 0 && m == m_refMember;
        setColours(header, reference ? colours::Reference : buttonFace(), colours::Black);
        setEmphasis(header, reference);
    }
}

void CompareDiffs::showRows(int shown) {
    for (int g = 0; g < m_gridRows; ++g) {
        const GameRow& row = m_rows[g];
        row.awayBox->setVisible(g < shown);
        row.homeBox->setVisible(g < shown);
        if (g >= shown) {
            for (int c = 0; c < m_cols; ++c) {
                row.pickBox[c]->hide();
            }
        }
    }
}

void CompareDiffs::paintWeekRows(int mode, int games) {
    const PoolData& pool = m_session.pool();
    const auto w = m_week;
    const int lastNfcTeam = pool.divisionRec[3].lastTeam;
    for (int g = 0; g < games; ++g) {
        const GameRow& row = m_rows[g];
        const int away = pool.scheduleGrid[w][g][0];
        const int home = pool.scheduleGrid[w][g][1];
        row.awayBox->setText(abbr(away));
        row.homeBox->setText(abbr(home));
        if (mode == 0) {
            setColours(row.awayBox, away <= lastNfcTeam ? colours::Blue : colours::Red, colours::White);
            setColours(row.homeBox, home <= lastNfcTeam ? colours::Blue : colours::Red, colours::White);
            setEmphasis(row.awayBox, false);
            setEmphasis(row.homeBox, false);
            continue;
        }
        const int winner = weekWinner(g);
        const bool tie = winner == pool.tieCode();
        for (const auto& [label, team] : {std::pair{row.awayBox, away}, std::pair{row.homeBox, home}}) {
            const bool won = !tie && team == winner;
            setColours(label, buttonFace(), tie ? colours::Blue : won ? colours::Red : colours::Black);
            setEmphasis(label, won);
        }
    }
}

void CompareDiffs::ShowWeekDiffs(int mode) {
    const WaitCursor wait;
    const PoolData& pool = m_session.pool();
    const auto w = m_week;
    // Damaged bye counts cannot give a week more games than it has slots.
    const int games = std::min(pool.games(m_week), std::clamp<int>(pool.gamesPerWeek, 0, GridRows));

    paintHeaders();
    if (!m_rowsBuilt) {
        paintWeekRows(mode, games);
        showRows(games);
        m_rowsBuilt = true;
    }

    for (int g = 0; g < games; ++g) {
        const auto& picks = pool.memberPicks[w][g];
        const int reference = pickCode(picks[m_refMember]);
        const int winner = mode == 0 ? 0 : weekWinner(g);
        for (int c = 0; c < m_cols; ++c) {
            const int m = m_firstMember + c;
            const int pick = pickCode(picks[m]);
            QLabel* cell = m_rows[g].pickBox[c];
            const bool counts = mode == 0 ? pick != reference : pick == winner;
            if (counts) {
                ++m_totals[c];
            }
            if (mode == 0 && m == m_refMember) {
                cell->setText(abbr(reference)); // the reference column shows all its picks
                cell->show();
            } else if (counts) {
                cell->setText(abbr(pick));
                cell->show();
            } else {
                cell->hide();
            }
        }
    }

    for (int c = 0; c < m_cols; ++c) {
        const int m = m_firstMember + c;
        const int value = chkMonday->isChecked() ? int{pool.mondayNightTotal[w][m]} : m_totals[c];
        m_columns[c].totalsBox->setText(QString::number(value));
    }
    if (chkMonday->isChecked()) {
        m_totTypeBox->setText(QStringLiteral("MNF Scores"));
    } else {
        m_totTypeBox->setText(mode == 0 ? QStringLiteral("Total Differences") : QStringLiteral("Total Wins"));
    }
}

void CompareDiffs::ShowPostSeasonDiffs(int mode) {
    const WaitCursor wait;
    const PoolData& pool = m_session.pool();

    paintHeaders();
    for (int s = 0; s < PostSeasonRows; ++s) {
        const PostSeasonRowLabel& text = PostSeasonRowLabels[s];
        const GameRow& row = m_rows[s];
        row.awayBox->setText(QString::fromLatin1(text.away));
        row.homeBox->setText(QString::fromLatin1(text.home));
        for (QLabel* label : {row.awayBox, row.homeBox}) {
            switch (text.colours) {
            case PostSeasonRowLabel::Nfc:
                setColours(label, colours::Blue, colours::White);
                break;
            case PostSeasonRowLabel::Afc:
                setColours(label, colours::Red, colours::White);
                break;
            case PostSeasonRowLabel::BigGame:
                setColours(label, colours::Green, colours::Black);
                break;
            }
            setEmphasis(label, false);
        }
    }
    showRows(PostSeasonRows);
    m_rowsBuilt = true;

    for (int s = 0; s < PostSeasonRows; ++s) {
        for (int c = 0; c < m_cols; ++c) {
            const int m = m_firstMember + c;
            const int pick = pool.postSeasonPicks[s][m];
            bool shown = true;
            if (mode != 0) {
                // The comparison marks post-season picks by the rule every report uses.
                shown = isRightPostSeasonPick(pool, s, static_cast<int16_t>(pick));
            }
            QLabel* cell = m_rows[s].pickBox[c];
            cell->setText(abbr(pick));
            cell->setVisible(shown);
        }
    }
    for (int c = 0; c < m_cols; ++c) {
        m_columns[c].totalsBox->clear();
    }
}

void CompareDiffs::repaintShownView() {
    if (m_postSeasonShown) {
        ShowPostSeasonDiffs(m_session.entryMode);
    } else {
        ShowWeekDiffs(m_session.entryMode);
    }
}

// ---- Handlers ----------------------------------------------------------------------------------------

void CompareDiffs::scrWeekChanged(int value) {
    m_week = std::clamp(value, 0, WeekSlots - 1);
    weekBox->setText(QString::number(m_week + 1));
    m_rowsBuilt = false;
    // A new week leaves the post-season view, so the button offers it again.
    m_postSeasonShown = false;
    cmdPostSeason->setText(PostSeasonCaption);
    ShowWeekDiffs(m_session.entryMode);
}

void CompareDiffs::memScrollChanged(int value) {
    m_firstMember = value;
    repaintShownView();
}

void CompareDiffs::cmdPostSeasonClicked() {
    if (m_postSeasonShown) {
        cmdPostSeason->setText(PostSeasonCaption);
        m_postSeasonShown = false;
        m_rowsBuilt = false;
        ShowWeekDiffs(m_session.entryMode);
    } else {
        cmdPostSeason->setText(RegularSeasonCaption);
        m_postSeasonShown = true;
        ShowPostSeasonDiffs(m_session.entryMode);
    }
}

void CompareDiffs::nameBoxClicked(int column) {
    if (m_session.entryMode != 0 || column >= m_cols) {
        return;
    }
    const int member = m_firstMember + column;
    if (member != m_refMember) {
        m_refMember = member;
        repaintShownView();
    }
}

void CompareDiffs::cmdOkClicked() {
    m_rowsBuilt = false;
    accept();
}

bool CompareDiffs::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Enter && event->type() != QEvent::MouseMove) {
        return PoolWindow::eventFilter(watched, event);
    }
    const bool differences = m_session.entryMode == 0;
    for (int c = 0; c < m_cols; ++c) {
        if (watched == m_columns[c].nameBox) {
            if (differences) {
                desBox->setText(QStringLiteral("Click to change reference member to ") +
                                m_session.pool().memberName[m_firstMember + c]);
            }
            return PoolWindow::eventFilter(watched, event);
        }
    }
    for (const GameRow& row : m_rows) {
        if (std::find(row.pickBox.begin(), row.pickBox.end(), watched) != row.pickBox.end()) {
            desBox->setText(
                differences
                    ? QStringLiteral("If team is shown, then it is different from the reference member.")
                    : QStringLiteral("If team is shown, then member correctly predicted the team to win."));
            break;
        }
    }
    return PoolWindow::eventFilter(watched, event);
}

} // namespace vek
