#pragma once

#include <QValidator>

namespace vek {

/// Digits only, up to a largest value (a 16-bit integer by default): keeps out of a number box what
/// typing could not enter, pasted text included. An empty box is acceptable.
class ScoreValidator final : public QValidator {
    Q_OBJECT
public:
    static constexpr int MaxScore = 32767;

    explicit ScoreValidator(QObject* parent = nullptr, int maximum = MaxScore);

    State validate(QString& input, int& pos) const override;

private:
    int m_maximum;
};

} // namespace vek
