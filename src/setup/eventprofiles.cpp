#include "setup/eventprofiles.h"

#include "model/appinfo.h"
#include "session/eventchanges.h"
#include "session/poolsession.h"
#include "setup/hoverhelp.h"
#include "widgets/controls.h"
#include "widgets/messages.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"
#include "widgets/windowhost.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <functional>

namespace vek {
namespace {

using S = EventSetting;

/// One setting's controls: its up-down control, the label that shows its value, the caption of its row
/// and its Clear button. The range and step of each control are the working copy's.
struct SettingControl {
    S setting;
    const char* spin;
    const char* value;
    const char* caption; // none for the weekly thresholds, whose captions follow the pool
    const char* clear;   // none where the row has no Clear button
};

// In the order of EventSetting.
constexpr SettingControl Controls[] = {
    {S::WeekSize, "nofgSpin", "numGames", "Number of games in week:", nullptr},
    {S::GoodWeekThreshold, "minSpin", "goodWeek", nullptr, nullptr},
    {S::BadWeekThreshold, "maxSpin", "badWeek", nullptr, nullptr},
    {S::GoodWeekPoints, "gwpSpin", "gwPts", "Points:", "cmdClrGW"},
    {S::BadWeekPoints, "bwpSpin", "bwPts", "Points:", "cmdClrBW"},
    {S::PerfectWeekPoints, "pwpSpin", "pwPts", "Points:", "cmdClrPW"},
    {S::Quarter1Weeks, "qSpin0", "numGamesQ0", "Number of weeks in 1st quarter:", nullptr},
    {S::Quarter2Weeks, "qSpin1", "numGamesQ1", "Number of weeks in 2nd quarter:", nullptr},
    {S::Quarter3Weeks, "qSpin2", "numGamesQ2", "Number of weeks in 3rd quarter:", nullptr},
    {S::Quarter4Weeks, "qSpin3", "numGamesQ3", "Number of weeks in 4th quarter:", nullptr},
    {S::QuarterPoints, "qptSpin", "qtPts", "Points:", "cmdClrQ"},
    {S::QuarterGbPoints, "qgbptSpin", "qgbPts", "Points per game behind:", "cmdClrQGB"},
    {S::Half1Weeks, "hSpin0", "numGamesH0", "Number of weeks in 1st half:", nullptr},
    {S::Half2Weeks, "hSpin1", "numGamesH1", "Number of weeks in 2nd half:", nullptr},
    {S::HalfPoints, "hptSpin", "hPts", "Points:", "cmdClrH"},
    {S::HalfGbPoints, "hgbptSpin", "hgbPts", "Points per game behind:", "cmdClrHGB"},
    {S::SeasonPoints, "sptSpin", "sPts", "Points:", "cmdClrS"},
    {S::SeasonGbPoints, "sgbptSpin", "sgbPts", "Points per game behind:", "cmdClrSGB"},
    {S::PostSeasonPoints, "psptsSpin", "psPts", "Points:", "cmdClrP"},
    {S::DivWinner1Points, "dptSpin0", "divPts0", "PSPoints for 1 correct divisional winner:", nullptr},
    {S::DivWinner2Points, "dptSpin1", "divPts1", "PSPoints for 2 correct divisional winners:", nullptr},
    {S::DivWinner3Points, "dptSpin2", "divPts2", "PSPoints for 3 correct divisional winners:", nullptr},
    {S::DivWinner4Points, "dptSpin3", "divPts3", "PSPoints for 4 correct divisional winners:", nullptr},
    {S::WildCard1Points, "wcptSpin0", "wcPts0", "PSPoints for 1 correct wild card team:", nullptr},
    {S::WildCard2Points, "wcptSpin1", "wcPts1", "PSPoints for 2 correct wild card team:", nullptr},
    {S::DivAsWildCardPoints, "divwcSpin", "divwcpts", "PSPoints for Div Winner as WC Team", nullptr},
    {S::WildCardAsDivPoints, "wcdivSpin", "wcdivpts", "PSPoints for WC Team as Div Winner", nullptr},
    {S::BigGamePoints, "sbptsSpin", "sbPts", "Points:", "cmdClrSB"},
    {S::WildChoicePoints, "wildSpin", "wildPts", "Points:", "cmdClrWC"},
    {S::Over50Points, "o5ptsSpin", "o5Pts", "Points:", "cmdClrO5"},
    {S::MondayNightPoints, "mnptsSpin", "mnPts", "Points:", "cmdClrMN"},
};

const SettingControl& controlOf(S setting) {
    return Controls[static_cast<int>(setting)];
}

const QString TabTexts[] = {
    QStringLiteral("Set Weekly Profile Events."),
    QStringLiteral("Set Quarterly Profile Event."),
    QStringLiteral("Set Semi-Season Profile Event."),
    QStringLiteral("Set Season Profile Event."),
    QStringLiteral("Set Post Season Profile Events."),
    QStringLiteral("Set end of season Specials Profile Events."),
};

const QString PointsTexts[] = {
    QStringLiteral("Points awarded to winner(s) from each loser."),
    QStringLiteral("Points awarded to winner(s) divided evenly."),
    QStringLiteral("Points awarded to winner(s)."),
};

/// A sunken box that shows a number.
QLabel* makeValueLabel(QWidget* parent, const QString& name) {
    return controls::makeBox(parent, name, controls::widthFor(parent, {QStringLiteral("-1000000")}),
                             Qt::AlignRight);
}

constexpr int CaptionColumn = 0;
constexpr int ValueColumn = 1;
constexpr int SpinColumn = 2;
constexpr int ClearColumn = 3;

/// A tab page that stacks its frames from the top, with the values of its frames in one column.
QWidget* makePage(std::initializer_list<QWidget*> frames) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (QWidget* frame : frames) {
        layout->addWidget(frame);
    }
    layout->addStretch();
    const QList<QGridLayout*> grids = page->findChildren<QGridLayout*>();
    int widest = 0;
    for (QGridLayout* grid : grids) {
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (QLayoutItem* caption = grid->itemAtPosition(row, CaptionColumn)) {
                widest = std::max(widest, caption->sizeHint().width());
            }
        }
    }
    for (QGridLayout* grid : grids) {
        grid->setColumnMinimumWidth(CaptionColumn, widest);
    }
    return page;
}

} // namespace

