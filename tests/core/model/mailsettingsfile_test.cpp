// defaultserver.dat: start-up's reading, the settings window's reading, the check of the window's
// boxes and the writer.
#include "model/mailsettingsfile.h"
#include "support/filetext.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString FileName = QStringLiteral("defaultserver.dat");

MailSettings startupRead(const test::TempFolder& dir, MailSettings mail = {}) {
    readMailSettings(dir.folder(), mail);
    return mail;
}

TEST(MailSettingsFile, StartUpReadsTheFirstThreeValues) {
    test::TempFolder dir;
    MailSettings before{QStringLiteral("kept"), 99, QStringLiteral("kept@example.org")};
    EXPECT_EQ(startupRead(dir, before).smtpServer, QStringLiteral("kept")); // no file: nothing changes
    EXPECT_EQ(startupRead(dir, before).smtpPort, 99);

    dir.write(FileName, test::fileOf({"none", " 0 ", "none"}));
    MailSettings mail = startupRead(dir, before);
    EXPECT_EQ(mail.smtpServer, QStringLiteral("none"));
    EXPECT_EQ(mail.smtpPort, 0);
    EXPECT_EQ(mail.senderEmail, QStringLiteral("none"));

    // Two groups: start-up takes the first.
    dir.write(FileName, test::fileOf({"a.example.org", "2525", "a@example.org", "b.example.org", "25",
                                      "b@example.org"}));
    mail = startupRead(dir);
    EXPECT_EQ(mail.smtpServer, QStringLiteral("a.example.org"));
    EXPECT_EQ(mail.smtpPort, 2525);
    EXPECT_EQ(mail.senderEmail, QStringLiteral("a@example.org"));

    // A short file leaves the rest as it was.
    dir.write(FileName, test::fileOf({"only.example.org"}));
    mail = startupRead(dir, before);
    EXPECT_EQ(mail.smtpServer, QStringLiteral("only.example.org"));
    EXPECT_EQ(mail.smtpPort, 99);
    EXPECT_EQ(mail.senderEmail, QStringLiteral("kept@example.org"));
}

TEST(MailSettingsFile, StartUpSkipsAPortThatIsNoPort) {
    test::TempFolder dir;
    for (const char* port : {"70000", "-25", "abc", ""}) {
        dir.write(FileName, test::fileOf({"smtp.example.org", port, "me@example.org"}));
        const MailSettings mail = startupRead(dir);
        EXPECT_EQ(mail.smtpPort, 0) << port;
        EXPECT_EQ(mail.senderEmail, QStringLiteral("me@example.org")) << port;
    }
    dir.write(FileName, test::fileOf({"smtp.example.org", "65535", "me@example.org"}));
    EXPECT_EQ(startupRead(dir).smtpPort, 65535); // beyond 16 bits, still a port

    // An unquoted comma, as older files hold it, splits the server name and shifts the rest.
    dir.write(FileName, test::fileOf({"smtp,example.org", "25", "me@example.org"}));
    const MailSettings shifted = startupRead(dir);
    EXPECT_EQ(shifted.smtpServer, QStringLiteral("smtp"));
    EXPECT_EQ(shifted.smtpPort, 0);
    EXPECT_EQ(shifted.senderEmail, QStringLiteral("25"));
}

TEST(MailSettingsFile, WindowReadsEveryGroupAndTheLastWins) {
    test::TempFolder dir;
    MailFileContent content = readMailSettingsGroups(dir.folder());
    EXPECT_EQ(content.status, MailFileStatus::Missing);
    EXPECT_FALSE(content.server || content.port || content.address);

    dir.write(FileName, "");
    content = readMailSettingsGroups(dir.folder());
    EXPECT_EQ(content.status, MailFileStatus::Read);
    EXPECT_FALSE(content.server || content.port || content.address);

    // A final empty line does not start another group.
    dir.write(FileName, test::fileOf({"a.example.org", "2525", "a@example.org", "b.example.org", " 0 ",
                                      "b@example.org", ""}));
    content = readMailSettingsGroups(dir.folder());
    EXPECT_EQ(content.status, MailFileStatus::Read);
    EXPECT_EQ(content.server, QStringLiteral("b.example.org"));
    EXPECT_EQ(content.port, 0);
    EXPECT_EQ(content.address, QStringLiteral("b@example.org"));
}

