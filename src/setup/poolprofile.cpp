#include "setup/poolprofile.h"

#include "model/appinfo.h"
#include "session/optionchanges.h"
#include "session/poolsession.h"
#include "setup/hoverhelp.h"
#include "widgets/controls.h"
#include "widgets/messages.h"
#include "widgets/waitcursor.h"
#include "widgets/windowhost.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vek {
namespace {

QRadioButton* makeOption(QGroupBox* frame, const char* name, const QString& caption) {
    auto* option = new QRadioButton(caption, frame);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

/// Checks or clears an option; clearing leaves its frame with no option chosen.
void showOption(QRadioButton* option, bool on) {
    if (option->isChecked() == on) {
        return;
    }
    option->setAutoExclusive(false);
    option->setChecked(on);
    option->setAutoExclusive(true);
}

void stack(QGroupBox* frame, std::initializer_list<QWidget*> controls) {
    auto* layout = new QVBoxLayout(frame);
    for (QWidget* control : controls) {
        layout->addWidget(control);
    }
}

} // namespace

PoolProfile::PoolProfile(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("PoolProfile"));
    setWindowTitle(QStringLiteral("Pool Profile"));
    buildControls();
    buildLayout();
    connectControls();
    addHelpTexts();
}

void PoolProfile::buildControls() {
    Frame1 = controls::makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("Prediction Method"));
    ssnOption = makeOption(Frame1, "ssnOption", QStringLiteral("All Season"));
    wkwOption = makeOption(Frame1, "wkwOption", QStringLiteral("Week To Week"));
    stack(Frame1, {ssnOption, wkwOption});

    Frame2 = controls::makeFrame(this, QStringLiteral("Frame2"), QStringLiteral("Point Spreads"));
    noPtsOption = makeOption(Frame2, "noPtsOption", QStringLiteral("No"));
    yesPtsOption = makeOption(Frame2, "yesPtsOption", QStringLiteral("Yes"));
    stack(Frame2, {noPtsOption, yesPtsOption});

    Frame3 = controls::makeFrame(this, QStringLiteral("Frame3"), QStringLiteral("Confidence Points"));
    noCpOption = makeOption(Frame3, "noCpOption", QStringLiteral("No"));
    yesCpOption = makeOption(Frame3, "yesCpOption", QStringLiteral("Yes"));
    stack(Frame3, {noCpOption, yesCpOption});

    Frame4 = controls::makeFrame(this, QStringLiteral("Frame4"), QStringLiteral("Confidence Points Range"));
    cp1Option = makeOption(Frame4, "cp1Option", QStringLiteral("16-n"));
    cp2Option = makeOption(Frame4, "cp2Option", QStringLiteral("Games-1"));
    stack(Frame4, {cp1Option, cp2Option});

    Frame5 = controls::makeFrame(this, QStringLiteral("Frame5"), QStringLiteral("Tie Breakers"));
    noneOption = makeOption(Frame5, "noneOption", QStringLiteral("No tiebreaker"));
    mnanyOption = makeOption(Frame5, "mnanyOption", QStringLiteral("Closest to monday night score any way"));
    mnwoOption =
        makeOption(Frame5, "mnwoOption", QStringLiteral("Closest to monday night scrore without going over"));
    stack(Frame5, {noneOption, mnanyOption, mnwoOption});

    Frame6 =
        controls::makeFrame(this, QStringLiteral("Frame6"), QStringLiteral("Event Points Scoring System"));
    ledgerOption = makeOption(Frame6, "ledgerOption", QStringLiteral("Ledger System"));
    creditOption = makeOption(Frame6, "creditOption", QStringLiteral("Credit Only System"));
    splitCheck = new QCheckBox(QStringLiteral("Divide Points Evenly = [ON]  Equal Points = [OFF]"), Frame6);
    splitCheck->setObjectName(QStringLiteral("splitCheck"));
    auto* scoring = new QVBoxLayout(Frame6);
    scoring->addWidget(ledgerOption);
    scoring->addWidget(creditOption);
    scoring->addWidget(splitCheck);

    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInfo->setAutoFillBackground(true);
    lblInfo->setBackgroundRole(QPalette::ToolTipBase);
    lblInfo->setForegroundRole(QPalette::ToolTipText);
    lblInfo->setFrameShape(QFrame::Panel);
    lblInfo->setFrameShadow(QFrame::Sunken);
    lblInfo->setMargin(4);
    lblInfo->setMinimumHeight(4 * lblInfo->fontMetrics().lineSpacing() + 10);

    cmdOk = controls::makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("Ok"));
    cmdCancel = controls::makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
}

void PoolProfile::buildLayout() {
    auto* grid = new QGridLayout;
    grid->addWidget(Frame1, 0, 0);
    grid->addWidget(Frame2, 0, 1);
    grid->addWidget(Frame3, 1, 0);
    grid->addWidget(Frame4, 1, 1);
    grid->addWidget(Frame5, 0, 2);
    grid->addWidget(Frame6, 1, 2);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(lblInfo);
    layout->addLayout(buttons);
}

