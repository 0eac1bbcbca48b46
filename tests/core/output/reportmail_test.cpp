// The e-mail of a report: what counts as set, and messages sent to a real mail server.
#include "model/mailsettingsfile.h"
#include "output/reportmail.h"
#include "output/smtpclient.h"
#include "support/smtpsink.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(ReportMail, SettingsThatAreNotSet) {
    const struct {
        MailSettings mail;
        const char* missing;
    } cases[] = {
        {{"none", 0, "none"}, "Please enter your SMTP Server"},
        {{"", 25, "admin@example.org"}, "Please enter your SMTP Server"},
        {{"mail.example.org", 0, "admin@example.org"}, "Please enter your SMTP Port"},
        {{"mail.example.org", 25, "none"}, "Please enter your eMail address"},
        {{"mail.example.org", 25, ""}, "Please enter your eMail address"},
        {{"mail.example.org", 25, "admin@example.org>\r\nBcc: <x@example.org"},
         "Please enter your eMail address"},
        {{"mail.example.org", 25, "admin@example.org"}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(missingMailSetting(c.mail).toStdString(), c.missing) << c.mail.senderEmail.toStdString();
    }
}

/// Two members' messages in one session: each arrives whole, to its own recipient, with the body's
/// lines as they were (a line "." or ".." does not end the message), a line longer than 998 bytes broken
/// and a non-ASCII body labelled UTF-8.
TEST(ReportMail, MessagesArriveWholeAtARealServer) {
    test::SmtpSink sink;
    ASSERT_EQ(sink.start().toStdString(), "");
    const QDateTime date(QDate(2024, 9, 8), QTime(18, 30), QTimeZone(3600));
    const QStringList body{"Week 5 results", ".", "..two", "", QString(1200, QLatin1Char('x')),
                           "Zo\u00eb Quill"};
    std::vector<MailMessage> messages;
    for (const QString& to : {QStringLiteral("ann@example.org"), QStringLiteral("bob@example.net")}) {
        messages.push_back(
            {to.left(3), to, composeMail("admin@example.org", to, "Results", false, body, date)});
    }

    SmtpClient client(10);
    QStringList progress;
    QString failure = QStringLiteral("(running)");
    QObject::connect(&client, &SmtpClient::progress, [&](const QString& text) { progress << text; });
    QObject::connect(&client, &SmtpClient::finished, [&](const QString& text) { failure = text; });
    client.start({QStringLiteral("127.0.0.1"), sink.port(), QStringLiteral("admin@example.org")}, messages);
    ASSERT_TRUE(test::waitFor([&] { return !client.isRunning(); }, 20000));
    EXPECT_EQ(failure.toStdString(), "");
    EXPECT_EQ(
        progress.join(QLatin1Char('|')).toStdString(),
        "Connecting...|Connected|Receiving Welcome Message|Sending Mail . . .\nann|Sending Mail . . .\nbob|"
        "Message Sent");

    const std::vector<test::SmtpSink::Message> received = sink.messages(2);
    ASSERT_EQ(received.size(), 2u);
    const QByteArray expected = "From: <admin@example.org>\r\n"
                                "To: bob@example.net\r\n"
                                "Subject: Results\r\n"
                                "Date: 08 Sep 2024 18:30:00 +0100\r\n"
                                "X-Mailer: Vornash v1.1\r\n"
                                "Mime-Version: 1.0\r\n"
                                "Content-Type: text/plain;\tcharset=utf-8\r\n"
                                "Content-Transfer-Encoding: 8bit\r\n"
                                "\r\n"
                                "Week 5 results\r\n.\r\n..two\r\n\r\n" +
                                QByteArray(998, 'x') + "\r\n" + QByteArray(202, 'x') +
                                "\r\nZo\xc3\xab Quill\r\n"
                                "\r\n";
    EXPECT_EQ(received[1].data.toStdString(), expected.toStdString());
    EXPECT_EQ(received[1].envelope, "admin@example.org\nbob@example.net\n");
    EXPECT_EQ(received[0].envelope, "admin@example.org\nann@example.org\n");
    EXPECT_TRUE(received[0].data.startsWith("From: <admin@example.org>\r\nTo: ann@example.org\r\n"));

    // An all-ASCII body keeps the plain header; header values stay on their line.
    const QByteArray html =
        composeMail("admin@example.org", "ann@example.org", "Line\r\nBcc: x", true, {}, date);
    EXPECT_TRUE(html.contains("Subject: Line  Bcc: x\r\n"));
    EXPECT_TRUE(html.endsWith("Content-Type: text/html;\tcharset=us-ascii\r\n\r\n"));
}

} // namespace
} // namespace vek
