#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include "support/windowfit.h"

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

} // namespace vek::test
