#include "setup/memberlistdraft.h"

#include "model/datafolder.h"
#include "model/membersfile.h"
#include "model/pooldata.h"

namespace vek {

namespace {

// What a quoted text of the members file cannot hold.
bool unstorable(QChar c) {
    return c == QLatin1Char('"') || c.category() == QChar::Other_Control;
}

} // namespace

FilteredName filterMemberName(const QString& typed) {
    FilteredName out;
    out.text.reserve(typed.size());
    for (const QChar c : typed) {
        const char16_t u = c.unicode();
        if (u == u'.') {
            out.text += QLatin1Char('-');
            out.changed = true;
        } else if (u == u' ') {
            out.text += QLatin1Char('_');
            out.changed = true;
        } else if (u == u'/' || u == u'\\' || unstorable(c)) {
            out.changed = true;
        } else {
            out.text += c;
        }
    }
    return out;
}

FilteredName filterMemberEmail(const QString& typed) {
    FilteredName out;
    for (const QChar c : typed) {
        if (unstorable(c)) {
            out.changed = true;
        } else {
            out.text += c;
        }
    }
    return out;
}

void MemberListDraft::load(const PoolData& pool) {
    m_entries.clear();
    const int members = pool.memberCount();
    for (int member = 0; member < members; ++member) {
        m_entries.push_back(
            {pool.memberName[member], pool.memberEmail[member], member, pool.memberName[member]});
    }
    m_defaultIndex = members > 0 ? pool.defaultMemberIndex() : -1;
    m_loadedCount = members;
    m_editIndex = -1;
}

int MemberListDraft::collision(const QString& name, int except) const {
    // Names as OK will write them, since those name the files from then on.
    const QString stored = storedMemberText(name);
    for (int i = 0; i < count(); ++i) {
        if (i != except && sameMemberFiles(storedMemberText(at(i).name), stored)) {
            return i;
        }
    }
    return -1;
}

MemberListDraft::AddOutcome MemberListDraft::add(const QString& name, const QString& email) {
    if (name.isEmpty() || !canAdd()) {
        return {};
    }
    const int match = collision(name, m_editIndex);
    if (match != -1) {
        return {AddResult::Duplicate, at(match).name};
    }
    if (m_editIndex == -1) {
        m_entries.push_back({name, email, -1, {}});
        return {AddResult::Added, {}};
    }
    Entry& entry = at(m_editIndex);
    if (entry.name == name && entry.email == email) {
        return {AddResult::Unchanged, {}};
    }
    entry.name = name;
    entry.email = email;
    m_editIndex = -1;
    return {AddResult::Stored, {}};
}

bool MemberListDraft::edit(int index) {
    if (index < 0 || index >= count()) {
        return false;
    }
    m_editIndex = index;
    return true;
}

bool MemberListDraft::remove(int index) {
    if (index < 0 || index >= count()) {
        return false;
    }
    m_entries.erase(m_entries.begin() + index);
    // The default member follows its entry; when it is the one removed, none is chosen.
    if (m_defaultIndex == index) {
        m_defaultIndex = -1;
    } else if (m_defaultIndex > index) {
        --m_defaultIndex;
    }
    m_editIndex = -1;
    return true;
}

void MemberListDraft::clear() {
    m_entries.clear();
    m_defaultIndex = -1;
    m_editIndex = -1;
}

void MemberListDraft::chooseDefault(int index) {
    m_defaultIndex = index >= 0 && index < count() ? index : -1;
}

QStringList MemberListDraft::names() const {
    QStringList list;
    for (const Entry& entry : m_entries) {
        list << entry.name;
    }
    return list;
}

QStringList MemberListDraft::emails() const {
    QStringList list;
    for (const Entry& entry : m_entries) {
        list << entry.email;
    }
    return list;
}

MemberList MemberListDraft::list() const {
    MemberList list;
    list.numMembers = static_cast<int16_t>(count());
    for (int i = 0; i < count(); ++i) {
        list.memberName[i] = storedMemberText(at(i).name);
        list.memberEmail[i] = storedMemberText(at(i).email);
    }
    list.defaultMember = static_cast<int16_t>(savedDefault());
    return list;
}

std::vector<MemberRename> MemberListDraft::renames() const {
    std::vector<MemberRename> list;
    for (int i = 0; i < count(); ++i) {
        const Entry& entry = at(i);
        // A name read from a file edited by hand may be written otherwise than it was read.
        const QString written = storedMemberText(entry.name);
        if (entry.loadedAs >= 0 && memberFileStem(entry.loadedName) != memberFileStem(written)) {
            list.push_back({i, entry.loadedName, written});
        }
    }
    return list;
}

MemberListChange MemberListDraft::change() const {
    MemberListChange change{list(), renames(), {}};
    for (int i = 0; i < count(); ++i) {
        if (at(i).loadedAs < 0) {
            change.added.push_back(i);
        }
    }
    return change;
}

} // namespace vek
