#pragma once

#include "app/poolwindow.h"

class QLabel;

namespace vek {

/// The weekly entry window: picks, results or point spreads of one week, as `entryMode` says. Only its
/// frame so far. The main window may retitle it and hide the tie labels before showing it; the window
/// unloads itself when it closes, so every opening starts from its designer caption and labels.
class ResultsPredict final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DesignerCaption = QStringLiteral("VEK Results");

    explicit ResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    [[nodiscard]] QLabel* tieBox() const { return m_tieBox; }
    [[nodiscard]] QLabel* f3Box() const { return m_f3Box; }

protected:
    void loadWindow() override;

private:
    QLabel* m_tieBox = nullptr; // a click marks the selected game a tie
    QLabel* m_f3Box = nullptr;  // names the key that does the same
};

} // namespace vek
