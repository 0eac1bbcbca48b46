#pragma once

#include "model/pooldata.h"
#include "widgets/poolwindow.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vek {

/// The post-season entry window: one member's post-season predictions (`entryMode` 0, the member
/// `currentMember`) or the actual post-season outcome (any other mode): four division winners and two
/// wild cards per conference and the Big Game winner. It changes the shared tables only on OK and writes
/// no file; the weekly entry window opens it, sets its caption and saves what it changed. Its load gives
/// the result slots their default seeds, which stay even when the window is cancelled.
class PSResultsPredict final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DesignerCaption = QStringLiteral("VEK Post Season Results");
    static inline const QString NoneEntry = QStringLiteral("(none)");

    explicit PSResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// One post-season slot's list and the range of team codes it offers: entry i >= 1 stands for
    /// team code first + i - 1.
    struct SlotList {
        QComboBox* list = nullptr;
        int first = 0;
        int last = -1;        // below first: the list offers no team
        bool changed = false; // the user chose an entry since the load
    };

    void buildControls();
    void fillLists();
    /// Selects each shown list's entry for the stored value; returns the names of the slots whose
    /// stored team lies outside their list.
    [[nodiscard]] QStringList positionLists(bool results);
    void giveDefaultSeeds();
    void cmdOkClicked();
    [[nodiscard]] int16_t storedValue(int slot, bool results) const;
    [[nodiscard]] int member() const;

    std::array<SlotList, PostSeasonSlots> m_slots{};

    QGroupBox* frmConf1 = nullptr;
    QGroupBox* frmConf2 = nullptr;
    QGroupBox* frmChamp = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace vek
