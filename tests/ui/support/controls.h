#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace vek::test {

/// A control of a window by its name; a missing control fails the test that asked for it.
template <class T> T* control(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        ADD_FAILURE() << "no control " << name.toStdString();
    }
    return found;
}

/// Whether a control would be on screen with its window (the windows are not shown in most tests).
inline bool shown(const QWidget* widget) {
    return !widget->isHidden();
}

inline QStringList entries(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->itemText(i);
    }
    return texts;
}

/// A choice of the user in a drop-down list, as a click on an entry of its open list.
inline void choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

/// The colours a control is painted in: its background and its text.
inline QColor back(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}
inline QColor fore(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

/// Fails for every control shown in the window that reaches outside it, and for every label, button and
/// list whose text is wider than the room the control gives it, every frame caption and tab that does
/// not fit, and every wrapped text taller than its label. With VEK_SCREENSHOTS naming a folder,
/// the window is also saved there as `name`.png, for a person to look at.
inline void expectNothingCutOff(QWidget& window, const QString& name) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (const QString folder = qEnvironmentVariable("VEK_SCREENSHOTS"); !folder.isEmpty()) {
        EXPECT_TRUE(window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
    }
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->isWindow() || !child->isVisibleTo(&window)) {
            continue;
        }
        const std::string control = (name + QLatin1Char('/') + child->objectName()).toStdString();
        EXPECT_TRUE(window.rect().contains(QRect(child->mapTo(&window, QPoint(0, 0)), child->size())))
            << control;
        const QFontMetrics metrics = child->fontMetrics();
        QString text;
        int needed = 0;
        int room = child->width();
        if (const auto* label = qobject_cast<const QLabel*>(child); label != nullptr && !label->wordWrap()) {
            text = label->text();
            needed = metrics.horizontalAdvance(text);
            room = label->contentsRect().width();
        } else if (qobject_cast<const QCheckBox*>(child) != nullptr ||
                   qobject_cast<const QRadioButton*>(child) != nullptr) {
            text = static_cast<const QAbstractButton*>(child)->text();
            needed = child->sizeHint().width(); // and the mark
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(child); button != nullptr) {
            text = button->text();
            needed = metrics.horizontalAdvance(text) + 6; // the face's own margins
        } else if (const auto* list = qobject_cast<const QComboBox*>(child); list != nullptr) {
            text = list->currentText();
            needed = metrics.horizontalAdvance(text) + 24; // and the arrow
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(child); frame != nullptr) {
            text = frame->title();
            needed = metrics.horizontalAdvance(text) + 16; // the caption's indent
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(child); tabs != nullptr) {
            for (int i = 0; i < tabs->count(); ++i) {
                EXPECT_LE(metrics.horizontalAdvance(tabs->tabText(i)), tabs->tabRect(i).width())
                    << control << ": " << tabs->tabText(i).toStdString();
            }
        }
        if (const auto* label = qobject_cast<const QLabel*>(child); label != nullptr && label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << control << ": " << label->text().toStdString();
        }
        EXPECT_LE(needed, room) << control << ": " << text.toStdString();
    }
}

/// Shows the window as the user sees it and checks that nothing shown is cut off or reaches outside it
/// (with VEK_SCREENSHOTS naming a folder, a picture of it is saved there as `name`.png).
inline void expectWholeOnScreen(QWidget& window, const QString& name) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    expectNothingCutOff(window, name);
    window.hide();
}

} // namespace vek::test