TEST(MailSettingsFile, WindowStopsAtTheFirstDamage) {
    test::TempFolder dir;
    // The file ends within the second group: its server was read, the rest is the first group's.
    dir.write(FileName, test::fileOf({"a.example.org", "2525", "a@example.org", "b.example.org"}));
    MailFileContent content = readMailSettingsGroups(dir.folder());
    EXPECT_EQ(content.status, MailFileStatus::Damaged);
    EXPECT_EQ(content.server, QStringLiteral("b.example.org"));
    EXPECT_EQ(content.port, 2525);
    EXPECT_EQ(content.address, QStringLiteral("a@example.org"));

    // A port that is no port ends the reading; the address after it is not taken.
    dir.write(FileName, test::fileOf({"a.example.org", "many", "a@example.org"}));
    content = readMailSettingsGroups(dir.folder());
    EXPECT_EQ(content.status, MailFileStatus::Damaged);
    EXPECT_EQ(content.server, QStringLiteral("a.example.org"));
    EXPECT_FALSE(content.port);
    EXPECT_FALSE(content.address);

    // There, but not readable.
    test::TempFolder other;
    ASSERT_TRUE(QDir(other.path()).mkdir(FileName));
    content = readMailSettingsGroups(other.folder());
    EXPECT_EQ(content.status, MailFileStatus::Damaged);
    EXPECT_FALSE(content.server);
}

TEST(MailSettingsFile, WhitespaceAtTheEndCompletesAGroupButStartsNone) {
    struct Case {
        const char* name;
        QByteArray bytes;
        MailFileStatus status;
        std::optional<QString> address; // as the window reads it
        QString startupAddress;         // as start-up reads it over "kept"
    };
    const QString kept = QStringLiteral("kept");
    const Case cases[] = {
        {"address of blanks", "a\r\n25\r\n   \r\n", MailFileStatus::Read, QString(), QString()},
        {"address of blanks, no line end", "a\r\n25\r\n \t ", MailFileStatus::Read, QString(), QString()},
        {"empty address line", "a\n25\n\n", MailFileStatus::Read, QString(), QString()},
        {"stray lines after a whole group", "a\r\n25\r\nb\r\n  \r\n\r\n", MailFileStatus::Read,
         QStringLiteral("b"), QStringLiteral("b")},
        {"port of blanks", "a\r\n  \r\n  \r\n", MailFileStatus::Damaged, std::nullopt, QString()},
        {"nothing but whitespace", " \r\n \r\n", MailFileStatus::Read, std::nullopt, kept},
    };
    for (const Case& c : cases) {
        test::TempFolder dir;
        dir.write(FileName, c.bytes);
        const MailFileContent content = readMailSettingsGroups(dir.folder());
        EXPECT_EQ(content.status, c.status) << c.name;
        EXPECT_EQ(content.address, c.address) << c.name;
        EXPECT_EQ(startupRead(dir, {kept, 99, kept}).senderEmail, c.startupAddress) << c.name;
    }
}

