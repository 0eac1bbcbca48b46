#include "views/predictioncharts.h"

namespace vek {

PredictionCharts::PredictionCharts(PoolSession& session, WindowHost& host, QWidget* parent)
    : StandInWindow(session, host, QStringLiteral("PredictionCharts"), QStringLiteral("Prediction Charts"),
                    parent) {}

} // namespace vek
