#include "views/predictioncharts.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

PredictionCharts::PredictionCharts(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("PredictionCharts"));
    setWindowTitle(QStringLiteral("Prediction Charts"));

    auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(cmdOk, 0, Qt::AlignRight);
    resize(360, 140);
}

void PredictionCharts::loadWindow() {}

} // namespace vek
