#include "widgets/controls.h"

#include "model/pooldata.h"
#include "widgets/updown.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace vek::controls {

UpDown* makeUpDown(QWidget* parent, const QString& name) {
    auto* upDown = new UpDown(parent);
    upDown->setObjectName(name);
    return upDown;
}

void setQuietly(QSpinBox* upDown, int minimum, int maximum, int value) {
    const QSignalBlocker block(upDown);
    upDown->setRange(minimum, maximum);
    upDown->setValue(value);
}

QLabel* makeBox(QWidget* parent, const QString& name, int width, Qt::Alignment align) {
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setAlignment(align | Qt::AlignVCenter);
    box->setAutoFillBackground(true);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setFixedSize(width, BoxHeight);
    box->setMargin(0);
    box->setIndent(2);
    return box;
}

QLabel* makeHeading(QWidget* parent, const QString& text, const QString& name, Qt::Alignment align) {
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(name);
    heading->setAlignment(align | Qt::AlignBottom);
    return heading;
}

QLabel* makeText(QWidget* parent, const QString& text, const QString& name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    return frame;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

int widthFor(const QWidget* widget, const QStringList& texts, int atLeast) {
    const QFontMetrics metrics = widget->fontMetrics();
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    // The sunken frame and the indent on both sides.
    return std::max(atLeast, widest + 10);
}

int memberNameWidth(const QWidget* widget, const PoolData& pool, int atLeast) {
    // About forty characters; a longer name would push the figures off the screen.
    constexpr int Limit = 280;
    QStringList names;
    for (int m = 0; m < pool.memberCount(); ++m) {
        names << pool.memberName[m];
    }
    return std::min(widthFor(widget, names, atLeast), std::max(Limit, atLeast));
}

void showName(QLabel* box, const QString& name) {
    const QString shown =
        box->fontMetrics().elidedText(name, Qt::ElideRight, box->contentsRect().width() - 6);
    box->setText(shown);
    box->setToolTip(shown == name ? QString() : name);
}

} // namespace vek::controls
