#pragma once

#include "support/controls.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"
#include "widgets/poolwindow.h"

#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace vek::test {

/// Moves the pointer onto a control, as the help lines need it.
inline void hover(QWidget* widget) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(widget, &enter);
}

} // namespace vek::test
