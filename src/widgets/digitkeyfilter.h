#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace vek {

/// The keys a number box takes: the digits (of the main keyboard and the keypad alike, as long as the
/// value stays within its largest value), the keys that move and delete, Enter, Tab and the Ctrl
/// shortcuts (the box's validator keeps out what a paste would bring). Any other key is discarded with
/// a beep. It filters the box it is made for and lives as long as it.
class DigitKeyFilter final : public QObject {
    Q_OBJECT
public:
    DigitKeyFilter(QLineEdit* box, int maximum);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] bool refused(const QKeyEvent& key) const;

    QLineEdit* m_box;
    int m_maximum;
};

} // namespace vek
