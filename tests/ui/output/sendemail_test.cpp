// Send Email in the output dialog: a report to two members through a real mail server, what is refused
// before connecting, and every failed dialogue with a server, each leaving the button ready.
#include "app/main.h"
#include "fakeprintercatalog.h"
#include "output/printwindow.h"
#include "output/smtpsink.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Admin = QStringLiteral("pool.admin@example.org");

class SendEmail : public ::testing::Test {
protected:
    /// 30 ticks of silence: 0.3 s, for the servers of the test's own thread.
    explicit SendEmail(int tickMs = 10) : window(h.session, h.host, catalog, tickMs) {
        test::fillSamplePool(h.pool(), {"Ann Avery", "Bob Burns", "Cy Cole"}, 4); // member<n>@example.org
        window.ensureLoaded();
        window.setMailSettingsOpener([this] { ++settingsOpened; });
        QObject::connect(window.findChild<SmtpClient*>(), &SmtpClient::progress, &window,
                         [this](const QString& text) { progress.push_back(text); });
    }
    template <class W> W* child(const char* name) { return window.findChild<W*>(QString::fromLatin1(name)); }
    QPushButton* sendButton() { return child<QPushButton>("cmdEmail"); }
    void select(int member) { child<QListWidget>("lstMember")->item(member)->setSelected(true); }
    void useServer(quint16 port) { h.session.mail = {QStringLiteral("127.0.0.1"), port, Admin}; }
    /// Clicks Send Email and waits until the button is back.
    bool send() {
        sendButton()->click();
        return QTest::qWaitFor([&] { return sendButton()->isEnabled(); }, 20000);
    }
    std::vector<QString> shown() {
        std::vector<QString> texts;
        for (const Messages::Request& request : h.messages.requests) {
            texts.push_back(request.text);
        }
        return texts;
    }

    test::UiHarness h;
    test::FakePrinterCatalog catalog;
    PrintWindow window;
    int settingsOpened = 0;
    std::vector<QString> progress;
};

/// A server in a process of its own may be slow to answer on a busy machine: the program's ticks.
class SendEmailToARealServer : public SendEmail {
protected:
    SendEmailToARealServer() : SendEmail(SmtpClient::TickMs) {}
};

// The member charts' rows start with the first division's teams: abbreviations starting with "." give
// the body lines that the transparency dot must carry through.
TEST_F(SendEmailToARealServer, AResultsReportReachesTwoMembers) {
    test::SmtpSink sink;
    ASSERT_EQ(sink.start().toStdString(), "");
    useServer(sink.port());
    for (int t = 0; t < 4; ++t) {
        h.pool().teamAbbr[t] = QStringLiteral(".T%1").arg(t + 1);
    }
    child<QRadioButton>("prdOption")->click(); // the member charts, ticked where the box is open
    child<QCheckBox>("standCheck")->click();
    child<QRadioButton>("rsltOption")->click();
    select(0);
    select(2);
    ASSERT_TRUE(send());
    EXPECT_EQ(shown(), std::vector<QString>{});
    EXPECT_EQ(progress, (std::vector<QString>{"Connecting...", "Connected", "Receiving Welcome Message",
                                              "Sending Mail . . .\nAnn Avery", "Sending Mail . . .\nCy Cole",
                                              "Message Sent"}));
    EXPECT_EQ(child<QLabel>("infoPanel")->text(), QStringLiteral("Message Sent"));

    const QByteArray report = h.temp.read(QStringLiteral("results.txt"));
    ASSERT_TRUE(report.contains("\r\n.T"));
    const std::vector<test::SmtpSink::Message> received = sink.messages(2);
    ASSERT_EQ(received.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const test::SmtpSink::Message& message = received[static_cast<std::size_t>(i)];
        const QByteArray to = i == 0 ? "member0@example.org" : "member2@example.org";
        EXPECT_EQ(message.envelope, Admin.toLatin1() + "\n" + to + "\n");
        const QByteArray head =
            "From: <" + Admin.toLatin1() + ">\r\nTo: " + to + "\r\nSubject:  Results Listing\r\n";
        EXPECT_TRUE(message.data.startsWith(head)) << message.data.left(200).toStdString();
        EXPECT_TRUE(message.data.endsWith("\r\nContent-Type: text/plain;\tcharset=us-ascii\r\n\r\n" + report +
                                          "\r\n"));
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral(R"(^Date: \d\d [A-Z][a-z]{2} \d{4} [\d:]{8} [+-]\d{4}\r\n)"
                                              "X-Mailer: Vornash v1.1\r\nMime-Version: 1.0\r\n"))
                .match(QString::fromLatin1(message.data.mid(head.size())))
                .hasMatch());
    }
}

