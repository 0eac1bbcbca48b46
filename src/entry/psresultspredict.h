#pragma once

#include "app/poolwindow.h"

namespace vek {

/// The post-season window: a member's post-season picks or the post-season results, as `entryMode`
/// says. Only its frame so far: the weekly entry window sets its caption and shows it; OK accepts,
/// Cancel rejects.
class PSResultsPredict final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DesignerCaption = QStringLiteral("VEK Post Season Results");

    explicit PSResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;
};

} // namespace vek
