#pragma once

#include <QValidator>

namespace vek {

/// Digits only, up to a largest value (a score or a total: 32767): keeps out of a number box what typing
/// could not enter, pasted text included. An empty box is acceptable.
class ScoreValidator final : public QValidator {
    Q_OBJECT
public:
    ScoreValidator(int maximum, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    int m_maximum;
};

} // namespace vek
