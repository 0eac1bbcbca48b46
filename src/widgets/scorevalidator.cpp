#include "widgets/scorevalidator.h"

namespace vek {

ScoreValidator::ScoreValidator(int maximum, QObject* parent) : QValidator(parent), m_maximum(maximum) {}

QValidator::State ScoreValidator::validate(QString& input, int& /*pos*/) const {
    if (input.isEmpty()) {
        return Acceptable;
    }
    for (const QChar c : input) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return Invalid;
        }
    }
    bool ok = false;
    const int value = input.toInt(&ok);
    return ok && value <= m_maximum ? Acceptable : Invalid;
}

} // namespace vek
