#include "widgets/standinwindow.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

StandInWindow::StandInWindow(PoolSession& session, WindowHost& host, const QString& name,
                             const QString& caption, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(name);
    setWindowTitle(caption);

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    resize(360, 140);
}

} // namespace vek
