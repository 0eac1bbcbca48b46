#include "views/leaguestandings.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

LeagueStandings::LeagueStandings(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("LeagueStandings"));
    setWindowTitle(QStringLiteral("Pool Standings"));

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    resize(360, 140);
}

void LeagueStandings::loadWindow() {}

} // namespace vek
