// The mail settings window: what its load shows for each kind of file, and what OK checks, writes and
// keeps.
#include "app/frmsettings.h"
#include "support/filetext.h"
#include "support/uiharness.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString FileName = QStringLiteral("defaultserver.dat");

class SettingsWindow : public ::testing::Test {
protected:
    SettingsWindow() {
        // Works the window while it is "on screen", then leaves it as the test found it.
        h.modal.onShow = [this](QDialog&) {
            shownWith = boxes();
            if (whileShown) {
                whileShown();
            }
        };
    }

    frmSettings& window() { return h.host.window<frmSettings>(); }
    QLineEdit* box(const char* name) { return window().findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QStringList boxes() {
        return {box("txtServer")->text(), box("txtPort")->text(), box("txtAddress")->text()};
    }
    void open() { h.host.showModal(h.host.window<frmSettings>()); }
    // Types into the boxes and presses OK while the window is shown; returns whether OK unloaded it.
    bool pressOk(const QString& server, const QString& port, const QString& address) {
        bool unloaded = false;
        whileShown = [&] {
            box("txtServer")->setText(server);
            box("txtPort")->setText(port);
            box("txtAddress")->setText(address);
            window().findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
            unloaded = !h.host.existing<frmSettings>()->isLoaded();
        };
        h.modal.results.push_back(QDialog::Rejected); // the close box, should OK leave it open
        open();
        whileShown = nullptr;
        return unloaded;
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& request : h.messages.requests) {
            texts << request.text;
        }
        return texts;
    }

    test::UiHarness h;
    QStringList shownWith;
    std::function<void()> whileShown;
};

TEST_F(SettingsWindow, DesignerContentAndTabOrder) {
    frmSettings& w = window();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("SMTP Servers"));
    QStringList labels;
    for (const QLabel* label : w.findChildren<QLabel*>()) {
        labels << label->text();
    }
    labels.sort();
    EXPECT_EQ(labels, (QStringList{"Enter Default Server Name", "Enter your email address", "Port:"}));
    auto* ok = w.findChild<QPushButton*>(QStringLiteral("cmdOk"));
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_FALSE(ok->autoDefault());
    EXPECT_FALSE(ok->isDefault());
    EXPECT_EQ(box("txtServer")->nextInFocusChain(), ok);
    EXPECT_EQ(ok->nextInFocusChain(), box("txtPort"));
    EXPECT_EQ(box("txtPort")->nextInFocusChain(), box("txtAddress"));
}

TEST_F(SettingsWindow, MissingOrEmptyFileShowsTheDesignerContent) {
    h.session.mail = {QStringLiteral("from.startup"), 2525, QStringLiteral("me@startup")};
    open();
    EXPECT_EQ(shownWith, (QStringList{"", "25", ""}));
    EXPECT_TRUE(h.messages.requests.empty());
    EXPECT_EQ(h.session.mail.smtpServer, QStringLiteral("from.startup"));
    EXPECT_FALSE(h.temp.exists(FileName)); // closing writes nothing

    h.temp.write(FileName, "");
    open();
    EXPECT_EQ(shownWith, (QStringList{"", "25", ""}));
    EXPECT_TRUE(h.messages.requests.empty());
    EXPECT_EQ(h.session.mail.smtpPort, 2525);
}

TEST_F(SettingsWindow, TheLastGroupOfTheFileIsShownAndKept) {
    h.temp.write(FileName, test::fileOf({"a.example.org", "2525", "a@example.org", "b.example.org", "587",
                                         "b@example.org"}));
    open();
    EXPECT_EQ(shownWith, (QStringList{"b.example.org", "587", "b@example.org"}));
    EXPECT_EQ(h.session.mail.smtpServer, QStringLiteral("b.example.org"));
    EXPECT_EQ(h.session.mail.smtpPort, 587);
    EXPECT_EQ(h.session.mail.senderEmail, QStringLiteral("b@example.org"));
    EXPECT_TRUE(h.messages.requests.empty());

    // Typed and then closed with the close box: the next opening shows the file again.
    whileShown = [this] { box("txtServer")->setText(QStringLiteral("typed")); };
    open();
    whileShown = nullptr;
    open();
    EXPECT_EQ(shownWith.front(), QStringLiteral("b.example.org"));
}

TEST_F(SettingsWindow, ADamagedFileIsReportedAndWhatWasReadIsShown) {
    h.temp.write(FileName, test::fileOf({"a.example.org", "2525", "a@example.org", "b.example.org"}));
    open();
    ASSERT_EQ(h.messages.requests.size(), 1U);
    const auto& request = h.messages.requests[0];
    EXPECT_EQ(request.text, QStringLiteral("Error opening defaultserver.dat"));
    EXPECT_EQ(request.title, QStringLiteral("Kestrelmoor"));
    EXPECT_EQ(request.icon, Messages::Icon::None);
    EXPECT_EQ(request.buttons, Messages::Buttons::Ok);
    // The window opens after the message, with what could be read.
    ASSERT_EQ(h.modal.shown.size(), 1U);
    EXPECT_EQ(shownWith, (QStringList{"b.example.org", "2525", "a@example.org"}));
    EXPECT_EQ(h.session.mail.smtpServer, QStringLiteral("b.example.org"));
}