EventProfiles::EventProfiles(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("EventProfiles"));
    setWindowTitle(QStringLiteral("Event Profiles"));
    buildControls();
    addHelpTexts();
}

EventProfiles::Spin& EventProfiles::spinOf(EventSetting setting) {
    return at(m_spins, static_cast<int>(setting));
}

void EventProfiles::buildControls() {
    for (const SettingControl& control : Controls) {
        Spin spin{control.setting, controls::makeUpDown(this, QString::fromLatin1(control.spin)),
                  makeValueLabel(this, QString::fromLatin1(control.value))};
        const EventSetting setting = control.setting;
        connect(spin.spin, &QSpinBox::valueChanged, this,
                [this, setting](int value) { spinMoved(setting, value); });
        m_spins.push_back(spin);
        if (control.clear != nullptr) {
            auto* clear =
                controls::makeButton(this, QString::fromLatin1(control.clear), QStringLiteral("Clear"));
            connect(clear, &QPushButton::clicked, this, [this, setting] { clearSetting(setting); });
            m_clearButtons.emplace_back(setting, clear);
        }
    }

    tabProfile = new QTabWidget(this);
    tabProfile->setObjectName(QStringLiteral("tabProfile"));
    tabProfile->addTab(buildWeekTab(), QStringLiteral("Week"));
    quarterFrame =
        buildPeriodFrame("quarterFrame", QStringLiteral("Quarter Event"), QStringLiteral("Games in Qtr"),
                         S::Quarter1Weeks, m_quarters, QStringLiteral("Q"));
    semiFrame =
        buildPeriodFrame("semiFrame", QStringLiteral("Semi-Season Event"), QStringLiteral("Games in Half"),
                         S::Half1Weeks, m_halves, QStringLiteral("H"));
    tabProfile->addTab(makePage({quarterFrame}), QStringLiteral("Quarter"));
    tabProfile->addTab(makePage({semiFrame}), QStringLiteral("Semi-Season"));
    tabProfile->addTab(buildSeasonTab(), QStringLiteral("Season"));
    tabProfile->addTab(buildPostSeasonTab(), QStringLiteral("Post-Season"));
    tabProfile->addTab(buildSpecialsTab(), QStringLiteral("Specials"));

    Frame1 = controls::makeFrame(this, QStringLiteral("Frame1"), QStringLiteral("+/- Increment"));
    auto* increments = new QHBoxLayout(Frame1);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::number(static_cast<int>(std::pow(10, i))), Frame1);
        option->setObjectName(QStringLiteral("ptOption%1").arg(i));
        connect(option, &QRadioButton::clicked, this, [this, i] { incrementChosen(i); });
        increments->addWidget(option);
        ptOption[i] = option;
    }

    desBox = new QLabel(this);
    desBox->setObjectName(QStringLiteral("desBox"));
    desBox->setWordWrap(true);
    desBox->setAutoFillBackground(true);
    desBox->setBackgroundRole(QPalette::ToolTipBase);
    desBox->setForegroundRole(QPalette::ToolTipText);
    desBox->setFrameShape(QFrame::Panel);
    desBox->setFrameShadow(QFrame::Sunken);
    desBox->setMargin(4);
    desBox->setMinimumHeight(2 * desBox->fontMetrics().lineSpacing() + 10);
    connect(tabProfile, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab >= 0 && tab < static_cast<int>(std::size(TabTexts))) {
            desBox->setText(TabTexts[tab]);
        }
    });

    cmdOK = controls::makeButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdCancel = controls::makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (SaveEventProfiles()) {
            accept();
        }
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Frame1);
    bottom->addStretch();
    bottom->addWidget(cmdOK, 0, Qt::AlignBottom);
    bottom->addWidget(cmdCancel, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabProfile);
    layout->addLayout(bottom);
    layout->addWidget(desBox);
}

