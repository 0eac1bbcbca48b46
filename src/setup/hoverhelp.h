#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QWidget;

namespace vek {

/// The help line of a setup window: while the pointer moves over a control or frame, the line shows
/// that control's text, which stays until another replaces it. A control's text wins over the frame it
/// sits in. Owned by the window.
class HoverHelp final : public QObject {
    Q_OBJECT
public:
    HoverHelp(QLabel* line, QObject* parent);

    /// The text is asked for each time, so it can follow the window's state.
    void add(QWidget* target, std::function<QString()> text);
    void add(QWidget* target, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_line;
    std::vector<std::pair<QObject*, std::function<QString()>>> m_texts;
};

} // namespace vek