TEST_F(SettingsWindow, NotSetValuesAndTheEmptyPort) {
    h.temp.write(FileName, test::fileOf({"none", " 0 ", "none"}));
    open();
    EXPECT_EQ(shownWith, (QStringList{"none", "0", "none"}));

    // The file's "not set" values save back unchanged: a port of 0 is no port, as an empty box is.
    EXPECT_TRUE(pressOk(QStringLiteral("none"), QStringLiteral("0"), QStringLiteral("none")));
    EXPECT_TRUE(messageTexts().isEmpty());
    EXPECT_EQ(h.temp.read(FileName), QByteArray("none\r\n 0 \r\nnone\r\n"));
    EXPECT_EQ(h.session.mail.smtpPort, 0);

    // Empty boxes (or blanks only) are written as not set.
    h.session.mail = {};
    EXPECT_TRUE(pressOk(QStringLiteral("   "), QString(), QString()));
    EXPECT_EQ(h.temp.read(FileName), QByteArray("none\r\n 0 \r\nnone\r\n"));
    EXPECT_EQ(h.session.mail.smtpServer, QStringLiteral("none"));
    EXPECT_EQ(h.session.mail.smtpPort, 0);
    EXPECT_EQ(h.session.mail.senderEmail, QStringLiteral("none"));
    EXPECT_TRUE(h.messages.requests.empty());
}

TEST_F(SettingsWindow, OkWritesTrimmedValuesAndAQuotedComma) {
    EXPECT_TRUE(pressOk(QStringLiteral(" smtp,example.org "), QStringLiteral(" 587 "),
                        QStringLiteral("pool@example.org ")));
    EXPECT_EQ(h.temp.read(FileName), QByteArray("\"smtp,example.org\"\r\n587\r\npool@example.org\r\n"));
    EXPECT_EQ(h.session.mail.smtpServer, QStringLiteral("smtp,example.org"));
    EXPECT_EQ(h.session.mail.smtpPort, 587);
    EXPECT_EQ(h.session.mail.senderEmail, QStringLiteral("pool@example.org"));
    EXPECT_TRUE(h.messages.requests.empty());

    // The comma no longer shifts the values: the next opening shows them as saved.
    open();
    EXPECT_EQ(shownWith, (QStringList{"smtp,example.org", "587", "pool@example.org"}));
    EXPECT_TRUE(h.messages.requests.empty());
}

TEST_F(SettingsWindow, RefusedBoxesWriteNothingAndKeepTheWindowOpen) {
    h.session.mail = {QStringLiteral("kept"), 25, QStringLiteral("kept@example.org")};
    for (const char* port : {"abc", "65536", "-1", "2 5", "+25"}) {
        EXPECT_FALSE(pressOk(QStringLiteral("smtp.example.org"), QString::fromLatin1(port),
                             QStringLiteral("me@example.org")))
            << port;
    }
    EXPECT_FALSE(pressOk(QStringLiteral("smtp\"example.org"), QStringLiteral("25"), QStringLiteral("me")));
    EXPECT_FALSE(
        pressOk(QStringLiteral("smtp.example.org"), QStringLiteral("25"), QStringLiteral("me\nBcc: x")));
    EXPECT_EQ(messageTexts(),
              (QStringList{frmSettings::InvalidPort, frmSettings::InvalidPort, frmSettings::InvalidPort,
                           frmSettings::InvalidPort, frmSettings::InvalidPort, frmSettings::InvalidText,
                           frmSettings::InvalidText}));
    // The message says what OK takes.
    EXPECT_EQ(messageTexts().front(),
              QStringLiteral("Please enter a valid port: a whole number from 0 to 65535. 0 "
                             "or an empty box leaves the port not set."));
    for (const auto& request : h.messages.requests) {
        EXPECT_EQ(request.title, QStringLiteral("Kestrelmoor"));
        EXPECT_EQ(request.icon, Messages::Icon::Warning);
    }
    EXPECT_FALSE(h.temp.exists(FileName));
    EXPECT_EQ(h.session.mail.smtpServer, QStringLiteral("kept"));
    EXPECT_EQ(h.session.mail.smtpPort, 25);
}

TEST_F(SettingsWindow, AFailedWriteNamesTheFileAndKeepsTheWindowOpen) {
    ASSERT_TRUE(QDir(h.temp.path()).mkdir(FileName)); // in the way of the file
    h.session.mail = {QStringLiteral("kept"), 25, QStringLiteral("kept@example.org")};
    EXPECT_FALSE(pressOk(QStringLiteral("smtp.example.org"), QStringLiteral("25"), QStringLiteral("me")));
    ASSERT_EQ(h.messages.requests.size(), 2U);
    // The file could not be opened at all: the user is told why.
    EXPECT_EQ(h.messages.requests[0].text,
              QStringLiteral("Error opening defaultserver.dat (it is not a regular file but a folder)"));
    EXPECT_EQ(h.messages.requests[0].icon, Messages::Icon::Warning);
    EXPECT_EQ(h.messages.requests[1].text,
              QStringLiteral("defaultserver.dat could not be saved: it is not a regular file but a folder"));
    EXPECT_EQ(h.messages.requests[1].icon, Messages::Icon::Warning);
    EXPECT_EQ(h.session.mail.smtpServer, QStringLiteral("kept"));
}

} // namespace
} // namespace vek
