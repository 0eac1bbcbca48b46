#include "widgets/digitkeyfilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace vek {

DigitKeyFilter::DigitKeyFilter(QLineEdit* box, int maximum) : QObject(box), m_box(box), m_maximum(maximum) {
    box->installEventFilter(this);
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box && event->type() == QEvent::KeyPress && refused(*static_cast<QKeyEvent*>(event))) {
        QApplication::beep();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool DigitKeyFilter::refused(const QKeyEvent& key) const {
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return false;
    default:
        break;
    }
    if ((key.modifiers() & Qt::ControlModifier) != 0) {
        return false; // copy, cut, paste, undo
    }
    const QString text = key.text();
    if (text.size() != 1 || text[0] < QLatin1Char('0') || text[0] > QLatin1Char('9')) {
        return true;
    }
    // The value the digit would make, in place of the selection or at the cursor.
    QString after = m_box->text();
    if (m_box->hasSelectedText()) {
        after.replace(m_box->selectionStart(), m_box->selectedText().size(), text);
    } else {
        after.insert(m_box->cursorPosition(), text);
    }
    bool ok = false;
    const int value = after.toInt(&ok);
    return !ok || value > m_maximum;
}

} // namespace vek