void EventProfiles::addSettingRow(QGridLayout* grid, int row, EventSetting setting) {
    const SettingControl& control = controlOf(setting);
    Spin& spin = spinOf(setting);
    if (control.caption != nullptr) {
        grid->addWidget(controls::makeText(grid->parentWidget(), QString::fromLatin1(control.caption)), row,
                        CaptionColumn);
    }
    grid->addWidget(spin.value, row, ValueColumn);
    grid->addWidget(spin.spin, row, SpinColumn);
    for (const auto& [cleared, button] : m_clearButtons) {
        if (cleared == setting) {
            grid->addWidget(button, row, ClearColumn);
        }
    }
}

QWidget* EventProfiles::buildWeekTab() {
    auto* size = new QWidget;
    auto* sizeGrid = new QGridLayout(size);
    sizeGrid->setContentsMargins(0, 0, 0, 0);
    addSettingRow(sizeGrid, 0, S::WeekSize);
    sizeGrid->setColumnStretch(4, 1);

    goodwkFrame = controls::makeFrame(this, QStringLiteral("goodwkFrame"), QStringLiteral("Good Week Event"));
    badweekFrame =
        controls::makeFrame(this, QStringLiteral("badweekFrame"), QStringLiteral("Bad Week Event"));
    perfectweekFrame =
        controls::makeFrame(this, QStringLiteral("perfectweekFrame"), QStringLiteral("Perfect Week Event"));
    const auto thresholdFrame = [this](QGroupBox* frame, QLabel*& caption, const char* captionName,
                                       QLabel*& share, const char* shareName, S threshold, S points) {
        auto* grid = new QGridLayout(frame);
        caption = new QLabel(frame);
        caption->setObjectName(QString::fromLatin1(captionName));
        // Room for the longer of the two captions a pool can have.
        caption->setMinimumWidth(caption->fontMetrics().horizontalAdvance(
            QStringLiteral("MAXIMUM amount of confidence points needed to win:")));
        grid->addWidget(caption, 0, CaptionColumn);
        addSettingRow(grid, 0, threshold);
        share = makeValueLabel(frame, QString::fromLatin1(shareName));
        grid->addWidget(share, 0, ClearColumn);
        addSettingRow(grid, 1, points);
        grid->setColumnStretch(4, 1);
    };
    thresholdFrame(goodwkFrame, pnlGoodWeek, "pnlGoodWeek", gwPerc, "gwPerc", S::GoodWeekThreshold,
                   S::GoodWeekPoints);
    thresholdFrame(badweekFrame, pnlBadWeek, "pnlBadWeek", bwPerc, "bwPerc", S::BadWeekThreshold,
                   S::BadWeekPoints);
    auto* perfect = new QGridLayout(perfectweekFrame);
    addSettingRow(perfect, 0, S::PerfectWeekPoints);
    perfect->setColumnStretch(4, 1);
    return makePage({size, goodwkFrame, badweekFrame, perfectweekFrame});
}

