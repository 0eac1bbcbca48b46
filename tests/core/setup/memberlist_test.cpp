// The member list editor's rules without its window: adding, editing, deleting and clearing members,
// the duplicate rule on the first 8 characters, the name filter and which members change their files'
// names.
#include "setup/memberlistdraft.h"
#include "support/poolbuilder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using Result = MemberListDraft::AddResult;

MemberListDraft loaded(const QStringList& names, int defaultMember = 0) {
    auto pool = test::newPool();
    for (const QString& name : names) {
        pool->memberName[pool->numMembers] = name;
        pool->memberEmail[pool->numMembers] = name.toLower() + QStringLiteral("@example.org");
        ++pool->numMembers;
    }
    pool->defaultMember = static_cast<int16_t>(defaultMember);
    MemberListDraft draft;
    draft.load(*pool);
    return draft;
}

TEST(MemberList, NewNamesAreComparedOnTheirFirst8Characters) {
    struct Case {
        const char* existing;
        const char* typed;
        Result result;
    };
    const Case cases[] = {
        {"Smithsonian", "Smithson", Result::Duplicate}, // the same first 8 characters
        {"Smithson", "Smithsonian", Result::Duplicate},
        {"Bobby", "Bob", Result::Added},                   // shorter than 8 and only the start of the other
        {"Smithsonian", "SMITHSONIAN", Result::Duplicate}, // the folder finds files whatever their case
        {"Bob", "bob", Result::Duplicate},
        {"\u00c5sa_Berg", "\u00e5SA_bERGMAN", Result::Duplicate},
        {"Al \"Ace\" Smith", "Al 'Ace' Smithers", Result::Duplicate}, // the quote is written as ' by OK
        {"Anna", "", Result::Ignored},                                // an empty name
    };
    for (const Case& c : cases) {
        MemberListDraft draft = loaded({QString::fromUtf8(c.existing)});
        const auto outcome = draft.add(QString::fromUtf8(c.typed), QStringLiteral("x@example.org"));
        EXPECT_EQ(outcome.result, c.result) << c.existing << " / " << c.typed;
        EXPECT_EQ(draft.count(), c.result == Result::Added ? 2 : 1) << c.typed;
        if (c.result == Result::Duplicate) {
            EXPECT_EQ(outcome.match, QString::fromUtf8(c.existing));
        }
    }
}

