// Send Email in the output dialog: the report to two members through a real mail server, the refusals
// before connecting, and every failure of the dialogue with a server, each leaving the button ready.
#include "app/main.h"
#include "fakeprintercatalog.h"
#include "output/printwindow.h"
#include "support/poolbuilder.h"
#include "support/smtpsink.h"
#include "support/uiharness.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vek {
namespace {

constexpr int TickMs = 10; // 30 ticks of silence give up after 0.3 s
const QString Admin = QStringLiteral("pool.admin@example.org");

/// A mail server that answers as the test scripts it: the greeting, then one answer per command line,
/// each answer in pieces sent 50 ms apart. It records the lines it receives, a line that came before the
/// previous answer was whole marked "EARLY".
class ScriptedServer : public QObject {
public:
    explicit ScriptedServer(std::vector<QByteArrayList> answers) : m_answers(std::move(answers)) {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            m_socket = m_server.nextPendingConnection();
            connect(m_socket, &QTcpSocket::readyRead, this, &ScriptedServer::readLines);
            connect(m_socket, &QTcpSocket::disconnected, this, [this] { closed = true; });
            answer();
        });
    }
    [[nodiscard]] quint16 port() const { return m_server.serverPort(); }

    QByteArrayList received;
    bool closed = false;

private:
    void readLines() {
        m_buffer += m_socket->readAll();
        for (qsizetype end = m_buffer.indexOf("\r\n"); end >= 0; end = m_buffer.indexOf("\r\n")) {
            received << (m_pending > 0 ? "EARLY " : "") + m_buffer.left(end);
            m_buffer.remove(0, end + 2);
            answer();
        }
    }
    void answer() {
        if (m_next >= m_answers.size()) {
            return;
        }
        const QByteArrayList pieces = m_answers[m_next++];
        for (int i = 0; i < pieces.size(); ++i) {
            ++m_pending;
            QTimer::singleShot(50 * i, this, [this, piece = pieces[i]] {
                m_socket->write(piece);
                --m_pending;
            });
        }
    }

    QTcpServer m_server;
    QTcpSocket* m_socket = nullptr;
    QByteArray m_buffer;
    std::vector<QByteArrayList> m_answers;
    std::size_t m_next = 0;
    int m_pending = 0;
};

class SendEmail : public ::testing::Test {
protected:
    SendEmail() {
        test::fillSamplePool(h.pool(), {"Ann Avery", "Bob Burns", "Cy Cole"}, 4);
        window.ensureLoaded();
        window.setMailSettingsOpener([this] { ++settingsOpened; });
    }
    template <class W> W* child(const char* name) { return window.findChild<W*>(QString::fromLatin1(name)); }
    QPushButton* sendButton() { return child<QPushButton>("cmdEmail"); }
    void select(std::initializer_list<int> members) {
        for (const int m : members) {
            child<QListWidget>("lstMember")->item(m)->setSelected(true);
        }
    }
    void useServer(quint16 port) { h.session.mail = {QStringLiteral("127.0.0.1"), port, Admin}; }
    /// Clicks Send Email and waits for the session to end: true when it did in time.
    bool send() {
        sendButton()->click();
        return test::waitFor([&] { return sendButton()->isEnabled(); }, 20000);
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
    PrintWindow window{h.session, h.host, catalog, TickMs};
    int settingsOpened = 0;
};

TEST_F(SendEmail, AResultsReportReachesTwoMembersThroughARealServer) {
    test::SmtpSink sink;
    ASSERT_EQ(sink.start().toStdString(), "");
    useServer(sink.port());
    // Member charts ticked where the box is open, kept under the results of week 5.
    child<QRadioButton>("prdOption")->click();
    child<QCheckBox>("standCheck")->click();
    child<QRadioButton>("rsltOption")->click();
    select({0, 2});
    ASSERT_TRUE(send());
    EXPECT_TRUE(h.messages.requests.empty()) << shown().front().toStdString();
    EXPECT_EQ(sendButton()->text(), QStringLiteral("Send"));
    EXPECT_EQ(child<QLabel>("infoPanel")->text(), QStringLiteral("Message Sent"));
    EXPECT_TRUE(child<QCheckBox>("fileOption")->isChecked());

    const QByteArray report = h.temp.read(QStringLiteral("results.txt"));
    ASSERT_TRUE(report.contains("Member Charts"));
    const std::vector<test::SmtpSink::Message> received = sink.messages(2);
    ASSERT_EQ(received.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const QByteArray to = i == 0 ? "member0@example.org" : "member2@example.org";
        const QByteArray& data = received[static_cast<std::size_t>(i)].data;
        const QByteArray date = QRegularExpression(QStringLiteral("\r\nDate: ([^\r]*)\r\n"))
                                    .match(QString::fromLatin1(data))
                                    .captured(1)
                                    .toLatin1();
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral(R"(^\d\d [A-Z][a-z]{2} \d{4} \d\d:\d\d:\d\d [+-]\d{4}$)"))
                .match(QString::fromLatin1(date))
                .hasMatch())
            << date.toStdString();
        EXPECT_EQ(data.toStdString(), ("From: <" + Admin.toLatin1() + ">\r\nTo: " + to +
                                       "\r\nSubject:  Results Listing\r\nDate: " + date +
                                       "\r\nX-Mailer: Vornash v1.1\r\nMime-Version: 1.0\r\n"
                                       "Content-Type: text/plain;\tcharset=us-ascii\r\n\r\n" +
                                       report + "\r\n")
                                          .toStdString());
        EXPECT_EQ(received[static_cast<std::size_t>(i)].envelope, Admin.toLatin1() + "\n" + to + "\n");
    }
}