QGroupBox* EventProfiles::buildPeriodFrame(const char* name, const QString& caption,
                                           const QString& gamesHeader, EventSetting firstLength,
                                           std::span<PeriodColumns> columns, const QString& suffix) {
    QGroupBox* frame = controls::makeFrame(this, QString::fromLatin1(name), caption);
    auto* grid = new QGridLayout(frame);
    const QString headers[] = {QStringLiteral("Start Week"), QStringLiteral("End Week"), gamesHeader};
    for (int c = 0; c < 3; ++c) {
        grid->addWidget(controls::makeText(frame, headers[c]), 0, ClearColumn + c, Qt::AlignCenter);
    }
    const int periods = static_cast<int>(columns.size());
    for (int i = 0; i < periods; ++i) {
        addSettingRow(grid, i + 1, static_cast<S>(static_cast<int>(firstLength) + i));
        PeriodColumns& row = at(columns, i);
        row.startWeek = makeValueLabel(frame, QStringLiteral("stWeek%1%2").arg(suffix).arg(i));
        row.endWeek = makeValueLabel(frame, QStringLiteral("endWeek%1%2").arg(suffix).arg(i));
        row.games = makeValueLabel(frame, QStringLiteral("games%1%2").arg(suffix).arg(i));
        grid->addWidget(row.startWeek, i + 1, ClearColumn);
        grid->addWidget(row.endWeek, i + 1, ClearColumn + 1);
        grid->addWidget(row.games, i + 1, ClearColumn + 2);
    }
    // The points and points per game behind follow the lengths in the settings' order.
    const int points = static_cast<int>(firstLength) + periods;
    addSettingRow(grid, periods + 1, static_cast<S>(points));
    addSettingRow(grid, periods + 2, static_cast<S>(points + 1));
    grid->setColumnStretch(6, 1);
    return frame;
}

QWidget* EventProfiles::buildSeasonTab() {
    seasonFrame = controls::makeFrame(this, QStringLiteral("seasonFrame"), QStringLiteral("Season Event"));
    auto* grid = new QGridLayout(seasonFrame);
    grid->addWidget(controls::makeText(seasonFrame, QStringLiteral("Number of weeks in season:")), 0,
                    CaptionColumn);
    numWeeks = makeValueLabel(seasonFrame, QStringLiteral("numWeeks"));
    grid->addWidget(numWeeks, 0, ValueColumn);
    addSettingRow(grid, 1, S::SeasonPoints);
    addSettingRow(grid, 2, S::SeasonGbPoints);
    grid->setColumnStretch(4, 1);
    return makePage({seasonFrame});
}

