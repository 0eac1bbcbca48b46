// The about box: its texts with the season in memory, its OK button, and the search for the system
// information program.
#include "app/frmabout.h"
#include "support/uiharness.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <map>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString MsInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString LocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

QString expectedDescription(const QString& year) {
    return QStringLiteral(
               "Kestrelmoor - VEK Football Pool will help you manage your football pool.  The pool members "
               "can match their skills in predicting the outcome of the Vekaran League (VEK) games either on "
               "a week-to-week basis OR by predicting ALL the games BEFORE the season starts.  Kestrelmoor - "
               "VEK Football Pool manages your pool's predictions and standings.  A MUST for every football "
               "fan!   Enjoy! (Note: This version contains the ") +
           year + QStringLiteral(" season schedule.)");
}

/// A registry with the values a test puts in it; records every read.
class FakeRegistry final : public Registry {
public:
    std::optional<RegistryValue> read(uint32_t root, const QString& keyName,
                                      const QString& valueName) const override {
        reads.push_back(keyName + QLatin1Char('|') + valueName);
        if (root != HkeyLocalMachine) {
            return std::nullopt;
        }
        const auto it = values.find(keyName + QLatin1Char('|') + valueName);
        return it == values.end() ? std::nullopt : std::optional<RegistryValue>(it->second);
    }
    void setText(const QString& key, const QString& name, const QString& text) {
        values[key + QLatin1Char('|') + name] = {RegistryValue::Type::Text, text};
    }

    std::map<QString, RegistryValue> values;
    mutable QStringList reads;
};

/// Programs that exist and start only when the test says so; records what was started.
class FakeStarter final : public ProgramStarter {
public:
    bool fileExists(const QString& path) const override { return existing.contains(path); }
    bool start(const QString& path) override {
        attempts << path;
        return existing.contains(path);
    }
    QStringList existing;
    QStringList attempts;
};

class AboutBox : public ::testing::Test {
protected:
    AboutBox() {
        about.setRegistry(registry);
        about.setProgramStarter(starter);
    }
    QLabel* label(const char* name) { return about.findChild<QLabel*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) { return about.findChild<QPushButton*>(QString::fromLatin1(name)); }
    void clickSysInfo() { button("cmdSysInfo")->click(); }
    bool saidUnavailable() const {
        return h.messages.requests.size() == 1 &&
               h.messages.requests[0].text ==
                   QStringLiteral("System Information Is Unavailable At This Time");
    }

    test::UiHarness h;
    frmAbout about{h.session, h.host};
    FakeRegistry registry;
    FakeStarter starter;
};

TEST_F(AboutBox, ShowsTheProgramAndTheSeasonInMemory) {
    h.pool().seasonYear = 2024;
    h.host.showModal(about);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kestrelmoor - VEK Football Pool"));
    EXPECT_EQ(label("lblVersion")->text(), QStringLiteral("Version 6.0.0"));
    EXPECT_EQ(label("lblTitle")->text(), QStringLiteral("Kestrelmoor - VEK Football Pool"));
    EXPECT_EQ(label("lblDescription")->text(), expectedDescription(QStringLiteral("2024")));
    EXPECT_EQ(label("lblDisclaimer")->text(), QStringLiteral("Warning: ..."));
    EXPECT_EQ(button("cmdOk")->text(), QStringLiteral("OK"));
    EXPECT_EQ(button("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    EXPECT_FALSE(label("picIcon")->pixmap().isNull());
    EXPECT_FALSE(label("Image1")->pixmap().isNull());

    // A new season started meanwhile: the next opening names its year.
    h.pool().seasonYear = 2025;
    h.host.showModal(about);
    EXPECT_EQ(label("lblDescription")->text(), expectedDescription(QStringLiteral("2025")));
}

TEST_F(AboutBox, EnterAndEscPressOk) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        about.ensureLoaded();
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        button("cmdSysInfo")->setFocus(); // Enter presses OK from anywhere in the box
        QTest::keyClick(&about, key);
        EXPECT_FALSE(about.isVisible()) << key;
        EXPECT_FALSE(about.isLoaded()) << key;
        EXPECT_EQ(about.result(), QDialog::Accepted) << key;
    }
    EXPECT_TRUE(starter.attempts.isEmpty());
}

