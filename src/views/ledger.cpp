#include "views/ledger.h"

#include "session/poolsession.h"
#include "views/viewdata.h"
#include "widgets/controls.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

using namespace controls;

namespace {

constexpr int LinesPerColumn = Ledger::PageLines / 2;
constexpr int MinNameWidth = 140;

} // namespace

Ledger::Ledger(PoolSession& session, WindowHost& host, QWidget* parent) : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("Ledger"));
    setWindowTitle(QStringLiteral("Ledger"));
    buildControls();
}

void Ledger::buildControls() {
    QStringList names;
    for (int c = 0; c < LedgerEvents; ++c) {
        names << ledgerEventName(c);
    }
    EventBox = makeBox(this, QStringLiteral("EventBox"), widthFor(this, names));
    EventBox->setFixedHeight(2 * BoxHeight - 6);
    setColours(EventBox, LightGreen, Black);
    EventSpin = makeUpDown(this, QStringLiteral("EventSpin"));
    EventSpin->setRange(0, LedgerEvents - 1);
    connect(EventSpin, &QSpinBox::valueChanged, this, [this](int value) {
        eventIndex = value;
        ShowLedgerPage();
    });

    const int balanceWidth = widthFor(this, {QStringLiteral("-0000000")});
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    for (int line = 0; line < PageLines; ++line) {
        const int column = line < LinesPerColumn ? 0 : 3;
        const int row = line % LinesPerColumn;
        MemBox[line] = makeBox(this, QStringLiteral("MemBox%1").arg(line), MinNameWidth, Qt::AlignLeft);
        BalBox[line] = makeBox(this, QStringLiteral("BalBox%1").arg(line), balanceWidth, Qt::AlignRight);
        grid->addWidget(MemBox[line], row, column);
        grid->addWidget(BalBox[line], row, column + 1);
    }
    grid->setColumnMinimumWidth(2, 16);

    cmdMemGroup = makeButton(this, QStringLiteral("cmdMemGroup"), QStringLiteral("Member Group"));
    connect(cmdMemGroup, &QPushButton::clicked, this, &Ledger::cmdMemGroupClicked);
    cmdOk = makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("OK"));
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(EventBox);
    top->addWidget(EventSpin);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cmdMemGroup);
    bottom->addStretch();
    bottom->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(bottom);
}

void Ledger::loadWindow() {
    const WaitCursor wait;
    const PoolData& pool = m_session.pool();
    const int nameWidth = memberNameWidth(this, pool, MinNameWidth);
    for (QLabel* box : MemBox) {
        box->setFixedWidth(nameWidth);
    }
    page = ledgerPage(pool.memberCount(), 0);
    cmdMemGroup->setVisible(pool.memberCount() > PageLines);
    eventIndex = 0;
    setQuietly(EventSpin, 0, LedgerEvents - 1, eventIndex);
    scoreSeasonForView(m_session);
    ShowLedgerPage();
}

void Ledger::ShowLedgerPage() {
    const PoolData& pool = m_session.pool();
    EventBox->setText(ledgerEventName(eventIndex));
    for (int line = 0; line < PageLines; ++line) {
        const int member = page.first + line;
        const bool used = member <= page.last;
        MemBox[line]->setVisible(used);
        BalBox[line]->setVisible(used);
        if (!used) {
            continue;
        }
        showName(MemBox[line], pool.memberName[member]);
        const float balance = ledgerLine(pool, member).balance[eventIndex];
        const int sign = balanceSign(balance);
        BalBox[line]->setText(balanceText(balance));
        setColours(BalBox[line], buttonFace(), sign < 0 ? Red : sign > 0 ? Black : White);
    }
}

void Ledger::cmdMemGroupClicked() {
    page = nextLedgerPage(m_session.pool().memberCount(), page);
    ShowLedgerPage();
}

} // namespace vek