QWidget* EventProfiles::buildPostSeasonTab() {
    playoffFrame =
        controls::makeFrame(this, QStringLiteral("playoffFrame"), QStringLiteral("Post Season Event"));
    auto* playoff = new QVBoxLayout(playoffFrame);
    auto* points = new QGridLayout;
    addSettingRow(points, 0, S::PostSeasonPoints);
    points->setColumnStretch(4, 1);
    playoff->addLayout(points);
    const auto subFrame = [this](const char* name, const QString& caption, S first, int count) {
        QGroupBox* frame = controls::makeFrame(playoffFrame, QString::fromLatin1(name), caption);
        auto* grid = new QGridLayout(frame);
        for (int i = 0; i < count; ++i) {
            addSettingRow(grid, i, static_cast<S>(static_cast<int>(first) + i));
        }
        grid->setColumnStretch(4, 1);
        return frame;
    };
    playoff->addWidget(
        subFrame("Frame2", QStringLiteral("Correct Divisional Winners"), S::DivWinner1Points, 4));
    playoff->addWidget(subFrame("Frame3", QStringLiteral("Correct Wild Card Teams"), S::WildCard1Points, 2));
    playoff->addWidget(subFrame("Frame4", QStringLiteral("Crossed"), S::DivAsWildCardPoints, 2));

    superFrame = controls::makeFrame(this, QStringLiteral("superFrame"), QStringLiteral("Big Game Event"));
    auto* super = new QGridLayout(superFrame);
    addSettingRow(super, 0, S::BigGamePoints);
    super->setColumnStretch(4, 1);
    return makePage({playoffFrame, superFrame});
}

QWidget* EventProfiles::buildSpecialsTab() {
    const auto pointsFrame = [this](const char* name, const QString& caption, S setting) {
        QGroupBox* frame = controls::makeFrame(this, QString::fromLatin1(name), caption);
        auto* grid = new QGridLayout(frame);
        addSettingRow(grid, 0, setting);
        grid->setColumnStretch(4, 1);
        return frame;
    };
    wcFrame = pointsFrame("wcFrame", QStringLiteral("Wild Choice Event"), S::WildChoicePoints);
    o50Frame = pointsFrame("o50Frame", QStringLiteral("Over 50% Event"), S::Over50Points);
    mnFrame = pointsFrame("mnFrame", QStringLiteral("Best Monday Night Record Event"), S::MondayNightPoints);
    return makePage({wcFrame, o50Frame, mnFrame});
}

void EventProfiles::addHelpTexts() {
    m_help = new HoverHelp(desBox, this);
    m_help->add(goodwkFrame, [this] {
        return m_draft.confidencePool()
                   ? QStringLiteral("GOOD WEEK: Most week's confidence points with set minimum points.")
                   : QStringLiteral("GOOD WEEK: Best week's win/loss record with set minimum wins.");
    });
    m_help->add(badweekFrame, [this] {
        return m_draft.confidencePool()
                   ? QStringLiteral("BAD WEEK: Least week's confidence points with set maximum points.")
                   : QStringLiteral("BAD WEEK: Worst week's win/loss record with set maximum wins.");
    });
    m_help->add(perfectweekFrame, QStringLiteral("PERFECT WEEK: 100% correct week's predictions."));
    m_help->add(quarterFrame, QStringLiteral("Best win/loss record each quarter of the season."));
    m_help->add(semiFrame, QStringLiteral("Best win/loss record for each half of the season."));
    m_help->add(seasonFrame, QStringLiteral("Best win/loss record for the season."));
    m_help->add(playoffFrame, QStringLiteral("Most accurate predictions of post season teams."));
    m_help->add(superFrame, QStringLiteral("Correctly predict the winner of the Big Game."));
    m_help->add(wcFrame, QStringLiteral("Most correct unique predictions for the season."));
    m_help->add(
        o50Frame,
        QStringLiteral("Longest streak with more than 50% of the weekly games successfully predicted."));
    m_help->add(mnFrame, QStringLiteral("Most correct Monday Night games predicted for the season."));
    for (const S points : {S::GoodWeekPoints, S::BadWeekPoints, S::PerfectWeekPoints, S::QuarterPoints,
                           S::HalfPoints, S::SeasonPoints, S::PostSeasonPoints, S::BigGamePoints,
                           S::WildChoicePoints, S::Over50Points, S::MondayNightPoints}) {
        m_help->add(spinOf(points).value, [this] {
            const int system = m_session.pool().pointsSystem;
            return system >= 0 && system <= 2 ? PointsTexts[system] : QString();
        });
    }
    for (const S behind : {S::QuarterGbPoints, S::HalfGbPoints, S::SeasonGbPoints}) {
        m_help->add(spinOf(behind).value,
                    QStringLiteral("Points awarded per game behind to winner(s) from each loser."));
    }
    m_help->add(spinOf(S::DivWinner1Points).value,
                QStringLiteral("PSPoints for correctly predicting only 1 divisional winner in conference."));
    m_help->add(spinOf(S::DivWinner2Points).value,
                QStringLiteral("PSPoints for correctly predicting only 2 divisional winners in conference."));
    m_help->add(spinOf(S::DivWinner3Points).value,
                QStringLiteral("PSPoints for correctly predicting only 3 divisional winners in conference."));
    m_help->add(spinOf(S::DivWinner4Points).value,
                QStringLiteral("PSPoints for correctly predicting only 4 divisional winners in conference."));
    m_help->add(
        spinOf(S::WildCard1Points).spin,
        QStringLiteral("PredPoints for correctly predicting 1 wild card playoff teams in conference."));
    m_help->add(
        spinOf(S::WildCard2Points).spin,
        QStringLiteral("PredPoints for correctly predicting all wild card playoff teams in conference."));
    m_help->add(spinOf(S::DivAsWildCardPoints).value,
                QStringLiteral("PredPoints for predicting a divisional winner that makes the playoffs as a "
                               "non-divisional winner."));
    m_help->add(
        spinOf(S::WildCardAsDivPoints).value,
        QStringLiteral("PredPoints for predicting a non-divisional winner playoff team that makes it as "
                       "a divisional winner."));
}

