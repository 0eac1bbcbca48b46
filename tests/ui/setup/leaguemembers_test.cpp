// The member list editor: adding, editing, deleting and clearing through its controls, the duplicate
// message, the name box's filter for typed and pasted text, the member limit, OK and Cancel, a refused
// rename, and a list of 121 long names that can be read.
#include "setup/leaguemembers.h"
#include "setupwindows.h"
#include "support/filetext.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vek {
namespace {

class LeagueMembersTest : public ::testing::Test {
protected:
    LeagueMembersTest() {
        test::fillSamplePool(h.pool(), {QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones")}, 3);
        test::writeAllFiles(h.temp.folder(), h.pool());
        QObject::connect(&h.session, &PoolSession::mainButtonsRefreshRequested, [this] { ++refreshes; });
    }
    LeagueMembers& open() {
        LeagueMembers& window = h.host.window<LeagueMembers>();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
    QWidget& window() { return *h.host.existing<LeagueMembers>(); }
    QLineEdit* box(const char* name) { return test::control<QLineEdit>(window(), QString::fromLatin1(name)); }
    QPushButton* button(const char* name) {
        return test::control<QPushButton>(window(), QString::fromLatin1(name));
    }
    QListWidget* names() { return test::control<QListWidget>(window(), QStringLiteral("nameList")); }
    QStringList listed(const char* list) {
        QStringList texts;
        auto* widget = test::control<QListWidget>(window(), QString::fromLatin1(list));
        for (int i = 0; i < widget->count(); ++i) {
            texts << widget->item(i)->text();
        }
        return texts;
    }
    QString count() { return test::control<QLabel>(window(), QStringLiteral("nolmPanel"))->text(); }
    void type(const char* name, const QString& text) {
        box(name)->clear();
        QTest::keyClicks(box(name), text);
    }
    void add(const QString& name, const QString& email = {}) {
        type("nameInput", name);
        type("emailInput", email);
        button("cmdAdd")->click();
    }

    test::UiHarness h;
    int refreshes = 0;
};

TEST_F(LeagueMembersTest, TheButtonsWorkOnTheListsAndOkSavesThem) {
    open();
    EXPECT_EQ(listed("nameList"), (QStringList{"Margaret Smith", "Bob Jones"}));
    EXPECT_EQ(count(), QStringLiteral("2"));

    add(QStringLiteral("Carla Castillo"), QStringLiteral("carla@example.org"));
    type("nameInput", QStringLiteral("Dora Diaz"));
    QTest::keyClick(box("nameInput"), Qt::Key_Return); // Enter adds too
    // A blank typed in the name box is an underscore.
    EXPECT_EQ(listed("nameList"),
              (QStringList{"Margaret Smith", "Bob Jones", "Carla_Castillo", "Dora_Diaz"}));
    EXPECT_EQ(listed("emailList"),
              (QStringList{"member0@example.org", "member1@example.org", "carla@example.org", ""}));
    EXPECT_EQ(count(), QStringLiteral("4"));
    EXPECT_TRUE(box("nameInput")->text().isEmpty());

    names()->setCurrentRow(1);
    EXPECT_EQ(test::control<QListWidget>(window(), QStringLiteral("emailList"))->currentRow(), 1);
    button("cmdEdit")->click();
    EXPECT_EQ(box("nameInput")->text(), QStringLiteral("Bob Jones"));
    EXPECT_EQ(box("emailInput")->text(), QStringLiteral("member1@example.org"));
    type("emailInput", QStringLiteral("bob@example.org"));
    button("cmdAdd")->click();
    EXPECT_EQ(listed("emailList")[1], QStringLiteral("bob@example.org"));

    names()->setCurrentRow(0);
    button("cmdDelete")->click();
    button("cmdDelete")->click(); // nothing is selected any more
    auto* defaults = test::control<QComboBox>(window(), QStringLiteral("defmemList"));
    defaults->setCurrentIndex(2);
    emit defaults->activated(2);
    EXPECT_EQ(h.pool().numMembers, 2); // the shared tables wait for OK

    button("cmdOk")->click();
    EXPECT_FALSE(static_cast<LeagueMembers&>(window()).isLoaded());
    EXPECT_EQ(test::fileLines(h.temp.read(QStringLiteral("members.dat"))),
              (QList<QByteArray>{"3", "\"Bob Jones\"", "\"bob@example.org\"", "\"Carla_Castillo\"",
                                 "\"carla@example.org\"", "\"Dora_Diaz\"", "\"\"", "2"}));
    EXPECT_EQ(h.pool().numMembers, 3);
    EXPECT_EQ(h.pool().memberName[0], QStringLiteral("Bob Jones"));
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(h.messages.requests.empty());
}

TEST_F(LeagueMembersTest, ASecondMemberWithTheSameFirst8CharactersIsRefused) {
    open();
    add(QStringLiteral("Margaret Smythe"));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    const auto& request = h.messages.requests[0];
    EXPECT_EQ(request.text,
              QStringLiteral("Margaret_Smythe\n and \nMargaret Smith\nare identical or have the same "
                             "first 8 characters.\nYou need to change current choice"));
    EXPECT_EQ(request.icon, Messages::Icon::Information);
    EXPECT_EQ(request.title, QStringLiteral("Kestrelmoor - VEK Football Pool Message"));
    EXPECT_TRUE(box("nameInput")->text().isEmpty());
    EXPECT_EQ(count(), QStringLiteral("2"));

    add(QStringLiteral("MARGARET")); // the same files, whatever the case
    ASSERT_EQ(h.messages.requests.size(), 2U);
    EXPECT_TRUE(h.messages.requests[1].text.startsWith(QStringLiteral("MARGARET\n and \nMargaret Smith\n")));

    // An edit that would take another member's files stays pending after the same message; the texts
    // Edit puts in are selected, so typing replaces them.
    names()->setCurrentRow(1);
    button("cmdEdit")->click();
    QTest::keyClicks(box("nameInput"), QStringLiteral("margaret"));
    QTest::keyClicks(box("emailInput"), QStringLiteral("bob@example.org"));
    EXPECT_EQ(box("emailInput")->text(), QStringLiteral("bob@example.org"));
    button("cmdAdd")->click();
    EXPECT_EQ(h.messages.requests.size(), 3U);
    EXPECT_EQ(static_cast<LeagueMembers&>(window()).draft().editIndex(), 1);
    EXPECT_EQ(listed("nameList")[1], QStringLiteral("Bob Jones"));
}

TEST_F(LeagueMembersTest, TheNameBoxFiltersTypedAndPastedText) {
    open();
    type("nameInput", QStringLiteral("J. Smith"));
    EXPECT_EQ(box("nameInput")->text(), QStringLiteral("J-_Smith"));
    box("nameInput")->clear();
    box("nameInput")->insert(QStringLiteral("Ann/Lee \"Jr\"\\x")); // as a paste inserts it
    EXPECT_EQ(box("nameInput")->text(), QStringLiteral("AnnLee_Jrx"));
    box("nameInput")->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("Z.Y/X"));
    QTest::keyClick(box("nameInput"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box("nameInput")->text(), QStringLiteral("Z-YX"));
    // The address keeps full stops and blanks; only what the members file cannot hold is dropped.
    type("emailInput", QStringLiteral("a.b c\"d\"@example.org"));
    EXPECT_EQ(box("emailInput")->text(), QStringLiteral("a.b cd@example.org"));
}

TEST_F(LeagueMembersTest, AddingStopsAt121Members) {
    QStringList members;
    for (int m = 0; m < 120; ++m) {
        members << QStringLiteral("Member %1").arg(m, 3, 10, QLatin1Char('0'));
    }
    h.pool().numMembers = 0;
    test::addSampleMembers(h.pool(), members);
    open();
    add(QStringLiteral("Number 121"));
    EXPECT_EQ(count(), QStringLiteral("121"));
    EXPECT_FALSE(button("cmdAdd")->isEnabled());
    type("nameInput", QStringLiteral("Number 122"));
    QTest::keyClick(box("nameInput"), Qt::Key_Return);
    EXPECT_EQ(count(), QStringLiteral("121"));

    names()->setCurrentRow(3);
    button("cmdEdit")->click();
    EXPECT_TRUE(button("cmdAdd")->isEnabled()); // an edit can still be stored
    button("cmdClear")->click();
    EXPECT_EQ(count(), QStringLiteral("0"));
    EXPECT_TRUE(button("cmdAdd")->isEnabled());
}

TEST_F(LeagueMembersTest, CancelChangesNothingAndAFailedWriteKeepsTheWindowOpen) {
    const QByteArray membersDat = h.temp.read(QStringLiteral("members.dat"));
    LeagueMembers& members = open();
    add(QStringLiteral("Carla Castillo"));
    button("cmdCancel")->click();
    EXPECT_EQ(h.pool().numMembers, 2);
    EXPECT_EQ(h.temp.read(QStringLiteral("members.dat")), membersDat);

    open();
    EXPECT_EQ(count(), QStringLiteral("2")); // nothing of the cancelled opening survives
    button("cmdClear")->click();
    QDir(h.temp.path()).remove(QStringLiteral("members.dat"));
    ASSERT_TRUE(QDir(h.temp.path()).mkdir(QStringLiteral("members.dat")));
    button("cmdOk")->click();
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_TRUE(h.messages.requests[0].text.startsWith(QStringLiteral("members.dat could not be saved: ")));
    EXPECT_TRUE(members.isLoaded());
    EXPECT_EQ(h.pool().numMembers, 2);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(LeagueMembersTest, ARenameOntoFilesInTheFolderIsRefusedAndTheListStaysOpenForAnotherName) {
    h.temp.write(QStringLiteral("Robert_J.PRD"), "0\r\n");
    const QByteArray membersDat = h.temp.read(QStringLiteral("members.dat"));
    LeagueMembers& members = open();
    const auto renameSecondMember = [&](const QString& name) {
        names()->setCurrentRow(1);
        button("cmdEdit")->click();
        type("nameInput", name);
        button("cmdAdd")->click();
        button("cmdOk")->click();
    };
    renameSecondMember(QStringLiteral("Robert Jones"));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_EQ(h.messages.requests[0].text,
              LeagueMembers::RenameRefused + QStringLiteral("\nRobert_Jones (Bob Jones): Robert_J.PRD"));
    EXPECT_EQ(h.messages.requests[0].icon, Messages::Icon::Warning); // as every save that failed
    EXPECT_TRUE(members.isLoaded());
    EXPECT_EQ(listed("nameList"), (QStringList{"Margaret Smith", "Robert_Jones"}));
    EXPECT_EQ(h.temp.read(QStringLiteral("members.dat")), membersDat);
    EXPECT_TRUE(h.temp.exists(QStringLiteral("Bob Jone.PRD")));
    EXPECT_EQ(h.pool().memberName[1], QStringLiteral("Bob Jones"));
    EXPECT_EQ(refreshes, 0);

    // A member named for the first time has no former name to give.
    members.reject();
    h.pool().memberName[1].clear();
    h.temp.write(QStringLiteral("Ada003.PRD"), "0\r\n");
    open();
    renameSecondMember(QStringLiteral("Ada003"));
    ASSERT_EQ(h.messages.requests.size(), 2U);
    EXPECT_EQ(h.messages.requests[1].text,
              LeagueMembers::RenameRefused + QStringLiteral("\nAda003: Ada003.PRD"));
}

TEST_F(LeagueMembersTest, AListOf121LongNamesCanBeRead) {
    test::fillLargestPool(h.pool());
    LeagueMembers& members = open();
    names()->setCurrentRow(120);
    test::expectWholeOnScreen(members, QStringLiteral("leaguemembers"));
}

} // namespace
} // namespace vek
