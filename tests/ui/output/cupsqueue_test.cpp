// A queue's conversation with the print server, against a scripted server: where its requests go, the
// cancel of a job whose server fell silent, the server's own reasons, and the reason given for a server
// that cannot be reached.
#include "output/cupsqueue.h"
#include "support/scriptedprintserver.h"
#include "support/tempfolder.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace vek {
namespace {

using test::ScriptedPrintServer;
using test::useServer;
constexpr int JobId = ScriptedPrintServer::JobId;

TEST(CupsQueue, RequestsAboutAQueueGoToTheQueue) {
    ScriptedPrintServer server;
    const auto restore = useServer(server.address());
    test::TempFolder temp;
    temp.write(QStringLiteral("job.pdf"), "%PDF-1.4 a report");

    CupsQueue queue(QStringLiteral("VekTestPdf/draft"), 5000);
    EXPECT_EQ(queue.state().refusal.toStdString(), "");
    const QString submitted = queue.submit(temp.filePath(QStringLiteral("job.pdf")),
                                           QStringLiteral("Kestrelmoor"), PageOrientation::Portrait);
    EXPECT_EQ(submitted.toStdString(), "");
    const QByteArray resource = "/printers/VekTestPdf";
    EXPECT_EQ(server.requests(),
              (std::vector<ScriptedPrintServer::Request>{{IPP_OP_GET_PRINTER_ATTRIBUTES, resource, 0},
                                                         {IPP_OP_CREATE_JOB, resource, 0},
                                                         {IPP_OP_SEND_DOCUMENT, resource, JobId}}));
}

// The server takes the job and falls silent while the document comes: the queue gives up on it, and
// the job is still cancelled on a conversation of its own.
TEST(CupsQueue, AJobWhoseServerFellSilentIsCancelled) {
    constexpr int SpanMs = 1000;
    ScriptedPrintServer server([](const ScriptedPrintServer::Request& request) {
        return ScriptedPrintServer::Answer{.silent = request.operation == IPP_OP_SEND_DOCUMENT};
    });
    const auto restore = useServer(server.address());
    test::TempFolder temp;
    temp.write(QStringLiteral("job.pdf"), "%PDF-1.4 a report");

    CupsQueue queue(QStringLiteral("VekTestPdf"), SpanMs);
    ASSERT_EQ(queue.state().refusal.toStdString(), "");
    QElapsedTimer clock;
    clock.start();
    const QString submitted = queue.submit(temp.filePath(QStringLiteral("job.pdf")),
                                           QStringLiteral("Kestrelmoor"), PageOrientation::Portrait);
    EXPECT_EQ(submitted.toStdString(),
              QStringLiteral("the print server %1 does not answer").arg(server.address()).toStdString());
    // The span and the cancel's allowance, with room for a loaded machine.
    EXPECT_LT(clock.elapsed(), 4 * SpanMs + CupsQueue::CancelAllowanceMs);
    const std::vector<ScriptedPrintServer::Request> requests = server.requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().operation, IPP_OP_CANCEL_JOB);
    EXPECT_EQ(requests.back().jobId, JobId);
}

// The server's own reason reaches the user: a printer found on the network that the server reports it
// cannot set up is given up at once, not after the span (but one that is idle prints, errors reported
// or not), and a document refused without a message is refused with what the server says of the job.
TEST(CupsQueue, TheServersReasonIsGiven) {
    using Answer = ScriptedPrintServer::Answer;
    // The server knows the printer once it made its queue, and keeps it in `state`, saying why.
    const auto settingUpFails = [](const char* message, std::vector<const char*> reasons,
                                   ipp_pstate_t state = IPP_PSTATE_STOPPED) {
        return [made = false, message, reasons, state](const ScriptedPrintServer::Request& request) mutable {
            made = made || request.operation == IPP_OP_CUPS_CREATE_LOCAL_PRINTER;
            if (request.operation != IPP_OP_GET_PRINTER_ATTRIBUTES) {
                return Answer{};
            }
            if (!made) {
                return Answer{.status = IPP_STATUS_ERROR_NOT_FOUND};
            }
            return Answer{.attributes = [message, reasons, state](ipp_t* printer) {
                ippAddInteger(printer, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", state);
                ippAddString(printer, IPP_TAG_PRINTER, IPP_TAG_TEXT, "printer-state-message", nullptr,
                             message);
                ippAddStrings(printer, IPP_TAG_PRINTER, IPP_TAG_KEYWORD, "printer-state-reasons",
                              static_cast<int>(reasons.size()), nullptr, reasons.data());
            }};
        };
    };
    const struct {
        ScriptedPrintServer::Script script;
        QString refusal;
        QString submitted{}; // what the submit gives where the queue takes jobs
    } cases[] = {
        {settingUpFails("Unable to connect to lobby.local:631: Host is down", {"other-error"}),
         QStringLiteral("the print server could not set up this printer: Unable to connect to "
                        "lobby.local:631: Host is down")},
        {settingUpFails("", {"connecting-to-device", "other-error"}),
         QStringLiteral("the print server could not set up this printer: connecting-to-device, other-error")},
        {settingUpFails("", {"media-empty-error"}, IPP_PSTATE_IDLE), QString()},
        {[](const ScriptedPrintServer::Request& request) {
             if (request.operation != IPP_OP_SEND_DOCUMENT) {
                 return Answer{};
             }
             return Answer{.status = IPP_STATUS_ERROR_JOB_CANCELED, .attributes = [](ipp_t* job) {
                               ippAddString(job, IPP_TAG_JOB, IPP_TAG_TEXT, "job-state-message", nullptr,
                                            "Canceled by the administrator.");
                           }};
         },
         QString(), QStringLiteral("Canceled by the administrator.")},
    };
    test::TempFolder temp;
    temp.write(QStringLiteral("job.pdf"), "%PDF-1.4 a report");
    for (const auto& c : cases) {
        ScriptedPrintServer server(c.script);
        const auto restore = useServer(server.address());
        CupsQueue queue(QStringLiteral("Lobby_Colour"), 5000,
                        QStringLiteral("ipp://lobby.local:631/ipp/print"));
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(queue.state().refusal.toStdString(), c.refusal.toStdString());
        EXPECT_LT(clock.elapsed(), 2500);
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(queue
                          .submit(temp.filePath(QStringLiteral("job.pdf")), QStringLiteral("Kestrelmoor"),
                                  PageOrientation::Portrait)
                          .toStdString(),
                      c.submitted.toStdString());
        }
    }
}

TEST(CupsConnection, AServerThatCannotBeReachedIsNamedWithTheReason) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString closedPort = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    probe.close();
    const struct {
        QString server;
        int error;
    } cases[] = {{closedPort, ECONNREFUSED}, {QStringLiteral("/nonexistent-vek-cups/cups.sock"), ENOENT}};
    for (const auto& unreachable : cases) {
        const auto restore = useServer(unreachable.server);
        const CupsConnection connection(2000);
        EXPECT_EQ(connection.failure().toStdString(),
                  QStringLiteral("the print server %1 cannot be reached (%2)")
                      .arg(unreachable.server, QString::fromLocal8Bit(std::strerror(unreachable.error)))
                      .toStdString());
    }
}

} // namespace
} // namespace vek
