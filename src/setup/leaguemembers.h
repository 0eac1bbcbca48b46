#pragma once

#include "setup/memberlistdraft.h"
#include "widgets/poolwindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vek {

/// The member list editor: names, e-mail addresses, the order of the members and the default member.
/// Edits a working copy; OK writes members.dat, moves renamed members' files along, and only then puts
/// the list into the shared tables and reads every member's predictions again; Cancel changes nothing.
class LeagueMembers final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DuplicateEnd =
        QStringLiteral("are identical or have the same first 8 characters.");
    static inline const QString DuplicateAdvice = QStringLiteral("You need to change current choice");
    static inline const QString KeptFiles =
        QStringLiteral("These members' predictions stay in the files of their former names, because another "
                       "member uses the former name:");
    static inline const QString RenameRefused =
        QStringLiteral("These members cannot take their new names: files of those names are already in the "
                       "folder, and the members would read them in place of their own predictions. Nothing "
                       "was saved. Choose other names for them:");

    explicit LeagueMembers(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    /// Saves the list through the session and tells the user what could not be done. Returns whether
    /// members.dat was written; when not, the working copy stays as it was.
    bool SaveMembers();

    [[nodiscard]] const MemberListDraft& draft() const { return m_draft; }

protected:
    void loadWindow() override;

private:
    void buildControls();
    void buildLayout();
    void connectControls();
    /// The three lists, the count and Add's state from the working copy; the selected row stays selected
    /// when asked to.
    void showList(bool keepSelection = true);
    void emptyInputs();

    void cmdAddClicked();
    void cmdEditClicked();
    void cmdDeleteClicked();
    void cmdClearClicked();
    void cmdOkClicked();

    MemberListDraft m_draft;

    QLineEdit* nameInput = nullptr;
    QLineEdit* emailInput = nullptr;
    QListWidget* nameList = nullptr;
    QListWidget* emailList = nullptr;
    QComboBox* defmemList = nullptr;
    QLabel* nolmPanel = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace vek
