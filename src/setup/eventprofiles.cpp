#include "setup/eventprofiles.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

EventProfiles::EventProfiles(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("EventProfiles"));
    setWindowTitle(QStringLiteral("Event Profiles"));

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    resize(360, 140);
}

void EventProfiles::loadWindow() {}

} // namespace vek
