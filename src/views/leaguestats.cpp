#include "views/leaguestats.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

LeagueStats::LeagueStats(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("LeagueStats"));
    setWindowTitle(QStringLiteral("League Statistics"));

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    resize(360, 140);
}

void LeagueStats::loadWindow() {}

} // namespace vek
