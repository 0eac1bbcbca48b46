// A Send Email to several members, without the window: who is left out for the address, who the server
// refuses, who is mailed, and a server whose reply never ends.
#include "output/reportmail.h"
#include "output/smtpclient.h"
#include "reports/reportchoice.h"
#include "session/poolsession.h"
#include "smtpsink.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace vek {
namespace {

const QString Admin = QStringLiteral("pool.admin@example.org");

class MailSession : public ::testing::Test {
protected:
    MailSession() {
        // member<n>@example.org
        test::fillSamplePool(session.pool(), {"Ann Avery", "Bob Burns", "Cy Cole", "Di Dunn"}, 4);
        session.mail = {QStringLiteral("127.0.0.1"), 25, Admin};
        QObject::connect(&client, &SmtpClient::finished, [this](const MailOutcome& result) {
            outcome = result;
            finished = true;
        });
    }

    /// The season form for these members, as Send Email prepares it.
    PreparedMail prepare(const std::vector<int>& members) {
        ReportChoice choice;
        choice.report = ReportOption::SeasonForm;
        choice.fileName = QStringLiteral("season.txt");
        return prepareReportMail(session, choice, members, QStringLiteral("Season Schedule / Entry Form"),
                                 QDateTime::currentDateTime(), [](const QString&) {});
    }
    /// Sends the messages and waits for the end of the session.
    void send(quint16 port, std::vector<MailMessage> messages) {
        finished = false;
        client.start({QStringLiteral("127.0.0.1"), port, Admin}, std::move(messages));
        ASSERT_TRUE(test::waitFor([this] { return finished; }, 20000));
    }

    test::TempFolder temp;
    PoolSession session{temp.folder()};
    SmtpClient client; // the program's ticks: a time-out takes 30 seconds
    MailOutcome outcome;
    bool finished = false;
};

// The real server refuses Cy's address: the session resets and Di is still mailed.
TEST_F(MailSession, MembersLeftOutOrRefusedAreListedAndTheOthersMailed) {
    PoolData& pool = session.pool();
    pool.memberEmail[1] = QStringLiteral("   ");
    test::SmtpSink sink;
    ASSERT_EQ(sink.start().toStdString(), "");
    pool.memberEmail[2] = QStringLiteral("refused.cy@example.org");
    PreparedMail prepared = prepare({0, 1, 2, 3});
    ASSERT_EQ(prepared.failure.toStdString(), "");
    send(sink.port(), std::move(prepared.messages));

    EXPECT_EQ(mailSummary(4, prepared.skipped, outcome).toStdString(),
              "Mailed to 2 of 4 members selected. Not mailed:\nBob Burns: no e-mail address\n"
              "Cy Cole: refused by the server: 550 5.1.1 No such member here");
    const std::vector<test::SmtpSink::Message> received = sink.messages(2);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].envelope, Admin.toLatin1() + "\nmember0@example.org\n");
    EXPECT_EQ(received[1].envelope, Admin.toLatin1() + "\nmember3@example.org\n");
    EXPECT_TRUE(received[1].data.contains("\r\nTo: member3@example.org\r\n"));
    EXPECT_EQ(mailSummary(2, {}, {2, {}, {}}), QString()); // everyone mailed: nothing to say
}

// An address that is not of the form name@domain is left out like a missing one, and named at the end.
TEST_F(MailSession, AnAddressNotOfTheFormIsLeftOutAndNamed) {
    session.pool().memberEmail[1] = QStringLiteral(" bob.burns ");
    const PreparedMail prepared = prepare({0, 1});
    ASSERT_EQ(prepared.messages.size(), 1u);
    EXPECT_EQ(mailSummary(2, prepared.skipped, {1, {}, {}}).toStdString(),
              "Mailed to 1 of 2 members selected. Not mailed:\nBob Burns: an e-mail address not of the form "
              "name@domain");
}

// A greeting of endless "220-" lines is given up at the bound, long before the time-out.
TEST_F(MailSession, AReplyThatNeverEndsIsGivenUpAtItsBound) {
    test::ScriptedServer server({}, QByteArray("220-mail.example.org at your service\r\n").repeated(100));
    QElapsedTimer clock;
    clock.start();
    send(server.port(), prepare({0, 3}).messages);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(mailSummary(2, {}, outcome).toStdString(),
              "Server returned the following error:\n220-mail.example.org at your service ...\n(a reply "
              "longer than 65536 bytes)\n\nMailed to 0 of 2 members selected. Not mailed:\nAnn Avery: not "
              "sent\nDi Dunn: not sent");
}

} // namespace
} // namespace vek
