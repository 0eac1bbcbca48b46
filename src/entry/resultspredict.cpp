#include "entry/resultspredict.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

ResultsPredict::ResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("ResultsPredict"));
    setWindowTitle(DesignerCaption);

    m_tieBox = new QLabel(QStringLiteral("Tie"), this);
    m_tieBox->setObjectName(QStringLiteral("tieBox"));
    m_f3Box = new QLabel(QStringLiteral("F3"), this);
    m_f3Box->setObjectName(QStringLiteral("f3Box"));

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* tieRow = new QHBoxLayout;
    tieRow->addWidget(m_tieBox);
    tieRow->addWidget(m_f3Box);
    tieRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tieRow);
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    resize(360, 140);
}

void ResultsPredict::loadWindow() {
    // The window is unloaded on every close: each load starts from the designer state, whatever an
    // opener changed last time.
    setWindowTitle(DesignerCaption);
    m_tieBox->setVisible(true);
    m_f3Box->setVisible(true);
}

} // namespace vek
