#include "setup/hoverhelp.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace vek {

HoverHelp::HoverHelp(QLabel* line, QObject* parent) : QObject(parent), m_line(line) {}

void HoverHelp::add(QWidget* target, std::function<QString()> text) {
    target->setMouseTracking(true);
    target->installEventFilter(this);
    m_texts.emplace_back(target, std::move(text));
}

void HoverHelp::add(QWidget* target, const QString& text) {
    add(target, [text] { return text; });
}

bool HoverHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Enter && event->type() != QEvent::MouseMove) {
        return false;
    }
    for (const auto& [target, text] : m_texts) {
        if (target == watched) {
            m_line->setText(text());
            // A move over a control is not passed on to the frame around it, whose text would replace it.
            return event->type() == QEvent::MouseMove &&
                   static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
        }
    }
    return false;
}

} // namespace vek
