// The pool options window: its controls show the stored options and keep them consistent, OK stores
// them through the session and closes, a failed write keeps it open, and every text can be read.
#include "setup/poolprofile.h"
#include "setupwindows.h"
#include "support/filetext.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vek {
namespace {

class PoolProfileTest : public ::testing::Test {
protected:
    PoolProfileTest() {
        test::fillSamplePool(h.pool(), {QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones")}, 3);
        test::writeAllFiles(h.temp.folder(), h.pool());
        QObject::connect(&h.session, &PoolSession::mainButtonsRefreshRequested, [this] { ++refreshes; });
    }
    PoolProfile& open() {
        PoolProfile& window = h.host.window<PoolProfile>();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
    QRadioButton* option(const char* name) {
        return test::control<QRadioButton>(window(), QString::fromLatin1(name));
    }
    QWidget& window() { return *h.host.existing<PoolProfile>(); }
    /// Clicks on the option's mark, where an option that is wider than its text takes the click.
    static void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    test::UiHarness h;
    int refreshes = 0;
};

TEST_F(PoolProfileTest, TheOptionsShowTheStoredChoicesAndKeepThemConsistent) {
    open();
    EXPECT_TRUE(option("wkwOption")->isChecked());
    EXPECT_TRUE(option("noPtsOption")->isChecked());
    EXPECT_TRUE(option("yesCpOption")->isChecked());
    EXPECT_TRUE(option("cp2Option")->isChecked());
    EXPECT_TRUE(option("mnwoOption")->isChecked());
    EXPECT_TRUE(option("ledgerOption")->isChecked());
    auto* split = test::control<QCheckBox>(window(), QStringLiteral("splitCheck"));
    auto* spreads = test::control<QWidget>(window(), QStringLiteral("Frame2"));
    EXPECT_FALSE(split->isEnabled());

    click(option("yesPtsOption"));
    click(option("ssnOption"));
    EXPECT_TRUE(option("noPtsOption")->isChecked());
    EXPECT_FALSE(spreads->isEnabled());
    click(option("wkwOption"));
    EXPECT_TRUE(spreads->isEnabled());
    EXPECT_TRUE(option("noPtsOption")->isChecked());
    click(option("noCpOption"));
    EXPECT_FALSE(option("cp1Option")->isEnabled());
    click(option("creditOption"));
    EXPECT_TRUE(split->isEnabled());

    auto* info = test::control<QLabel>(window(), QStringLiteral("lblInfo"));
    test::hover(option("cp1Option"));
    EXPECT_EQ(info->text(),
              QStringLiteral("Confidence points start at 16, end at (16 - number of week's games)."));
    test::hover(test::control<QWidget>(window(), QStringLiteral("Frame4")));
    EXPECT_EQ(info->text(), QString());
}

TEST_F(PoolProfileTest, OkStoresTheChoicesThroughTheSessionAndCloses) {
    const int16_t firstValue = h.pool().confidencePoints[0][0][1];
    PoolProfile& profile = open();
    click(option("cp1Option"));
    click(option("yesPtsOption"));
    click(option("creditOption"));
    click(test::control<QCheckBox>(window(), QStringLiteral("splitCheck")));
    click(test::control<QPushButton>(window(), QStringLiteral("cmdOk")));
    EXPECT_EQ(profile.result(), QDialog::Accepted);
    EXPECT_FALSE(profile.isLoaded());
    EXPECT_EQ(test::fileLines(h.temp.read(QStringLiteral("pool.dat"))),
              (QList<QByteArray>{"1", "-1", "1", "1", "1"}));
    EXPECT_EQ(h.pool().confidenceMode, 1);
    EXPECT_EQ(h.pool().confidencePoints[0][0][1], firstValue + 1); // week 0 has a bye slot
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(h.messages.requests.empty());
}

TEST_F(PoolProfileTest, AFailedWriteIsToldAndTheWindowStaysOpen) {
    QDir(h.temp.path()).remove(QStringLiteral("pool.dat"));
    ASSERT_TRUE(QDir(h.temp.path()).mkdir(QStringLiteral("pool.dat")));
    PoolProfile& profile = open();
    click(option("cp1Option"));
    click(test::control<QPushButton>(window(), QStringLiteral("cmdOk")));
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_TRUE(h.messages.requests[0].text.startsWith(QStringLiteral("pool.dat could not be saved: ")));
    EXPECT_TRUE(profile.isLoaded());
    EXPECT_EQ(h.pool().confidenceMode, 2);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(PoolProfileTest, EveryTextCanBeRead) {
    test::fillLargestPool(h.pool());
    PoolProfile& profile = open();
    test::hover(option("ledgerOption")); // the longest help text
    test::expectWholeOnScreen(profile, QStringLiteral("poolprofile"));
}

} // namespace
} // namespace vek
