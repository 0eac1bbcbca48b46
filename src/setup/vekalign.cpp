#include "setup/vekalign.h"

#include "model/appinfo.h"
#include "session/leaguechanges.h"
#include "session/poolsession.h"
#include "widgets/controls.h"
#include "widgets/messages.h"
#include "widgets/teampictures.h"
#include "widgets/waitcursor.h"
#include "widgets/windowhost.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace vek {
namespace {

struct DivisionNames {
    const char* caption;
    const char* stem; // the division's part of its controls' names
};
constexpr Table<DivisionNames, Divisions> DivisionControls{{{
    {"NFC East", "nfce"},
    {"NFC North", "nfcn"},
    {"NFC South", "nfcs"},
    {"NFC West", "nfcw"},
    {"AFC East", "afce"},
    {"AFC North", "afcn"},
    {"AFC South", "afcs"},
    {"AFC West", "afcw"},
}}};

constexpr int LogoRowHeight = TeamPictures::Height + 6;

/// Keeps out what the league file cannot carry, typed or pasted, with a beep.
class StorableTextValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        if (LeagueWorkingCopy::isStorableText(input)) {
            return Acceptable;
        }
        QApplication::beep();
        return Invalid;
    }
};

QListWidget* makeList(QWidget* parent, const QString& name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFixedHeight(vekalign::LogoPlaces * LogoRowHeight + 4);
    return list;
}

} // namespace

vekalign::vekalign(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("vekalign"));
    setWindowTitle(QStringLiteral("VEK Alignment"));
    buildControls();
    buildLayout();
    connectControls();
}

// ---- Controls and layout ---------------------------------------------------------------------------

void vekalign::buildControls() {
    tabAlign = new QTabWidget(this);
    tabAlign->setObjectName(QStringLiteral("tabAlign"));
    // The eight tabs stand in two rows of four, one row per conference, above the pages.
    tabAlign->tabBar()->hide();
    m_tabRows = new QButtonGroup(this);
    m_tabRows->setExclusive(true);
    for (int d = 0; d < Divisions; ++d) {
        const QString stem = QString::fromLatin1(DivisionControls[d].stem);
        auto* page = new QWidget(tabAlign);
        DivisionPage& p = m_pages[d];
        p.fullList = makeList(page, QStringLiteral("f%1List").arg(stem));
        p.fullList->setMinimumWidth(260);
        p.abbrList = makeList(page, QStringLiteral("a%1List").arg(stem));
        p.abbrList->setFixedWidth(90);
        p.add = controls::makeButton(page, stem + QStringLiteral("Add"), QStringLiteral("Add"));
        p.edit = controls::makeButton(page, stem + QStringLiteral("Edit"), QStringLiteral("Edit"));
        p.remove = controls::makeButton(page, stem + QStringLiteral("Delete"), QStringLiteral("Delete"));

        auto* lists = new QHBoxLayout;
        lists->addWidget(p.fullList, 1);
        lists->addWidget(p.abbrList);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(p.add);
        buttons->addWidget(p.edit);
        buttons->addWidget(p.remove);
        buttons->addStretch();
        auto* column = new QVBoxLayout(page);
        column->addLayout(lists);
        column->addLayout(buttons);
        const QString caption = QString::fromLatin1(DivisionControls[d].caption);
        tabAlign->addTab(page, caption);
        auto* tab = new QPushButton(caption, this);
        tab->setObjectName(QStringLiteral("tab%1").arg(d));
        tab->setCheckable(true);
        tab->setAutoDefault(false);
        tab->setFocusPolicy(Qt::TabFocus);
        tab->setChecked(d == 0);
        m_tabRows->addButton(tab, d);
    }
    for (int i = 0; i < LogoPlaces; ++i) {
        auto* logo = new QLabel(this);
        logo->setObjectName(QStringLiteral("picLogo%1").arg(i));
        logo->setFixedSize(TeamPictures::Width + 4, LogoRowHeight - 2);
        logo->setAlignment(Qt::AlignCenter);
        picLogo[i] = logo;
    }

    flabel = new QLabel(this);
    flabel->setObjectName(QStringLiteral("flabel"));
    fnameInput = new QLineEdit(this);
    fnameInput->setObjectName(QStringLiteral("fnameInput"));
    alabel = new QLabel(this);
    alabel->setObjectName(QStringLiteral("alabel"));
    anameInput = new QLineEdit(this);
    anameInput->setObjectName(QStringLiteral("anameInput"));
    anameInput->setMaximumWidth(120);
    for (QLineEdit* input : {fnameInput, anameInput}) {
        input->setValidator(new StorableTextValidator(input));
    }
    Label3 = new QLabel(QStringLiteral("Total number of teams:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    totalTeams = new QLabel(this);
    totalTeams->setObjectName(QStringLiteral("totalTeams"));
    totalTeams->setMinimumWidth(30);
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    lblInfo->setAutoFillBackground(true);
    lblInfo->setBackgroundRole(QPalette::ToolTipBase);
    lblInfo->setForegroundRole(QPalette::ToolTipText);
    cmdCancel = controls::makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdOK = controls::makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
}

void vekalign::buildLayout() {
    auto* tabs = new QGridLayout;
    tabs->setSpacing(0);
    for (int d = 0; d < Divisions; ++d) {
        tabs->addWidget(m_tabRows->button(d), d / 4, d % 4);
    }
    auto* strip = new QVBoxLayout;
    strip->setSpacing(0);
    strip->addLayout(tabs);
    strip->addWidget(tabAlign);

    auto* logos = new QVBoxLayout;
    logos->setSpacing(2);
    logos->addSpacing(2 * m_tabRows->button(0)->sizeHint().height() + 10);
    for (QLabel* logo : picLogo) {
        logos->addWidget(logo);
    }
    logos->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(strip, 1);
    top->addLayout(logos);

    auto* inputs = new QGridLayout;
    inputs->addWidget(flabel, 0, 0);
    inputs->addWidget(fnameInput, 0, 1, 1, 3);
    inputs->addWidget(alabel, 1, 0);
    inputs->addWidget(anameInput, 1, 1);
    inputs->addWidget(Label3, 2, 0);
    inputs->addWidget(totalTeams, 2, 1);
    inputs->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblInfo, 1);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdOK);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(inputs);
    outer->addLayout(buttons);
}