void EventProfiles::loadWindow() {
    const WaitCursor wait;
    int chosen = -1;
    for (int i = 0; i < 4; ++i) {
        if (ptOption[i]->isChecked()) {
            chosen = i;
        }
    }
    m_draft.load(m_session.pool());
    m_draft.setPointsIncrement(chosen < 0 ? 1 : static_cast<int>(std::pow(10, chosen)));
    showAll();
    if (const QString note = m_draft.fittedPeriodsNote(); !note.isEmpty()) {
        desBox->setText(note);
    }
}

void EventProfiles::showAll() {
    for (const Spin& spin : m_spins) {
        showSpin(spin);
        showValue(spin);
    }
    numWeeks->setText(QString::number(m_draft.seasonWeeks()));
    RefreshWeekSizeLabels();
    DeriveQuarterWeeks();
    DeriveHalfWeeks();

    // Without a week size the weekly settings have nothing to set.
    const bool weekly = m_draft.weekSizeUsable();
    for (const S setting : {S::WeekSize, S::GoodWeekThreshold, S::BadWeekThreshold, S::GoodWeekPoints,
                            S::BadWeekPoints, S::PerfectWeekPoints}) {
        spinOf(setting).spin->setEnabled(weekly);
    }
    for (const auto& [setting, button] : m_clearButtons) {
        if (setting <= S::PerfectWeekPoints) {
            button->setEnabled(weekly);
        }
    }
}

void EventProfiles::showSpin(const Spin& spin) {
    const SettingRange range = m_draft.range(spin.setting);
    spin.spin->setSingleStep(m_draft.step(spin.setting));
    controls::setQuietly(spin.spin, range.min, std::max(range.min, range.max), m_draft.value(spin.setting));
}

void EventProfiles::showValue(const Spin& spin) {
    const bool noEntry =
        spin.setting != S::WeekSize && spin.setting <= S::PerfectWeekPoints && !m_draft.weekSizeUsable();
    spin.value->setText(noEntry ? QString() : QString::number(m_draft.value(spin.setting)));
}

