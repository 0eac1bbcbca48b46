#pragma once

#include "app/poolwindow.h"

class QLabel;

namespace vek {

/// The pick comparison window: the members' picks of one week side by side, as differences from a
/// reference member or as correct picks. Only its frame so far. The main window sets its caption and
/// the title of the totals row before showing it; each opening starts from the designer texts.
class CompareDiffs final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DesignerCaption = QStringLiteral("Compare Differences");
    static inline const QString DesignerTotalsTitle = QStringLiteral("Total Differences");

    explicit CompareDiffs(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    [[nodiscard]] QLabel* totTypeBox() const { return m_totTypeBox; }

protected:
    void loadWindow() override;

private:
    QLabel* m_totTypeBox = nullptr; // the title of the totals row
};

} // namespace vek
