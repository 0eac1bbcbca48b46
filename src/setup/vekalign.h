#pragma once

#include "setup/leagueworkingcopy.h"
#include "widgets/poolwindow.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace vek {

/// The league editor ("VEK Alignment"): the teams of the eight divisions with their full names and
/// abbreviations, edited in a working copy. OK rebuilds the league, carries every stored team code to
/// its team's new code and rewrites the files that hold codes; Cancel and the close box change nothing.
/// The main window owns the single instance through the window host.
class vekalign final : public PoolWindow {
    Q_OBJECT
public:
    static constexpr int LogoPlaces = LeagueWorkingCopy::MaxDivisionTeams;

    explicit vekalign(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    [[nodiscard]] const LeagueWorkingCopy& workingCopy() const { return m_copy; }

protected:
    void loadWindow() override;

private:
    /// One division's page: its two lists and three buttons.
    struct DivisionPage {
        QListWidget* fullList = nullptr;
        QListWidget* abbrList = nullptr;
        QPushButton* add = nullptr;
        QPushButton* edit = nullptr;
        QPushButton* remove = nullptr;
    };

    void buildControls();
    void buildLayout();
    void connectControls();

    void fillDivision(int division);
    void ShowDivisionLogos();
    void SetTeamInputLabels();
    void showTotal();
    void afterChange();
    /// The selected row of a division, with both lists made to agree on it; -1 when none is selected.
    int agreeOnSelection(int division);

    void addClicked(int division);
    void editClicked(int division);
    void deleteClicked(int division);
    void SaveLeagueAlignment();

    LeagueWorkingCopy m_copy;
    Table<DivisionPage, Divisions> m_pages{};

    QTabWidget* tabAlign = nullptr;
    QButtonGroup* m_tabRows = nullptr; // the tabs of tabAlign, in two rows
    Table<QLabel*, LogoPlaces> picLogo{};
    QLabel* flabel = nullptr;
    QLineEdit* fnameInput = nullptr;
    QLabel* alabel = nullptr;
    QLineEdit* anameInput = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* totalTeams = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace vek