void EventProfiles::spinMoved(EventSetting setting, int value) {
    m_draft.set(setting, value);
    showValue(spinOf(setting));
    if (setting == S::WeekSize) {
        // The weekly controls take the new size's values, so that a later step starts from the value shown.
        for (const S weekly : {S::GoodWeekThreshold, S::BadWeekThreshold, S::GoodWeekPoints, S::BadWeekPoints,
                               S::PerfectWeekPoints}) {
            showSpin(spinOf(weekly));
        }
        RefreshWeekSizeLabels();
    } else if (setting == S::GoodWeekThreshold || setting == S::BadWeekThreshold) {
        RefreshWeekSizeLabels();
    } else if (setting >= S::Quarter1Weeks && setting <= S::Quarter4Weeks) {
        DeriveQuarterWeeks();
    } else if (setting == S::Half1Weeks || setting == S::Half2Weeks) {
        DeriveHalfWeeks();
    }
}

void EventProfiles::clearSetting(EventSetting setting) {
    m_draft.set(setting, 0);
    showSpin(spinOf(setting));
    showValue(spinOf(setting));
}

void EventProfiles::incrementChosen(int index) {
    m_draft.setPointsIncrement(static_cast<int>(std::pow(10, index)));
    for (const S weekly : {S::GoodWeekPoints, S::BadWeekPoints, S::PerfectWeekPoints}) {
        spinOf(weekly).spin->setSingleStep(m_draft.step(weekly));
    }
}

void EventProfiles::RefreshWeekSizeLabels() {
    for (const S setting : {S::WeekSize, S::GoodWeekThreshold, S::BadWeekThreshold, S::GoodWeekPoints,
                            S::BadWeekPoints, S::PerfectWeekPoints}) {
        showValue(spinOf(setting));
    }
    gwPerc->setText(m_draft.goodWeekShare());
    bwPerc->setText(m_draft.badWeekShare());
    if (m_draft.confidencePool()) {
        pnlGoodWeek->setText(QStringLiteral("MINIMUM amount of confidence points needed to win:"));
        pnlBadWeek->setText(QStringLiteral("MAXIMUM amount of confidence points needed to win:"));
    } else {
        pnlGoodWeek->setText(QStringLiteral("MINIMUM # of correct predictions needed to win:"));
        pnlBadWeek->setText(QStringLiteral("MAXIMUM # of correct predictions needed to win:"));
    }
}

void EventProfiles::showPeriods(EventSetting firstLength, std::span<const PeriodColumns> columns,
                                const std::function<EventSettingsDraft::PeriodRow(int)>& period) {
    // The working copy derived the periods when a length moved; the last period's control shows the
    // weeks it was left with.
    const int periods = static_cast<int>(columns.size());
    showSpin(spinOf(static_cast<S>(static_cast<int>(firstLength) + periods - 1)));
    for (int i = 0; i < periods; ++i) {
        const auto row = period(i);
        const PeriodColumns& shown = at(columns, i);
        showValue(spinOf(static_cast<S>(static_cast<int>(firstLength) + i)));
        shown.startWeek->setText(QString::number(row.startWeek));
        shown.endWeek->setText(QString::number(row.endWeek));
        shown.games->setText(QString::number(row.games));
    }
}

void EventProfiles::DeriveHalfWeeks() {
    showPeriods(S::Half1Weeks, m_halves, [this](int h) { return m_draft.half(h); });
}

void EventProfiles::DeriveQuarterWeeks() {
    showPeriods(S::Quarter1Weeks, m_quarters, [this](int q) { return m_draft.quarter(q); });
}

bool EventProfiles::SaveEventProfiles() {
    WriteResult result;
    {
        const WaitCursor wait;
        result = changeEventProfiles(m_session, m_draft.values());
    }
    if (!result) {
        m_host.messages().show({this, appinfo::messageTitle(), result.failureText(), Messages::Icon::Warning,
                                Messages::Buttons::Ok});
        return false;
    }
    return true;
}

void EventProfiles::done(int result) {
    // Closed without OK while open: the periods go back to what they were when it opened.
    if (result != QDialog::Accepted && isLoaded()) {
        m_draft.restorePeriods();
    }
    PoolWindow::done(result);
}

} // namespace vek
