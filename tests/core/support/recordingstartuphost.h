#pragma once

#include "app/startup.h"

#include <QString>
#include <QStringList>

#include <map>

namespace vek::test {

/// A main window stand-in for the loading stages: records every message, the caption and the status-bar
/// panels, and the order in which they came (`events`, such as "message: ...", "caption: ...",
/// "panel 2: ...").
class RecordingStartupHost final : public StartupHost {
public:
    void showStartupMessage(const QString& text) override {
        messages << text;
        events << QStringLiteral("message: ") + text;
    }
    void setMainCaption(const QString& text) override {
        caption = text;
        events << QStringLiteral("caption: ") + text;
    }
    void setStatusPanel(int panel, const QString& text) override {
        panels[panel] = text;
        events << QStringLiteral("panel %1: %2").arg(panel).arg(text);
    }

    /// The text of a panel, or a null string when the stages never set it.
    [[nodiscard]] QString panel(int number) const {
        const auto it = panels.find(number);
        return it == panels.end() ? QString() : it->second;
    }

    QStringList messages;
    QString caption;
    std::map<int, QString> panels;
    QStringList events;
};

} // namespace vek::test
