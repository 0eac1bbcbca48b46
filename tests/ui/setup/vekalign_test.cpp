// The league editor's wiring: the division pages, Add, Edit and Delete, the refused entries, the logos,
// OK with its question about deleted teams, Cancel, and how it looks with the largest league.
#include "leaguescreens.h"
#include "session/poolsession.h"
#include "setup/vekalign.h"
#include "support/controls.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"
#include "widgets/teampictures.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace vek {
namespace {

using Answer = Messages::Answer;

class VekAlignTest : public ::testing::Test {
protected:
    VekAlignTest() {
        test::fillSamplePool(h.pool(), {QStringLiteral("Margaret Smith")}, 2);
        test::writeAllFiles(h.temp.folder(), h.pool());
    }

    vekalign& open() {
        vekalign& window = h.host.window<vekalign>();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
    vekalign& editor() { return *h.host.existing<vekalign>(); }
    template <class W> W* find(const QString& name) {
        auto* found = editor().findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QListWidget* list(const QString& name) { return find<QListWidget>(name); }
    QPushButton* button(const QString& name) { return find<QPushButton>(name); }
    QLineEdit* input(const QString& name) { return find<QLineEdit>(name); }
    QLabel* label(const QString& name) { return find<QLabel>(name); }
    QStringList rows(const QString& name) {
        QStringList texts;
        for (int row = 0; row < list(name)->count(); ++row) {
            texts << list(name)->item(row)->text();
        }
        return texts;
    }
    void typeTeam(const QString& full, const QString& abbr) {
        input(QStringLiteral("fnameInput"))->setText(full);
        input(QStringLiteral("anameInput"))->setText(abbr);
    }
    void tab(int division) { find<QTabWidget>(QStringLiteral("tabAlign"))->setCurrentIndex(division); }

    test::UiHarness h;
};

TEST_F(VekAlignTest, LoadShowsTheDivisionsTotalAndLogos) {
    open();
    EXPECT_EQ(editor().windowTitle(), QStringLiteral("VEK Alignment"));
    EXPECT_EQ(rows(QStringLiteral("anfcwList")), (QStringList{"T13", "T14", "T15", "T16"}));
    EXPECT_EQ(rows(QStringLiteral("fafcwList")).last(), QStringLiteral("Team 32"));
    EXPECT_EQ(label(QStringLiteral("totalTeams"))->text(), QStringLiteral("32"));
    EXPECT_EQ(label(QStringLiteral("flabel"))->text(), QStringLiteral("Enter full name of team"));
    EXPECT_EQ(label(QStringLiteral("alabel"))->text(), QStringLiteral("Enter abbreviated name"));
    EXPECT_TRUE(label(QStringLiteral("picLogo3"))->isVisible());
    EXPECT_FALSE(label(QStringLiteral("picLogo4"))->isVisible());
    const QImage shown = label(QStringLiteral("picLogo1"))->pixmap().toImage();
    EXPECT_EQ(shown, TeamPictures::ofTeam(h.pool(), 1).toImage());

    tab(6);
    EXPECT_EQ(label(QStringLiteral("picLogo0"))->pixmap().toImage(),
              TeamPictures::ofTeam(h.pool(), 24).toImage());
}

TEST_F(VekAlignTest, AddEditDeleteAndTheRowsOfBothLists) {
    open();
    tab(3);
    typeTeam(QStringLiteral("Lakeside Mariners"), QStringLiteral("LAK"));
    button(QStringLiteral("nfcwAdd"))->click();
    EXPECT_EQ(rows(QStringLiteral("anfcwList")).last(), QStringLiteral("LAK"));
    EXPECT_EQ(rows(QStringLiteral("anfcsList")).size(), 4);
    EXPECT_EQ(label(QStringLiteral("totalTeams"))->text(), QStringLiteral("33"));
    EXPECT_TRUE(input(QStringLiteral("fnameInput"))->text().isEmpty());

    // An empty box refuses the commit and keeps what was typed.
    typeTeam(QStringLiteral("Half Typed"), QString());
    button(QStringLiteral("nfcwAdd"))->click();
    EXPECT_EQ(label(QStringLiteral("lblInfo"))->text(),
              QStringLiteral("You need to fill in both full and abbreviatd names."));
    EXPECT_EQ(input(QStringLiteral("fnameInput"))->text(), QStringLiteral("Half Typed"));

    // A click on an abbreviation selects its full name; Edit then Add replaces that row.
    list(QStringLiteral("anfcwList"))->setCurrentRow(1);
    EXPECT_EQ(list(QStringLiteral("fnfcwList"))->currentRow(), 1);
    button(QStringLiteral("nfcwEdit"))->click();
    EXPECT_EQ(input(QStringLiteral("fnameInput"))->text(), QStringLiteral("Team 14"));
    // The texts Edit puts in are selected: typing replaces them.
    QTest::keyClicks(input(QStringLiteral("fnameInput")), QStringLiteral("Team 14 Renamed"));
    QTest::keyClicks(input(QStringLiteral("anameInput")), QStringLiteral("T14R"));
    EXPECT_EQ(input(QStringLiteral("anameInput"))->text(), QStringLiteral("T14R"));
    button(QStringLiteral("nfcwAdd"))->click();
    EXPECT_EQ(rows(QStringLiteral("fnfcwList"))[1], QStringLiteral("Team 14 Renamed"));
    EXPECT_EQ(rows(QStringLiteral("fnfcwList")).size(), 5);
    EXPECT_TRUE(label(QStringLiteral("lblInfo"))->text().isEmpty());

    // An edit armed on one page does not follow to another.
    list(QStringLiteral("fnfcwList"))->setCurrentRow(0);
    button(QStringLiteral("nfcwEdit"))->click();
    tab(5);
    typeTeam(QStringLiteral("Northside"), QStringLiteral("NOR"));
    button(QStringLiteral("afcnAdd"))->click();
    EXPECT_EQ(rows(QStringLiteral("fnfcwList"))[0], QStringLiteral("Team 13"));
    EXPECT_EQ(rows(QStringLiteral("aafcnList")).last(), QStringLiteral("NOR"));

    list(QStringLiteral("fafcnList"))->setCurrentRow(0);
    button(QStringLiteral("afcnDelete"))->click();
    EXPECT_EQ(rows(QStringLiteral("aafcnList")).first(), QStringLiteral("T22"));
    EXPECT_EQ(label(QStringLiteral("totalTeams"))->text(), QStringLiteral("33"));

    // A full division refuses another team.
    typeTeam(QStringLiteral("Sixth"), QStringLiteral("SIX"));
    button(QStringLiteral("nfcwAdd"))->click();
    typeTeam(QStringLiteral("Seventh"), QStringLiteral("SEV"));
    button(QStringLiteral("nfcwAdd"))->click();
    EXPECT_EQ(label(QStringLiteral("lblInfo"))->text(), LeagueWorkingCopy::DivisionFull);
    EXPECT_EQ(rows(QStringLiteral("fnfcwList")).size(), 6);
}

TEST_F(VekAlignTest, QuotesAndControlCharactersCannotBeTypedOrPasted) {
    open();
    QLineEdit* full = input(QStringLiteral("fnameInput"));
    full->setFocus();
    QTest::keyClicks(full, QStringLiteral("Ab\"c"));
    EXPECT_EQ(full->text(), QStringLiteral("Abc"));
    QGuiApplication::clipboard()->setText(QStringLiteral("two\nlines"));
    full->paste();
    EXPECT_EQ(full->text(), QStringLiteral("Abc"));
    QGuiApplication::clipboard()->setText(QStringLiteral(" Town"));
    full->paste();
    EXPECT_EQ(full->text(), QStringLiteral("Abc Town"));
}

TEST_F(VekAlignTest, OkAsksAboutDeletedTeamsInUseThenRewritesTheLeague) {
    open();
    tab(2);
    list(QStringLiteral("fnfcsList"))->setCurrentRow(0);
    button(QStringLiteral("nfcsDelete"))->click();

    const QByteArray league = h.temp.read(QStringLiteral("vek.dat"));
    h.messages.answers = {Answer::No};
    button(QStringLiteral("cmdOK"))->click();
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_EQ(h.messages.requests[0].text, DeletedTeamsQuestion);
    EXPECT_EQ(h.messages.requests[0].defaultAnswer, Answer::No);
    EXPECT_TRUE(editor().isLoaded());
    EXPECT_EQ(h.temp.read(QStringLiteral("vek.dat")), league);
    EXPECT_EQ(h.pool().numTeams, 32);

    h.messages.answers = {Answer::Yes};
    button(QStringLiteral("cmdOK"))->click();
    EXPECT_FALSE(editor().isLoaded());
    EXPECT_EQ(h.pool().numTeams, 31);
    EXPECT_EQ(h.pool().teamName[8], QStringLiteral("Team 10"));
    EXPECT_TRUE(h.temp.read(QStringLiteral("vek.dat")).startsWith("31\r\n4\r\n4\r\n3\r\n"));
}

TEST_F(VekAlignTest, CancelChangesNothing) {
    open();
    typeTeam(QStringLiteral("Extra"), QStringLiteral("EXT"));
    button(QStringLiteral("nfceAdd"))->click();
    const QByteArray league = h.temp.read(QStringLiteral("vek.dat"));
    button(QStringLiteral("cmdCancel"))->click();
    EXPECT_FALSE(editor().isLoaded());
    EXPECT_EQ(h.pool().numTeams, 32);
    EXPECT_EQ(h.temp.read(QStringLiteral("vek.dat")), league);
    EXPECT_TRUE(h.messages.requests.empty());
}

TEST_F(VekAlignTest, TheLargestLeagueIsReadable) {
    test::fillLargestLeague(h.pool());
    vekalign& window = open();
    list(QStringLiteral("fnfceList"))->setCurrentRow(2);
    button(QStringLiteral("nfceEdit"))->click();
    label(QStringLiteral("lblInfo"))->setText(LeagueWorkingCopy::LeagueFull);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(label(QStringLiteral("picLogo%1").arg(i))->isVisible()) << i;
    }
    EXPECT_EQ(label(QStringLiteral("totalTeams"))->text(), QStringLiteral("37"));
    test::expectNothingCutOff(window, QStringLiteral("vekalign"));
    test::expectRowsWhole(window);
}

} // namespace
} // namespace vek
