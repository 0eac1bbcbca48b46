#include "views/scoutingreport.h"

#include "session/poolsession.h"
#include "views/figuretexts.h"
#include "views/scoutingfigures.h"
#include "views/viewdata.h"
#include "widgets/controls.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vek {

using namespace controls;

namespace {

constexpr int BarWidth = 160;
constexpr int TotalRowGap = 8;

/// A bar from 0 to 100 that shows a rate; the user cannot move it.
QSlider* makeBar(QWidget* parent, const QString& name) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(0, 100);
    bar->setFixedSize(BarWidth, BoxHeight);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bar;
}

} // namespace

ScoutingReport::ScoutingReport(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("ScoutingReport"));
    setWindowTitle(QStringLiteral("Scouting Report"));
    buildControls();
}

void ScoutingReport::buildConference(Conference& c, const QString& caption, const QString& prefix,
                                     const QString& totalBar, const QString& totalPercent) {
    c.prefix = prefix;
    c.frame = makeFrame(
        this, prefix == QStringLiteral("N") ? QStringLiteral("NFCFrame") : QStringLiteral("AFCFrame"),
        caption);
    c.grid = new QGridLayout(c.frame);
    c.grid->setHorizontalSpacing(4);
    c.grid->setVerticalSpacing(2);
    c.grid->addWidget(makeHeading(c.frame, QStringLiteral("Team")), 0, 0);
    c.grid->addWidget(makeHeading(c.frame, QStringLiteral("Prediction Success Rate")), 0, 1, 1, 2);
    c.grid->addWidget(makeHeading(c.frame, QStringLiteral("W")), 0, 3);
    c.grid->addWidget(makeHeading(c.frame, QStringLiteral("L")), 0, 4);
    c.totalBar = makeBar(c.frame, totalBar);
    c.totalPercent = makeBox(c.frame, totalPercent, widthFor(this, {QStringLiteral("100.0%")}));
}

void ScoutingReport::buildControls() {
    buildConference(m_nfc, QStringLiteral("NFC"), QStringLiteral("N"), QStringLiteral("sldNTot"),
                    QStringLiteral("NTpercBox"));
    buildConference(m_afc, QStringLiteral("AFC"), QStringLiteral("A"), QStringLiteral("sldATot"),
                    QStringLiteral("ATpercBox"));

    MemBox = makeBox(this, QStringLiteral("MemBox"), 200);
    MemBox->setFixedHeight(2 * BoxHeight - 6);
    setColours(MemBox, LightGreen, Black);
    memSpin = makeUpDown(this, QStringLiteral("memSpin"));
    connect(memSpin, &QSpinBox::valueChanged, this, [this](int value) {
        m_member = value;
        showName(MemBox, m_session.pool().memberName[m_member]);
        CalcScoutingReport();
    });
    cmdOk = makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(MemBox);
    top->addWidget(memSpin);
    top->addStretch();
    top->addWidget(cmdOk);
    auto* frames = new QHBoxLayout;
    frames->addWidget(m_nfc.frame, 0, Qt::AlignTop);
    frames->addWidget(m_afc.frame, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addLayout(frames);
}

void ScoutingReport::showRows(Conference& c, int rows) {
    const int teamWidth = widthFor(this, {QStringLiteral("WWWWWW")});
    const int percentWidth = widthFor(this, {QStringLiteral("100.0%")});
    const int countWidth = widthFor(this, {QStringLiteral("0000")});
    while (std::ssize(c.rows) < rows) {
        const int r = static_cast<int>(c.rows.size());
        const QString index = QString::number(r);
        TeamRow row;
        row.team = makeBox(c.frame, c.prefix + QStringLiteral("teamBox") + index, teamWidth);
        row.bar = makeBar(c.frame, QStringLiteral("sld") + c.prefix + QStringLiteral("T") + index);
        row.percent = makeBox(c.frame, c.prefix + QStringLiteral("percBox") + index, percentWidth);
        row.right = makeBox(c.frame, c.prefix + QStringLiteral("WBox") + index, countWidth);
        row.wrong = makeBox(c.frame, c.prefix + QStringLiteral("LBox") + index, countWidth);
        c.grid->addWidget(row.team, 1 + r, 0);
        c.grid->addWidget(row.bar, 1 + r, 1);
        c.grid->addWidget(row.percent, 1 + r, 2);
        c.grid->addWidget(row.right, 1 + r, 3);
        c.grid->addWidget(row.wrong, 1 + r, 4);
        c.rows.push_back(row);
    }
    for (int r = 0; r < std::ssize(c.rows); ++r) {
        const TeamRow& row = at(c.rows, r);
        for (QWidget* w :
             std::initializer_list<QWidget*>{row.team, row.bar, row.percent, row.right, row.wrong}) {
            w->setVisible(r < rows);
        }
    }
    // The totals follow the last row shown.
    c.grid->removeWidget(c.totalBar);
    c.grid->removeWidget(c.totalPercent);
    const int totalRow = 2 + static_cast<int>(c.rows.size());
    c.grid->setRowMinimumHeight(totalRow - 1, TotalRowGap);
    c.grid->addWidget(c.totalBar, totalRow, 1);
    c.grid->addWidget(c.totalPercent, totalRow, 2);
}

void ScoutingReport::loadWindow() {
    const WaitCursor wait;
    bringViewDataUpToDate(m_session);
    const PoolData& pool = m_session.pool();
    const int members = pool.memberCount();
    m_member = pool.defaultMemberIndex();
    MemBox->setFixedWidth(memberNameWidth(this, pool, 200));
    // Without members there is nobody to report on: an empty chooser and no rows.
    setQuietly(memSpin, 0, std::max(members - 1, 0), m_member);
    memSpin->setEnabled(members > 0);
    showName(MemBox, members > 0 ? pool.memberName[m_member] : QString());

    const int nfcRows = members > 0 ? conferenceRows(pool, false) : 0;
    const int afcRows = members > 0 ? conferenceRows(pool, true) : 0;
    showRows(m_nfc, nfcRows);
    showRows(m_afc, afcRows);
    for (int t = 0; t < nfcRows + afcRows; ++t) {
        const ScoutingPlace place = scoutingPlace(pool, t);
        const Conference& c = place.afc ? m_afc : m_nfc;
        if (place.row >= 0 && place.row < std::ssize(c.rows)) {
            at(c.rows, place.row).team->setText(pool.teamAbbrOf(t));
        }
    }
    CalcScoutingReport();
}

void ScoutingReport::CalcScoutingReport() {
    const PoolData& pool = m_session.pool();
    const ScoutingTallies tallies = scoutingTallies(pool, m_member);
    for (int t = 0; t < std::ssize(tallies.teams); ++t) {
        const ScoutingPlace place = scoutingPlace(pool, t);
        const Conference& c = place.afc ? m_afc : m_nfc;
        if (place.row < 0 || place.row >= std::ssize(c.rows)) {
            continue;
        }
        const TeamRow& row = at(c.rows, place.row);
        const PickSuccess& s = at(tallies.teams, t);
        row.right->setText(QString::number(s.right));
        row.wrong->setText(QString::number(s.wrong()));
        row.bar->setValue(percentBar(s.right, s.games));
        row.percent->setText(percentText(s.right, s.games, 1));
    }
    for (const auto& [c, total] : {std::pair{&m_nfc, tallies.nfc}, std::pair{&m_afc, tallies.afc}}) {
        c->totalBar->setValue(percentBar(total.right, total.games));
        c->totalPercent->setText(percentText(total.right, total.games, 1));
    }
}

} // namespace vek