TEST_F(AboutBox, SystemInformationFromTheFirstLocation) {
    registry.setText(MsInfoKey, QStringLiteral("PATH"), QStringLiteral("C:\\Tools\\msinfo32.exe"));
    registry.setText(LocationKey, QStringLiteral("MSINFO"), QStringLiteral("C:\\Other"));
    starter.existing << QStringLiteral("C:\\Tools\\msinfo32.exe")
                     << QStringLiteral("C:\\Other\\MSINFO32.EXE");
    clickSysInfo();
    EXPECT_EQ(starter.attempts, QStringList{QStringLiteral("C:\\Tools\\msinfo32.exe")});
    EXPECT_EQ(registry.reads, QStringList{MsInfoKey + QStringLiteral("|PATH")});
    EXPECT_TRUE(h.messages.requests.empty());
}

TEST_F(AboutBox, AFirstLocationNamingNoProgramEndsTheSearch) {
    registry.setText(MsInfoKey, QStringLiteral("PATH"), QStringLiteral("C:\\Gone\\msinfo32.exe"));
    registry.setText(LocationKey, QStringLiteral("MSINFO"), QStringLiteral("C:\\Other"));
    starter.existing << QStringLiteral("C:\\Other\\MSINFO32.EXE");
    clickSysInfo();
    EXPECT_EQ(starter.attempts, QStringList{QStringLiteral("C:\\Gone\\msinfo32.exe")});
    EXPECT_EQ(registry.reads, QStringList{MsInfoKey + QStringLiteral("|PATH")});
    EXPECT_TRUE(saidUnavailable());

    // A value that is not text reads as found, but names no program: the same end.
    h.messages.requests.clear();
    starter.attempts.clear();
    registry.values[MsInfoKey + QStringLiteral("|PATH")] = {RegistryValue::Type::Other, QStringLiteral("x")};
    clickSysInfo();
    EXPECT_EQ(starter.attempts, QStringList{QString()});
    EXPECT_TRUE(saidUnavailable());
}

TEST_F(AboutBox, SystemInformationFromTheSecondLocation) {
    registry.setText(LocationKey, QStringLiteral("MSINFO"), QStringLiteral("C:\\Shared\\MSInfo"));
    clickSysInfo(); // the folder has no MSINFO32.EXE
    EXPECT_TRUE(starter.attempts.isEmpty());
    EXPECT_TRUE(saidUnavailable());

    h.messages.requests.clear();
    starter.existing << QStringLiteral("C:\\Shared\\MSInfo\\MSINFO32.EXE");
    clickSysInfo();
    EXPECT_EQ(starter.attempts, QStringList{QStringLiteral("C:\\Shared\\MSInfo\\MSINFO32.EXE")});
    EXPECT_EQ(registry.reads.mid(2),
              (QStringList{MsInfoKey + QStringLiteral("|PATH"), LocationKey + QStringLiteral("|MSINFO")}));
    EXPECT_TRUE(h.messages.requests.empty());
}

TEST_F(AboutBox, NeitherLocationShowsThePlainMessage) {
    clickSysInfo();
    ASSERT_TRUE(saidUnavailable());
    const auto& request = h.messages.requests[0];
    EXPECT_EQ(request.title, QStringLiteral("Kestrelmoor"));
    EXPECT_EQ(request.icon, Messages::Icon::None);
    EXPECT_EQ(request.buttons, Messages::Buttons::Ok);
    EXPECT_TRUE(starter.attempts.isEmpty());

    // The program's own registry holds nothing either.
    frmAbout platform(h.session, h.host);
    h.messages.requests.clear();
    platform.StartSysInfo();
    EXPECT_TRUE(saidUnavailable());
}

TEST_F(AboutBox, KeyValuesAreReadAsText) {
    QString value = QStringLiteral("old");
    EXPECT_FALSE(about.GetKeyValue(HkeyLocalMachine, MsInfoKey, QStringLiteral("PATH"), value));
    EXPECT_EQ(value, QString());

    // One zero character that ends the stored text is dropped.
    registry.setText(MsInfoKey, QStringLiteral("PATH"), QStringLiteral("C:\\msinfo32.exe") + QChar(u'\0'));
    EXPECT_TRUE(about.GetKeyValue(HkeyLocalMachine, MsInfoKey, QStringLiteral("PATH"), value));
    EXPECT_EQ(value, QStringLiteral("C:\\msinfo32.exe"));

    // Another root finds nothing; a value longer than the buffer cannot be read.
    EXPECT_FALSE(about.GetKeyValue(0x80000001, MsInfoKey, QStringLiteral("PATH"), value));
    registry.setText(MsInfoKey, QStringLiteral("PATH"), QString(1025, QLatin1Char('x')));
    EXPECT_FALSE(about.GetKeyValue(HkeyLocalMachine, MsInfoKey, QStringLiteral("PATH"), value));
    EXPECT_EQ(value, QString());
}

} // namespace
} // namespace vek