TEST(MemberList, AnEditIsStoredOnlyWhenItChangesSomethingAndCollidesWithNoOtherMember) {
    struct Case {
        const char* name;
        const char* email;
        Result result;
        int editIndexAfter;
    };
    // Editing member 0 "Margaret Smith" (margaret smith@example.org) beside "Bob Jones".
    const Case cases[] = {
        {"Margaret Smith", "new@example.org", Result::Stored, -1},              // the address only
        {"Margaret Smith", "margaret smith@example.org", Result::Unchanged, 0}, // nothing changed
        {"Margaret Smythe", "margaret smith@example.org", Result::Stored, -1},  // after the 8th
        {"Maggie", "margaret smith@example.org", Result::Stored, -1},           // a new name
        {"Bob Jonesy", "margaret smith@example.org", Result::Duplicate, 0},     // another's files
        {"BOB JONES", "margaret smith@example.org", Result::Duplicate, 0},      // whatever their case
        {"MARGARET", "margaret smith@example.org", Result::Stored, -1},         // its own, in capitals
        {"", "new@example.org", Result::Ignored, 0},                            // refused
    };
    for (const Case& c : cases) {
        MemberListDraft draft = loaded({QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones")});
        ASSERT_TRUE(draft.edit(0));
        const auto outcome = draft.add(QString::fromUtf8(c.name), QString::fromUtf8(c.email));
        EXPECT_EQ(outcome.result, c.result) << c.name;
        EXPECT_EQ(draft.editIndex(), c.editIndexAfter) << c.name;
        EXPECT_EQ(draft.count(), 2);
        const bool stored = c.result == Result::Stored;
        EXPECT_EQ(draft.entries()[0].name,
                  stored ? QString::fromUtf8(c.name) : QStringLiteral("Margaret Smith"));
        EXPECT_EQ(draft.entries()[0].loadedAs, 0); // an edited member keeps its files' owner
    }
    MemberListDraft draft = loaded({QStringLiteral("Anna")});
    EXPECT_FALSE(draft.edit(1));
    EXPECT_FALSE(draft.edit(-1));
    EXPECT_EQ(draft.editIndex(), -1);
}

TEST(MemberList, AddingStopsAt121MembersWhileAnEditCanStillBeStored) {
    QStringList names;
    for (int i = 0; i < 120; ++i) {
        names << QStringLiteral("M%1").arg(i, 3, 10, QLatin1Char('0'));
    }
    MemberListDraft draft = loaded(names);
    EXPECT_TRUE(draft.canAdd());
    EXPECT_EQ(draft.add(QStringLiteral("Last one"), {}).result, Result::Added);
    EXPECT_EQ(draft.count(), MemberListDraft::Limit);
    EXPECT_FALSE(draft.canAdd());
    EXPECT_EQ(draft.add(QStringLiteral("One too many"), {}).result, Result::Ignored);
    EXPECT_EQ(draft.count(), 121);

    ASSERT_TRUE(draft.edit(5));
    EXPECT_TRUE(draft.canAdd());
    EXPECT_EQ(draft.add(QStringLiteral("Renamed"), {}).result, Result::Stored);
    EXPECT_FALSE(draft.canAdd());
    EXPECT_TRUE(draft.remove(0));
    EXPECT_TRUE(draft.canAdd());
}

TEST(MemberList, DeleteClosesUpTheListAndEndsAPendingEdit) {
    MemberListDraft draft =
        loaded({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}, 3);
    ASSERT_TRUE(draft.edit(3));
    EXPECT_TRUE(draft.remove(1));
    EXPECT_EQ(draft.names(), (QStringList{"A", "C", "D"}));
    EXPECT_EQ(draft.emails(), (QStringList{"a@example.org", "c@example.org", "d@example.org"}));
    EXPECT_EQ(draft.entries()[1].loadedAs, 2);
    EXPECT_EQ(draft.entries()[2].loadedAs, 3);
    EXPECT_EQ(draft.defaultIndex(), 2); // the default member follows its entry
    EXPECT_EQ(draft.editIndex(), -1);   // a later Add appends rather than storing over another member
    EXPECT_EQ(draft.add(QStringLiteral("E"), {}).result, Result::Added);
    EXPECT_EQ(draft.names(), (QStringList{"A", "C", "D", "E"}));
    EXPECT_EQ(draft.entries()[3].loadedAs, -1);

    EXPECT_TRUE(draft.remove(2)); // the default member itself: none chosen, member 0 when saved
    EXPECT_EQ(draft.defaultIndex(), -1);
    EXPECT_EQ(draft.savedDefault(), 0);
    EXPECT_FALSE(draft.remove(3));
    EXPECT_EQ(draft.loadedCount(), 4);

    ASSERT_TRUE(draft.edit(0));
    draft.clear();
    EXPECT_EQ(draft.count(), 0);
    EXPECT_EQ(draft.editIndex(), -1);
    EXPECT_EQ(draft.savedDefault(), 0);
    EXPECT_EQ(draft.add(QStringLiteral("Fresh"), {}).result, Result::Added);
}

TEST(MemberList, LoadingClampsTheDefaultMemberToTheList) {
    EXPECT_EQ(loaded({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, 7).defaultIndex(), 0);
    EXPECT_EQ(loaded({QStringLiteral("A"), QStringLiteral("B")}, 1).defaultIndex(), 1);
    EXPECT_EQ(loaded({}, 0).defaultIndex(), -1);
    MemberListDraft draft = loaded({QStringLiteral("A"), QStringLiteral("B")});
    draft.chooseDefault(5);
    EXPECT_EQ(draft.defaultIndex(), -1);
    draft.chooseDefault(1);
    EXPECT_EQ(draft.savedDefault(), 1);
}

TEST(MemberList, OnlyLoadedMembersWhoseFirst8CharactersChangedAreRenamed) {
    MemberListDraft draft = loaded(
        {QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones"), QStringLiteral("Carla Castillo")});
    ASSERT_TRUE(draft.edit(0));
    ASSERT_EQ(draft.add(QStringLiteral("Margaret Smythe"), {}).result, Result::Stored); // same stem
    ASSERT_TRUE(draft.edit(1));
    ASSERT_EQ(draft.add(QStringLiteral("Robert Jones"), {}).result, Result::Stored);
    ASSERT_TRUE(draft.remove(2));
    ASSERT_EQ(draft.add(QStringLiteral("Dora New"), {}).result, Result::Added);
    ASSERT_TRUE(draft.remove(0));
    const auto renames = draft.renames();
    ASSERT_EQ(renames.size(), 1U);
    EXPECT_EQ(renames[0].position, 0);
    EXPECT_EQ(renames[0].oldName, QStringLiteral("Bob Jones"));
    EXPECT_EQ(renames[0].newName, QStringLiteral("Robert Jones"));
}

TEST(MemberList, TheNameFilterReplacesAndDropsWhatCannotNameAFile) {
    struct Case {
        QString typed;
        QString text;
        bool changed;
    };
    const Case cases[] = {
        {QStringLiteral("Plain-Name_1"), QStringLiteral("Plain-Name_1"), false},
        {QStringLiteral("J. Smith"), QStringLiteral("J-_Smith"), true},
        {QStringLiteral("a/b\\c\"d"), QStringLiteral("abcd"), true},
        {QStringLiteral("tab\there\r\nx"), QStringLiteral("tabherex"), true},
        {QString::fromUtf8("Zoë Ångström"), QString::fromUtf8("Zoë_Ångström"), true},
    };
    for (const Case& c : cases) {
        const FilteredName filtered = filterMemberName(c.typed);
        EXPECT_EQ(filtered.text, c.text) << c.typed.toStdString();
        EXPECT_EQ(filtered.changed, c.changed) << c.typed.toStdString();
    }
    // An address keeps what names a file badly; the members file cannot hold a quote or a line break.
    EXPECT_EQ(filterMemberEmail(QStringLiteral("\"A. B\" <a/b@example.org>\r\n")).text,
              QStringLiteral("A. B <a/b@example.org>"));
    EXPECT_FALSE(filterMemberEmail(QStringLiteral("a.b c@example.org")).changed);
}

} // namespace
} // namespace vek
