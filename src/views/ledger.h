#pragma once

#include "views/standingsfigures.h"
#include "widgets/poolwindow.h"

#include <array>

class QLabel;
class QPushButton;

namespace vek {

class UpDown;

/// The points ledger: for one event column at a time every member's balance, 30 members a page in two
/// columns of 15. Each opening rebuilds the season's scoring and starts on the first page and "Season".
///
/// The page's boxes carry their line after the name: `MemBox0`..`MemBox29`, `BalBox0`..`BalBox29`.
class Ledger final : public PoolWindow {
    Q_OBJECT
public:
    static constexpr int PageLines = LedgerPageSize;

    explicit Ledger(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;

private:
    void buildControls();
    void ShowLedgerPage();
    void cmdMemGroupClicked();

    std::array<QLabel*, PageLines> MemBox{};
    std::array<QLabel*, PageLines> BalBox{};
    QLabel* EventBox = nullptr;
    UpDown* EventSpin = nullptr;
    QPushButton* cmdMemGroup = nullptr;
    QPushButton* cmdOk = nullptr;

    int eventIndex = 0;
    LedgerPage page;
};

} // namespace vek
