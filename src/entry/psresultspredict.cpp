#include "entry/psresultspredict.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

PSResultsPredict::PSResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("PSResultsPredict"));
    setWindowTitle(DesignerCaption);

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(360, 140);
}

void PSResultsPredict::loadWindow() {
    setWindowTitle(DesignerCaption);
}

} // namespace vek
