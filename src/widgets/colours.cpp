#include "widgets/colours.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

namespace vek {

QColor buttonFace() {
    return QGuiApplication::palette().color(QPalette::Button);
}

void setColours(QWidget* widget, const QColor& back, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Button, back);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
}

void setEmphasis(QWidget* widget, bool on) {
    QFont font = widget->font();
    if (font.bold() != on) {
        font.setBold(on);
        widget->setFont(font);
    }
}

} // namespace vek