void vekalign::connectControls() {
    for (int d = 0; d < Divisions; ++d) {
        const DivisionPage& p = m_pages[d];
        connect(p.add, &QPushButton::clicked, this, [this, d] { addClicked(d); });
        connect(p.edit, &QPushButton::clicked, this, [this, d] { editClicked(d); });
        connect(p.remove, &QPushButton::clicked, this, [this, d] { deleteClicked(d); });
        // A row of either list is one team: clicking it selects the team in both.
        connect(p.fullList, &QListWidget::currentRowChanged, p.abbrList, [list = p.abbrList](int row) {
            const QSignalBlocker quiet(list);
            list->setCurrentRow(row);
        });
        connect(p.abbrList, &QListWidget::currentRowChanged, p.fullList, [list = p.fullList](int row) {
            const QSignalBlocker quiet(list);
            list->setCurrentRow(row);
        });
    }
    connect(m_tabRows, &QButtonGroup::idClicked, tabAlign, &QTabWidget::setCurrentIndex);
    connect(tabAlign, &QTabWidget::currentChanged, this, [this](int d) {
        m_tabRows->button(d)->setChecked(true);
        m_copy.disarm();
        ShowDivisionLogos();
    });
    connect(cmdOK, &QPushButton::clicked, this, &vekalign::SaveLeagueAlignment);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

// ---- Load --------------------------------------------------------------------------------------------

void vekalign::loadWindow() {
    const WaitCursor busy;
    m_copy.load(m_session.pool());
    for (int d = 0; d < Divisions; ++d) {
        fillDivision(d);
    }
    totalTeams->setNum(m_session.pool().numTeams);
    ShowDivisionLogos();
    SetTeamInputLabels();
    lblInfo->clear();
}

void vekalign::fillDivision(int division) {
    const DivisionPage& p = m_pages[division];
    const QSignalBlocker quietFull(p.fullList);
    const QSignalBlocker quietAbbr(p.abbrList);
    p.fullList->clear();
    p.abbrList->clear();
    for (const AlignedTeam& team : m_copy.division(division)) {
        p.fullList->addItem(team.fullName);
        p.abbrList->addItem(team.abbreviation);
    }
}

void vekalign::ShowDivisionLogos() {
    const int d = tabAlign->currentIndex();
    if (d < 0 || d >= Divisions) {
        return;
    }
    // The logos show the league as last confirmed, not the lists being edited.
    const PoolData& pool = m_session.pool();
    const Division& division = pool.divisionRec[d];
    for (int i = 0; i < LogoPlaces; ++i) {
        QLabel* logo = picLogo[i];
        const bool shown = i < division.teamCount;
        logo->setVisible(shown);
        logo->setPixmap(shown ? TeamPictures::ofTeam(pool, division.firstTeam + i) : QPixmap());
    }
}

void vekalign::SetTeamInputLabels() {
    flabel->setText(QStringLiteral("Enter full name of team"));
    alabel->setText(QStringLiteral("Enter abbreviated name"));
    fnameInput->clear();
    anameInput->clear();
    fnameInput->setEnabled(true);
    anameInput->setEnabled(true);
}

void vekalign::showTotal() {
    totalTeams->setNum(m_copy.totalTeams());
}

void vekalign::afterChange() {
    showTotal();
    fnameInput->clear();
    anameInput->clear();
    fnameInput->setFocus();
    lblInfo->clear();
}

// ---- The division buttons ----------------------------------------------------------------------------

int vekalign::agreeOnSelection(int division) {
    const DivisionPage& p = m_pages[division];
    const int row = p.fullList->currentRow() >= 0 ? p.fullList->currentRow() : p.abbrList->currentRow();
    if (row >= 0) {
        const QSignalBlocker quietFull(p.fullList);
        const QSignalBlocker quietAbbr(p.abbrList);
        p.fullList->setCurrentRow(row);
        p.abbrList->setCurrentRow(row);
    }
    return row;
}

void vekalign::addClicked(int division) {
    const LeagueWorkingCopy::Commit outcome = m_copy.commit(division, fnameInput->text(), anameInput->text());
    const QString refusal = LeagueWorkingCopy::refusal(outcome);
    if (!refusal.isEmpty()) {
        lblInfo->setText(refusal);
        return;
    }
    fillDivision(division);
    afterChange();
}

void vekalign::editClicked(int division) {
    const int row = agreeOnSelection(division);
    if (row < 0) {
        return;
    }
    const DivisionPage& p = m_pages[division];
    // Selected, so that typing replaces the team's texts.
    fnameInput->setText(p.fullList->item(row)->text());
    fnameInput->selectAll();
    anameInput->setText(p.abbrList->item(row)->text());
    anameInput->selectAll();
    fnameInput->setFocus();
    m_copy.armEdit(division, row);
}

void vekalign::deleteClicked(int division) {
    const int row = agreeOnSelection(division);
    if (row < 0 || !m_copy.remove(division, row)) {
        return;
    }
    fillDivision(division);
    afterChange();
}

// ---- OK ----------------------------------------------------------------------------------------------

void vekalign::SaveLeagueAlignment() {
    if (const std::optional<QString> broken = m_copy.limitBroken()) {
        lblInfo->setText(*broken);
        return;
    }
    PoolData& pool = m_session.pool();
    const TeamCodeMap codes = mapTeamCodes(pool, m_copy.alignment());
    if (deletedTeamsInUse(pool, codes, m_session.fileLayout()) &&
        !m_host.messages().askYesNo(this, appinfo::messageTitle(), DeletedTeamsQuestion)) {
        return;
    }
    const WaitCursor busy;
    const WriteResult result = vek::SaveLeagueAlignment(m_session, m_copy.alignment());
    if (!result) {
        m_host.messages().show({this, appinfo::messageTitle(), result.failureText(), Messages::Icon::Warning,
                                Messages::Buttons::Ok});
        return;
    }
    accept();
}

} // namespace vek
