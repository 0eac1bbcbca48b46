#include "views/ledger.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

Ledger::Ledger(PoolSession& session, WindowHost& host, QWidget* parent) : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("Ledger"));
    setWindowTitle(QStringLiteral("Ledger"));

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    resize(360, 140);
}

void Ledger::loadWindow() {}

} // namespace vek