TEST(MailSettingsFile, BoxesAreTrimmedAndChecked) {
    struct Case {
        const char* server;
        const char* port;
        const char* address;
        MailInputProblem problem;
        const char* expectServer;
        int32_t expectPort;
        const char* expectAddress;
    };
    const Case cases[] = {
        {"smtp.example.org", "587", "me@example.org", MailInputProblem::None, "smtp.example.org", 587,
         "me@example.org"},
        {"  smtp.example.org ", " 25 ", " me@example.org\t", MailInputProblem::None, "smtp.example.org", 25,
         "me@example.org"},
        {"", "", "", MailInputProblem::None, "none", 0, "none"},
        {"   ", "  ", " ", MailInputProblem::None, "none", 0, "none"},
        {"a", "1", "b", MailInputProblem::None, "a", 1, "b"},
        {"a", "65535", "b", MailInputProblem::None, "a", 65535, "b"},
        {"a", "0025", "b", MailInputProblem::None, "a", 25, "b"},
        {"smtp,example.org", "25", "me, myself", MailInputProblem::None, "smtp,example.org", 25,
         "me, myself"},
        {"a", "0", "b", MailInputProblem::None, "a", 0, "b"}, // 0: not set
        {"a", "65536", "b", MailInputProblem::Port, "", 0, ""},
        {"a", "-25", "b", MailInputProblem::Port, "", 0, ""},
        {"a", "+25", "b", MailInputProblem::Port, "", 0, ""},
        {"a", "2 5", "b", MailInputProblem::Port, "", 0, ""},
        {"a", "25.0", "b", MailInputProblem::Port, "", 0, ""},
        {"a", "smtp", "b", MailInputProblem::Port, "", 0, ""},
        {"a", "99999999999", "b", MailInputProblem::Port, "", 0, ""},
        {"a", "\xd9\xa3", "b", MailInputProblem::Port, "", 0, ""}, // a digit, but not 0-9
        {"smtp\"x", "25", "b", MailInputProblem::Text, "", 0, ""},
        {"a", "25", "me\r\nBcc: x", MailInputProblem::Text, "", 0, ""},
        {"a\nb", "25", "b", MailInputProblem::Text, "", 0, ""},
    };
    for (const Case& c : cases) {
        const MailInput input = checkMailSettingsInput(QString::fromUtf8(c.server), QString::fromUtf8(c.port),
                                                       QString::fromUtf8(c.address));
        const QString name = QStringLiteral("[%1|%2|%3]").arg(c.server, c.port, c.address);
        EXPECT_EQ(input.problem, c.problem) << name.toStdString();
        if (c.problem == MailInputProblem::None) {
            EXPECT_EQ(input.settings.smtpServer, QString::fromUtf8(c.expectServer)) << name.toStdString();
            EXPECT_EQ(input.settings.smtpPort, c.expectPort) << name.toStdString();
            EXPECT_EQ(input.settings.senderEmail, QString::fromUtf8(c.expectAddress)) << name.toStdString();
        }
    }
}

TEST(MailSettingsFile, WrittenLinesReadBackTheSame) {
    test::TempFolder dir;
    ASSERT_TRUE(writeMailSettings(dir.folder(), {QStringLiteral("none"), 0, QStringLiteral("none")}).ok);
    EXPECT_EQ(dir.read(FileName), QByteArray("none\r\n 0 \r\nnone\r\n"));

    const MailSettings comma{QStringLiteral("smtp,example.org"), 587,
                             QStringLiteral("Pool, Admin <a@b.org>")};
    ASSERT_TRUE(writeMailSettings(dir.folder(), comma).ok);
    EXPECT_EQ(dir.read(FileName), QByteArray("\"smtp,example.org\"\r\n587\r\n\"Pool, Admin <a@b.org>\"\r\n"));
    const MailSettings read = startupRead(dir);
    EXPECT_EQ(read.smtpServer, comma.smtpServer);
    EXPECT_EQ(read.smtpPort, 587);
    EXPECT_EQ(read.senderEmail, comma.senderEmail);
    const MailFileContent content = readMailSettingsGroups(dir.folder());
    EXPECT_EQ(content.status, MailFileStatus::Read);
    EXPECT_EQ(content.server, comma.smtpServer);
    EXPECT_EQ(content.address, comma.senderEmail);

    const WriteResult failed =
        writeMailSettings(DataFolder(QStringLiteral("/nonexistent-pool-folder/sub")), comma);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.fileName, FileName);
    EXPECT_FALSE(failed.reason.isEmpty());
}

} // namespace
} // namespace vek
