// The e-mail of a report: the settings that count as set, and a member's message as it follows DATA.
#include "model/mailsettingsfile.h"
#include "output/reportmail.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(ReportMail, SettingsThatAreNotSet) {
    const std::pair<MailSettings, const char*> cases[] = {
        {{"none", 0, "none"}, "Please enter your SMTP Server"},
        {{"", 25, "admin@example.org"}, "Please enter your SMTP Server"},
        {{"mail.example.org", 0, "admin@example.org"}, "Please enter your SMTP Port"},
        {{"mail.example.org", 25, ""}, "Please enter your eMail address"},
        {{"mail.example.org", 25, "admin@example.org>\r\nBcc: <x@example.org"},
         "Please enter your eMail address"},
        {{"mail.example.org", 25, "admin"}, ""}, // the server decides on its own sender
        {{"mail.example.org", 25, "admin@example.org"}, ""}};
    for (const auto& [mail, missing] : cases) {
        EXPECT_EQ(missingMailSetting(mail).toStdString(), missing) << mail.senderEmail.toStdString();
    }
}

// A body line starting with "." gets a second one, a line longer than 998 bytes is broken, a body that
// is not all ASCII is labelled UTF-8; a header value stays on its line. An ASCII body keeps the header.
TEST(ReportMail, TheMessageAsItFollowsData) {
    const QDateTime date(QDate(2024, 9, 8), QTime(18, 30), QTimeZone(3600));
    const QStringList body{"Week 5", ".", "..two", "", QString(1200, QLatin1Char('x')), "Zo\u00eb Quill"};
    EXPECT_EQ(
        composeMail("admin@example.org", "bob@example.net", "A\r\nBcc: x", false, body, date).toStdString(),
        ("From: <admin@example.org>\r\nTo: bob@example.net\r\nSubject: A  Bcc: x\r\n"
         "Date: 08 Sep 2024 18:30:00 +0100\r\nX-Mailer: Vornash v1.1\r\nMime-Version: 1.0\r\n"
         "Content-Type: text/plain;\tcharset=utf-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n"
         "Week 5\r\n..\r\n...two\r\n\r\n" +
         QByteArray(998, 'x') + "\r\n" + QByteArray(202, 'x') + "\r\nZo\xc3\xab Quill\r\n")
            .toStdString());
    EXPECT_TRUE(composeMail("admin@example.org", "bob@example.net", "Results", true, {"ok"}, date)
                    .endsWith("\r\nContent-Type: text/html;\tcharset=us-ascii\r\n\r\nok\r\n"));
}

// An address must be of the form name@domain, and nothing in it may end the command it stands in.
TEST(ReportMail, AddressesThatCannotTakeMail) {
    const char* const NotOfTheForm = "an e-mail address not of the form name@domain";
    const char* const CannotCarry = "an e-mail address that mail cannot carry";
    const std::pair<const char*, const char*> cases[] = {
        {"ann@example.org", ""},
        {"bo.b+pool@mail.example.org", ""},
        {"", "no e-mail address"},
        {"cy.example.org", NotOfTheForm},
        {"di@", NotOfTheForm},
        {"@example.org", NotOfTheForm},
        {"ed@home@example.org", NotOfTheForm},
        {"fay dunn@example.org", NotOfTheForm},
        {"gil@example.org>\r\nRCPT TO:<x@example.org", CannotCarry},
        {"<hal@example.org>", CannotCarry}};
    for (const auto& [address, problem] : cases) {
        EXPECT_EQ(addressProblem(QString::fromUtf8(address)).toStdString(), problem) << address;
    }
}

} // namespace
} // namespace vek
