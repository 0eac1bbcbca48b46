#include "entry/comparediffs.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

CompareDiffs::CompareDiffs(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("CompareDiffs"));
    setWindowTitle(DesignerCaption);

    m_totTypeBox = new QLabel(DesignerTotalsTitle, this);
    m_totTypeBox->setObjectName(QStringLiteral("totTypeBox"));

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_totTypeBox);
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    resize(360, 140);
}

void CompareDiffs::loadWindow() {
    setWindowTitle(DesignerCaption);
    m_totTypeBox->setText(DesignerTotalsTitle);
}

} // namespace vek