TEST_F(SendEmail, EveryFailedDialogueIsShownAndLeavesTheButtonReady) {
    child<QRadioButton>("ssnOption")->click();
    select(1);
    select(2);
    // A greeting and a reply of several lines, both arriving in pieces; the first recipient refused, the
    // session reset, and the next member's mail refused: the session ends there, the panel naming her.
    test::ScriptedServer refusing({{"220-mail.exam", "ple.org welcomes you\r\n22", "0 ready\r\n"},
                                   {"250-mail.example.org\r\n", "250 HELP\r\n"},
                                   {"250 OK\r\n"},
                                   {"550 5.1.1 No such member here\r\n"},
                                   {"250 OK\r\n"},
                                   {"451 4.3.0 Try again later\r\n"}});
    useServer(refusing.port());
    ASSERT_TRUE(send());
    EXPECT_TRUE(
        h.temp.read(QStringLiteral("season.txt")).startsWith("                      2024 VEK Season"));
    ASSERT_EQ(refusing.received.size(), 5);
    EXPECT_TRUE(refusing.received[0].startsWith("HELO "));
    EXPECT_EQ(refusing.received.mid(1).join('|'), "MAIL FROM:<" + Admin.toLatin1() +
                                                      ">|RCPT TO:<member1@example.org>|RSET|MAIL FROM:<" +
                                                      Admin.toLatin1() + ">");
    EXPECT_EQ(child<QLabel>("infoPanel")->text(), QStringLiteral("Sending Mail . . .\nCy Cole"));

    // A server that says nothing, while Print and Send Email wait.
    child<QListWidget>("lstMember")->item(1)->setSelected(false);
    test::ScriptedServer silent({});
    useServer(silent.port());
    sendButton()->click();
    EXPECT_FALSE(child<QPushButton>("cmdPrint")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return sendButton()->isEnabled(); }, 20000));

    useServer(test::freePort());
    ASSERT_TRUE(send());

    const QString notSent =
        QStringLiteral("\n\nMailed to 0 of 1 members selected. Not mailed:\nCy Cole: not sent");
    EXPECT_EQ(shown(), (std::vector<QString>{
                           "Server returned the following error:\n451 4.3.0 Try again later\n\nMailed to 0 "
                           "of 2 members selected. Not mailed:\nBob Burns: refused by the server: 550 5.1.1 "
                           "No such member here\nCy Cole: not sent",
                           "Could not connect to host 127.0.0.1\nOperation timed out" + notSent,
                           "Connection refused" + notSent}));
    EXPECT_EQ(h.messages.requests[0].icon, Messages::Icon::None);
    EXPECT_EQ(sendButton()->text(), QStringLiteral("Send"));
    EXPECT_TRUE(child<QPushButton>("cmdPrint")->isEnabled());

    // Closing the window ends a session without a word.
    test::ScriptedServer closedOn({});
    useServer(closedOn.port());
    sendButton()->click();
    window.done(QDialog::Rejected);
    ASSERT_TRUE(QTest::qWaitFor([&] { return closedOn.closed; }, 5000));
    EXPECT_EQ(h.messages.requests.size(), 3u);
}

TEST_F(SendEmail, WhatIsRefusedBeforeConnecting) {
    select(1);
    child<QRadioButton>("ssnOption")->click();
    h.session.mail = {QString(), 25, Admin}; // no server: named, then the mail settings window
    sendButton()->click();
    EXPECT_EQ(settingsOpened, 1);
    useServer(test::freePort()); // a connection would be refused, with its own message
    h.pool().memberEmail[1] = QStringLiteral("bob@example.org>\r\nRCPT TO:<other@example.org");
    sendButton()->click();
    h.pool().memberEmail[1] = QString();
    sendButton()->click();
    window.done(QDialog::Rejected); // no report chosen
    window.ensureLoaded();
    select(0);
    sendButton()->click();

    const QString nothingSent =
        QStringLiteral("Nothing was sent: no member selected has a usable e-mail address.\n\nBob Burns: ");
    EXPECT_EQ(shown(),
              (std::vector<QString>{"Please enter your SMTP Server",
                                    nothingSent + "an e-mail address that mail cannot carry",
                                    nothingSent + "no e-mail address", PrintWindow::ChooseMailReportText}));
    EXPECT_FALSE(h.temp.exists(QStringLiteral("season.txt")));
    EXPECT_EQ(sendButton()->text(), QStringLiteral("Send Email"));
}

// Opened from the main window, Send Email without mail settings says what is missing and then shows the
// mail settings window.
TEST(SendEmailFromMain, MissingSettingsOpenTheMailSettingsWindow) {
    test::UiHarness h;
    test::fillSamplePool(h.pool(), {"Ann Avery"}, 4);
    Main main(h.session, h.host);
    h.modal.onShow = [](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("PrintWindow")) {
            dialog.findChild<QRadioButton*>(QStringLiteral("ssnOption"))->click();
            dialog.findChild<QListWidget*>(QStringLiteral("lstMember"))->item(0)->setSelected(true);
            dialog.findChild<QPushButton*>(QStringLiteral("cmdEmail"))->click();
        }
    };
    main.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
    ASSERT_EQ(h.modal.shown.size(), 2u);
    EXPECT_EQ(h.modal.shown[1].objectName, QStringLiteral("frmSettings"));
    ASSERT_EQ(h.messages.requests.size(), 1u);
    EXPECT_EQ(h.messages.requests[0].text, QStringLiteral("Please enter your SMTP Server"));
}

} // namespace
} // namespace vek
