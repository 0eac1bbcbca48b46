#pragma once

#include "model/pooldata.h"
#include "widgets/poolwindow.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;

namespace vek {

/// The pick comparison window: the members' picks of one week side by side, one column per member and
/// one row per game, as differences from a reference member (`entryMode` 0) or as correct picks against
/// the results (1); a second view lays the post-season predictions side by side. Twelve member columns
/// at a time, scrolled through the members. It only reads the shared data model. The main window sets
/// its caption and the title of the totals row before showing it; each opening starts afresh.
///
/// Controls carry the names of their arrays with the index appended: `nameBox0`..`nameBox11`,
/// `totalsBox0`.., `awayBox0`..`awayBox18`, `homeBox0`.., and the cells `pickBox<row>_<column>`.
class CompareDiffs final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DesignerCaption = QStringLiteral("Compare Differences");
    static inline const QString DesignerTotalsTitle = QStringLiteral("Total Differences");
    static constexpr int Columns = 12;
    static constexpr int GridRows = GameSlots; // as many game rows as a week can have
    static constexpr int PostSeasonRows = PostSeasonSlots;

    explicit CompareDiffs(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    [[nodiscard]] QLabel* totTypeBox() const { return m_totTypeBox; }

protected:
    void loadWindow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct MemberColumn {
        QPushButton* nameBox = nullptr; // header; a click chooses the reference member
        QLabel* totalsBox = nullptr;
    };
    struct GameRow {
        QLabel* awayBox = nullptr;
        QLabel* homeBox = nullptr;
        std::array<QLabel*, Columns> pickBox{};
    };

    void buildControls();
    /// Fits the grid to the opening's member columns and game rows.
    void sizeGrid();

    void ShowWeekDiffs(int mode);
    void ShowPostSeasonDiffs(int mode);
    void repaintShownView();
    void paintHeaders();
    void paintWeekRows(int mode, int games);
    void showRows(int shown);

    void scrWeekChanged(int value);
    void memScrollChanged(int value);
    void cmdPostSeasonClicked();
    void nameBoxClicked(int column);
    void cmdOkClicked();

    [[nodiscard]] QString abbr(int code) const;
    [[nodiscard]] int weekWinner(int game) const;

    std::array<MemberColumn, Columns> m_columns{};
    std::array<GameRow, GridRows> m_rows{};

    QLabel* m_totTypeBox = nullptr;
    QScrollBar* MemScroll = nullptr;
    QSpinBox* scrWeek = nullptr;
    QLabel* weekBox = nullptr;
    QCheckBox* chkMonday = nullptr;
    QLabel* desBox = nullptr;
    QPushButton* cmdPostSeason = nullptr;
    QPushButton* cmdOk = nullptr;

    // State of one opening.
    int m_week = 0;
    int m_refMember = 0;
    bool m_rowsBuilt = false;
    bool m_postSeasonShown = false;
    int m_firstMember = 0;
    int m_cols = 0;     // member columns in use: the smaller of the member count and 12
    int m_gridRows = 0; // game rows in use: the week grid's slots, at least the post-season's 13
    std::array<int, Columns> m_totals{};
};

} // namespace vek
