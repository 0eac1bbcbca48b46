#pragma once

#include "session/memberchanges.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace vek {

struct PoolData;

/// A member name as the name box lets it through: "." becomes "-" and " " becomes "_"; "/", "\",
/// double quotes and control characters are dropped, since a name names the member's files and the
/// members file cannot hold a double quote.
struct FilteredName {
    QString text;
    bool changed = false; // something was replaced or dropped: the box beeps
};
[[nodiscard]] FilteredName filterMemberName(const QString& typed);
/// An e-mail address as the address box lets it through: double quotes and control characters, which
/// the members file cannot hold, are dropped.
[[nodiscard]] FilteredName filterMemberEmail(const QString& typed);

/// The member list editor's working copy: the members in list order, each with its e-mail address and
/// the member it was loaded as, the default member and the pending edit. The shared tables change only
/// when the list is saved; the editor window owns the draft and renews it each time it opens.
class MemberListDraft {
public:
    /// The tables hold this many members: Add stops here.
    static constexpr int Limit = 121;

    struct Entry {
        QString name;
        QString email;
        int loadedAs = -1;  // the member slot the entry was loaded from; -1 when added in this opening
        QString loadedName; // that member's name when it was loaded
    };

    enum class AddResult {
        Ignored,   // an empty name, or the list is full and no edit is pending
        Duplicate, // the name's first 8 characters are another member's, whatever their case: nothing stored
        Added,     // appended as a new member
        Stored,    // the pending edit was stored and ended
        Unchanged, // the pending edit holds what the entry holds: it stays pending
    };
    struct AddOutcome {
        AddResult result = AddResult::Ignored;
        QString match; // with Duplicate: the entry whose name collides
    };

    /// The members of the shared tables, the default member clamped to the list.
    void load(const PoolData& pool);

    [[nodiscard]] const std::vector<Entry>& entries() const { return m_entries; }
    [[nodiscard]] int count() const { return static_cast<int>(m_entries.size()); }
    [[nodiscard]] int loadedCount() const { return m_loadedCount; }
    /// The position being edited, -1 when none.
    [[nodiscard]] int editIndex() const { return m_editIndex; }
    /// The position chosen as default member, -1 when none is chosen.
    [[nodiscard]] int defaultIndex() const { return m_defaultIndex; }
    /// Whether Add (and Enter in the name box) can store: an edit is pending or the list has room.
    [[nodiscard]] bool canAdd() const { return m_editIndex != -1 || count() < Limit; }

    /// Add, or store the pending edit.
    AddOutcome add(const QString& name, const QString& email);
    /// Starts editing a position; false when there is no such entry.
    bool edit(int index);
    /// Removes a position and ends a pending edit; false when there is no such entry.
    bool remove(int index);
    /// Empties the list and ends a pending edit.
    void clear();
    void chooseDefault(int index);

    [[nodiscard]] QStringList names() const;
    [[nodiscard]] QStringList emails() const;
    /// The default member as saved: the chosen position, member 0 when none is chosen.
    [[nodiscard]] int savedDefault() const { return m_defaultIndex < 0 ? 0 : m_defaultIndex; }

    /// The list as OK saves it: each name and address as members.dat holds it once written.
    [[nodiscard]] MemberList list() const;
    /// The loaded members whose files take another name: the first 8 characters of the name as written
    /// differ from the name's as loaded (in case alone, too).
    [[nodiscard]] std::vector<MemberRename> renames() const;
    /// What OK saves: the list, the renames and the members added in this opening.
    [[nodiscard]] MemberListChange change() const;

private:
    /// The entry whose first 8 characters equal the name's whatever their case, other than `except`;
    /// -1 when none.
    [[nodiscard]] int collision(const QString& name, int except) const;

    [[nodiscard]] Entry& at(int index) { return vek::at(m_entries, index); }
    [[nodiscard]] const Entry& at(int index) const { return vek::at(m_entries, index); }

    std::vector<Entry> m_entries;
    int m_loadedCount = 0;
    int m_editIndex = -1;
    int m_defaultIndex = -1;
};

} // namespace vek
