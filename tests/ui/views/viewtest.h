#pragma once

#include "app/main.h"
#include "entry/entrycontrols.h"
#include "support/uiharness.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

#include <ostream>

/// Readable failures for texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace vek::test {

/// The colours the views paint with (RGB).
namespace colours {
inline const QColor Red{0xFF, 0, 0};
inline const QColor White{0xFF, 0xFF, 0xFF};
inline const QColor Black{0, 0, 0};
inline const QColor Blue{0, 0, 0xFF};
inline const QColor Navy{0, 0, 0x80};
} // namespace colours

/// Opens a view afresh, as the main window does after its previous opening was closed.
template <class W> W& reopen(UiHarness& h) {
    if (auto* loaded = h.host.existing<W>(); loaded != nullptr && loaded->isLoaded()) {
        loaded->done(QDialog::Accepted);
    }
    return h.host.window<W>();
}

/// A label's text.
inline QString labelText(const QWidget& window, const QString& name) {
    return control<QLabel>(window, name)->text();
}

/// A label's text, or "-" when it is hidden.
inline QString seenText(const QWidget& window, const QString& name) {
    const auto* label = control<QLabel>(window, name);
    return shown(label) ? label->text() : QStringLiteral("-");
}

/// Presses a button of the main window over the harness's pool and lets `look` see the window it
/// opens while it is on screen.
inline void lookFromMainWindow(UiHarness& h, const char* button, const std::function<void(QWidget&)>& look) {
    Main main{h.session, h.host};
    main.RefreshMainButtons();
    bool seen = false;
    h.modal.onShow = [&](QDialog& dialog) {
        seen = true;
        look(dialog);
    };
    main.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    EXPECT_TRUE(seen) << button;
    h.modal.onShow = nullptr;
}

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
