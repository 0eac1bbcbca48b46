#pragma once

#include "setup/pooloptionsdraft.h"
#include "widgets/poolwindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vek {

class HoverHelp;

/// The pool options: how predictions are made, point spreads, confidence points and their range, the
/// Monday-night tie breaker and the event points system. Edits a working copy; OK renumbers the stored
/// confidence points when the range changes, writes the files and only then changes the shared
/// options; Cancel changes nothing.
class PoolProfile final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString Adjusting =
        QStringLiteral("Udjusting each member's confidence point values.");

    explicit PoolProfile(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    /// Stores the options through the session; a failed write is told to the user. Returns whether all
    /// was written.
    bool SavePoolProfile();

protected:
    void loadWindow() override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    void addHelpTexts();
    /// Shows the working copy's choices and which of them can be used.
    void showChoices();
    void cmdOkClicked();

    PoolOptionsDraft m_draft;
    HoverHelp* m_help = nullptr;

    QGroupBox* Frame1 = nullptr;
    QRadioButton* ssnOption = nullptr;
    QRadioButton* wkwOption = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* noPtsOption = nullptr;
    QRadioButton* yesPtsOption = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* noCpOption = nullptr;
    QRadioButton* yesCpOption = nullptr;
    QGroupBox* Frame4 = nullptr;
    QRadioButton* cp1Option = nullptr;
    QRadioButton* cp2Option = nullptr;
    QGroupBox* Frame5 = nullptr;
    QRadioButton* noneOption = nullptr;
    QRadioButton* mnanyOption = nullptr;
    QRadioButton* mnwoOption = nullptr;
    QGroupBox* Frame6 = nullptr;
    QRadioButton* ledgerOption = nullptr;
    QRadioButton* creditOption = nullptr;
    QCheckBox* splitCheck = nullptr;
    QLabel* lblInfo = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace vek