void PoolProfile::connectControls() {
    const auto choose = [this](QRadioButton* option, auto action) {
        connect(option, &QRadioButton::clicked, this, [this, action] {
            action();
            showChoices();
        });
    };
    choose(ssnOption, [this] { m_draft.chooseAllSeason(); });
    choose(wkwOption, [this] { m_draft.chooseWeekToWeek(); });
    choose(noPtsOption, [this] { m_draft.choosePointSpreads(false); });
    choose(yesPtsOption, [this] { m_draft.choosePointSpreads(true); });
    choose(noCpOption, [this] { m_draft.chooseConfidence(false); });
    choose(yesCpOption, [this] { m_draft.chooseConfidence(true); });
    choose(cp1Option, [this] { m_draft.chooseRange(PoolOptionsDraft::Range::Slots); });
    choose(cp2Option, [this] { m_draft.chooseRange(PoolOptionsDraft::Range::Games); });
    choose(noneOption, [this] { m_draft.chooseTieBreaker(0); });
    choose(mnwoOption, [this] { m_draft.chooseTieBreaker(1); });
    choose(mnanyOption, [this] { m_draft.chooseTieBreaker(2); });
    choose(ledgerOption, [this] { m_draft.chooseScoring(PoolOptionsDraft::Scoring::Ledger); });
    choose(creditOption, [this] { m_draft.chooseScoring(PoolOptionsDraft::Scoring::Credit); });
    connect(splitCheck, &QCheckBox::clicked, this, [this](bool checked) {
        m_draft.chooseSplit(checked);
        showChoices();
    });
    connect(cmdOk, &QPushButton::clicked, this, &PoolProfile::cmdOkClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PoolProfile::addHelpTexts() {
    m_help = new HoverHelp(lblInfo, this);
    m_help->add(wkwOption, QStringLiteral("Make your predictions on a weekly basis."));
    m_help->add(ssnOption, QStringLiteral("Make your predictions of ALL games before the season starts.  If "
                                          "chosen, Point Spread option will be set to No"));
    m_help->add(Frame2, QStringLiteral("Use point spreads as a prediction and results factor?"));
    m_help->add(
        Frame3,
        QStringLiteral("Use confidence points as part of the prediction criteria?  If yes, confidence "
                       "points totals will determine Season, Semi-Season, Quarter, and Good Week events."));
    m_help->add(Frame4, QString());
    m_help->add(cp1Option,
                QStringLiteral("Confidence points start at 16, end at (16 - number of week's games)."));
    m_help->add(cp2Option, QStringLiteral("Confidence points start at number of week's games, end at 1."));
    m_help->add(noneOption, QStringLiteral("Use no tie breaker."));
    m_help->add(
        mnanyOption,
        QStringLiteral("Closest to score regardless whether prediction was under or over the results."));
    m_help->add(mnwoOption, QStringLiteral("If all go over, then closest to score wins."));
    m_help->add(
        ledgerOption,
        QStringLiteral("The Ledger System is where the sum of all points equal to 0 (zero).  For example: "
                       "3 persons wager a poker chip on a hand, the winner profits 2 chips while the "
                       "losers lose 1 chip each, so the profit equals the sum of the losses."));
    m_help->add(creditOption,
                QStringLiteral("The Credit Only system. is based on awarding the winner(s) without "
                               "penalizing the losers."));
    m_help->add(splitCheck,
                QStringLiteral("If on, then the winner(s) divide evenly the event points.  If off, "
                               "then each winner will receive the same amount of event points."));
}

void PoolProfile::loadWindow() {
    m_draft.load(m_session.pool());
    showChoices();
}

void PoolProfile::showChoices() {
    showOption(wkwOption, m_draft.weekToWeek());
    showOption(ssnOption, !m_draft.weekToWeek());
    Frame2->setEnabled(m_draft.spreadsEnabled());
    showOption(yesPtsOption, m_draft.pointSpreads());
    showOption(noPtsOption, !m_draft.pointSpreads());
    showOption(yesCpOption, m_draft.confidence());
    showOption(noCpOption, !m_draft.confidence());
    cp1Option->setEnabled(m_draft.rangeEnabled());
    cp2Option->setEnabled(m_draft.rangeEnabled());
    showOption(cp1Option, m_draft.range() == PoolOptionsDraft::Range::Slots);
    showOption(cp2Option, m_draft.range() == PoolOptionsDraft::Range::Games);
    const auto tieBreaker = m_draft.tieBreaker();
    showOption(noneOption, tieBreaker == 0);
    showOption(mnwoOption, tieBreaker == 1);
    showOption(mnanyOption, tieBreaker == 2);
    showOption(ledgerOption, m_draft.scoring() == PoolOptionsDraft::Scoring::Ledger);
    showOption(creditOption, m_draft.scoring() == PoolOptionsDraft::Scoring::Credit);
    splitCheck->setChecked(m_draft.split());
    splitCheck->setEnabled(m_draft.splitEnabled());
}

bool PoolProfile::SavePoolProfile() {
    const PoolOptions options = m_draft.result();
    const bool renumbering = renumbersConfidence(m_draft.savedConfidenceMode(), options.confidenceMode);
    if (renumbering) {
        lblInfo->setText(Adjusting);
        lblInfo->repaint();
    }
    WriteResult result;
    {
        const WaitCursor wait;
        result = changePoolOptions(m_session, options);
    }
    if (renumbering) {
        lblInfo->clear();
    }
    if (!result) {
        m_host.messages().show({this, appinfo::messageTitle(), result.failureText(), Messages::Icon::Warning,
                                Messages::Buttons::Ok});
        return false;
    }
    return true;
}

void PoolProfile::cmdOkClicked() {
    if (SavePoolProfile()) {
        accept();
    }
}

} // namespace vek
