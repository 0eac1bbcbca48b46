#pragma once

#include "app/main.h"
#include "support/controls.h"
#include "support/uiharness.h"
#include "widgets/colours.h"

#include <QLabel>
#include <QPushButton>
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

} // namespace vek::test