TEST_F(SendEmail, EveryFailedDialogueIsShownAndLeavesTheButtonReady) {
    child<QRadioButton>("ssnOption")->click();
    select({2});
    const QString notSent = QStringLiteral("\n\nThe message to Cy Cole was not sent.");

    // A greeting and a reply of several lines, each in pieces, then the recipient refused.
    ScriptedServer refusing({{"220-mail.exam", "ple.org welcomes you\r\n22", "0 ready\r\n"},
                             {"250-mail.example.org\r\n", "250 HELP\r\n"},
                             {"250 OK\r\n"},
                             {"550 5.1.1 No such member here\r\n"}});
    useServer(refusing.port());
    ASSERT_TRUE(send());
    EXPECT_EQ(refusing.received.size(), 3);
    EXPECT_TRUE(refusing.received.value(0).startsWith("HELO "));
    EXPECT_EQ(refusing.received.value(1), "MAIL FROM:<" + Admin.toLatin1() + ">");
    EXPECT_EQ(refusing.received.value(2), "RCPT TO:<member2@example.org>");
    ASSERT_TRUE(test::waitFor([&] { return refusing.closed; }, 5000));

    // A server that says nothing, while Print and Send Email wait.
    ScriptedServer silent({});
    useServer(silent.port());
    sendButton()->click();
    EXPECT_FALSE(sendButton()->isEnabled());
    EXPECT_FALSE(child<QPushButton>("cmdPrint")->isEnabled());
    ASSERT_TRUE(test::waitFor([&] { return sendButton()->isEnabled(); }, 20000));

    useServer(test::freePort());
    ASSERT_TRUE(send());

    EXPECT_EQ(shown(), (std::vector<QString>{
                           "Server returned the following error:\n550 5.1.1 No such member here" + notSent,
                           "Could not connect to host 127.0.0.1\nOperation timed out" + notSent,
                           "Connection refused" + notSent}));
    for (const Messages::Request& request : h.messages.requests) {
        EXPECT_EQ(request.title, QStringLiteral("Kestrelmoor"));
        EXPECT_EQ(request.icon, Messages::Icon::None);
    }
    EXPECT_EQ(sendButton()->text(), QStringLiteral("Send"));
    EXPECT_TRUE(child<QPushButton>("cmdPrint")->isEnabled());

    // Closing the window ends a session without a word.
    ScriptedServer closedOn({});
    useServer(closedOn.port());
    sendButton()->click();
    window.done(QDialog::Rejected);
    ASSERT_TRUE(test::waitFor([&] { return closedOn.closed; }, 5000));
    EXPECT_EQ(h.messages.requests.size(), 3u);
}

TEST_F(SendEmail, WhatIsRefusedBeforeConnecting) {
    select({1});
    // No server set: its message, then the mail settings window; nothing is written.
    h.session.mail = {QStringLiteral(""), 25, Admin};
    child<QRadioButton>("ssnOption")->click();
    sendButton()->click();
    EXPECT_EQ(settingsOpened, 1);
    EXPECT_FALSE(h.temp.exists(QStringLiteral("season.txt")));

    // A member's address that would break the mail commands.
    useServer(test::freePort());
    h.pool().memberEmail[1] = QStringLiteral("bob@example.org>\r\nRCPT TO:<other@example.org");
    sendButton()->click();
    h.pool().memberEmail[1] = QString();
    sendButton()->click();

    // No report chosen.
    window.done(QDialog::Rejected);
    window.ensureLoaded();
    select({0});
    sendButton()->click();

    const QString badAddress =
        QStringLiteral("The e-mail address of Bob Burns is empty or holds a character that "
                       "mail cannot carry. Nothing was sent.");
    EXPECT_EQ(shown(), (std::vector<QString>{"Please enter your SMTP Server", badAddress, badAddress,
                                             PrintWindow::ChooseMailReportText}));
    EXPECT_FALSE(h.temp.exists(QStringLiteral("season.txt")));
    EXPECT_EQ(sendButton()->text(), QStringLiteral("Send Email"));
}

// From the main window: a missing setting opens the mail settings window over the output dialog.
TEST(SendEmailFromMain, AMissingSettingOpensTheMailSettings) {
    test::UiHarness h;
    test::fillSamplePool(h.pool(), {"Ann Avery"}, 4);
    h.session.mail = {QStringLiteral("none"), 0, QStringLiteral("none")};
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
    ASSERT_FALSE(h.messages.requests.empty());
    EXPECT_EQ(h.messages.requests[0].text, QStringLiteral("Please enter your SMTP Server"));
}

} // namespace
} // namespace vek
