#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

/// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vek::test {

/// The controls of a shown window whose text does not fit its width: labels, buttons and frame
/// captions, each named with its text. Empty when nothing is cut off.
inline QStringList cutOffTexts(const QWidget& window) {
    QStringList cut;
    const auto check = [&](const QWidget* w, const QString& text, int room) {
        if (w->isVisibleTo(&window) && !text.isEmpty() && w->fontMetrics().horizontalAdvance(text) > room) {
            cut << w->objectName() + QStringLiteral(" \"") + text + QLatin1Char('"');
        }
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            continue; // a wrapping text takes the lines it needs
        }
        check(label, label->text(), label->contentsRect().width() - std::max(label->indent(), 0));
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        check(button, button->text(), button->width() - 4);
    }
    for (const QGroupBox* frame : window.findChildren<QGroupBox*>()) {
        check(frame, frame->title(), frame->width() - 12);
    }
    return cut;
}

/// Shows the window as the user sees it, checks that no text is cut off and saves a picture of it to
/// the folder VEK_SCREENSHOTS names (or "vek-view-screens" in the temporary folder) to look at.
inline void expectWholeAndShoot(QWidget& window, const QString& name) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The layouts settle on the event loop after a change of what is shown.
    QCoreApplication::sendPostedEvents();
    window.layout()->activate();
    const QStringList cut = cutOffTexts(window);
    EXPECT_TRUE(cut.isEmpty()) << name.toStdString() << ": " << cut.join(QStringLiteral(", ")).toStdString();
    QString folder = qEnvironmentVariable("VEK_SCREENSHOTS");
    if (folder.isEmpty()) {
        folder = QDir::temp().filePath(QStringLiteral("vek-view-screens"));
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png"))));
    window.hide();
}

} // namespace vek::test
