// A queue's conversation with the print server, against a scripted server: where its requests go, the
// cancel of a job whose server fell silent, and the reason given for a server that cannot be reached.
#include "output/cupsqueue.h"
#include "support/tempfolder.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QScopeGuard>
#include <QTcpServer>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

namespace vek {
namespace {

constexpr int JobId = 7;

/// A print server of the test's own on a free loopback port, in a thread of its own (the queue blocks
/// the test's thread while it talks). It reads each IPP request over HTTP, records it, and answers it
/// as a queue that takes jobs, unless the script says to fall silent: then it answers nothing more on
/// that connection. Connections are served side by side.
class ScriptedPrintServer {
public:
    struct Request {
        int operation = 0;
        QByteArray resource;
        int jobId = 0;
        bool operator==(const Request&) const = default;
        friend void PrintTo(const Request& request, std::ostream* out) {
            *out << ippOpString(static_cast<ipp_op_t>(request.operation)) << ' '
                 << request.resource.constData() << " job " << request.jobId;
        }
    };
    using FallsSilent = std::function<bool(const Request&)>;

    explicit ScriptedPrintServer(FallsSilent fallsSilent) : m_fallsSilent(std::move(fallsSilent)) {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            ::listen(m_listener, 8) == 0 &&
            ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
            m_port = ntohs(address.sin_port);
        }
        m_thread = std::thread([this] { serve(); });
    }
    ~ScriptedPrintServer() {
        m_stop = true;
        m_thread.join();
        ::close(m_listener);
    }
    ScriptedPrintServer(const ScriptedPrintServer&) = delete;
    ScriptedPrintServer& operator=(const ScriptedPrintServer&) = delete;

    [[nodiscard]] QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    [[nodiscard]] std::vector<Request> requests() {
        const std::lock_guard lock(m_mutex);
        return m_requests;
    }

private:
    struct Client {
        int fd = -1;
        QByteArray in;
        bool continued = false; // a "100 Continue" was sent for the request being read
        bool silent = false;
    };

    void serve() {
        std::vector<Client> clients;
        while (!m_stop) {
            std::vector<pollfd> fds{{m_listener, POLLIN, 0}};
            for (const Client& client : clients) {
                fds.push_back({client.fd, POLLIN, 0});
            }
            if (::poll(fds.data(), fds.size(), 50) <= 0) {
                continue;
            }
            for (std::size_t i = clients.size(); i-- > 0;) {
                if (fds[i + 1].revents == 0) {
                    continue;
                }
                char buffer[65536];
                const ssize_t got = ::read(clients[i].fd, buffer, sizeof buffer);
                if (got <= 0) {
                    ::close(clients[i].fd);
                    clients.erase(clients.begin() + static_cast<std::ptrdiff_t>(i));
                    continue;
                }
                clients[i].in.append(buffer, got);
                while (answerOne(clients[i])) {
                }
            }
            if ((fds[0].revents & POLLIN) != 0) {
                Client client;
                client.fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
                clients.push_back(client);
            }
        }
        for (const Client& client : clients) {
            ::close(client.fd);
        }
    }

    /// Answers the first whole request the client sent; false when there is none yet.
    bool answerOne(Client& client) {
        const qsizetype headerEnd = client.in.indexOf("\r\n\r\n");
        if (headerEnd < 0) {
            return false;
        }
        const QByteArray header = client.in.left(headerEnd).toLower();
        if (header.contains("expect: 100-continue") && !client.continued && !client.silent) {
            send(client, "HTTP/1.1 100 Continue\r\n\r\n");
            client.continued = true;
        }
        qsizetype end = headerEnd + 4;
        const std::optional<QByteArray> body = header.contains("transfer-encoding: chunked")
                                                   ? chunkedBody(client.in, end)
                                                   : sizedBody(client.in, header, end);
        if (!body) {
            return false;
        }
        const QByteArray line = client.in.left(client.in.indexOf("\r\n"));
        client.in.remove(0, end);
        client.continued = false;

        ipp_t* request = parse(*body);
        const Request seen{ippGetOperation(request), line.split(' ').value(1),
                           ippGetInteger(ippFindAttribute(request, "job-id", IPP_TAG_INTEGER), 0)};
        {
            const std::lock_guard lock(m_mutex);
            m_requests.push_back(seen);
        }
        client.silent = client.silent || m_fallsSilent(seen);
        if (!client.silent) {
            ipp_t* response = ippNewResponse(request);
            ippAddBoolean(response, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
            ippAddInteger(response, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
            ippAddInteger(response, IPP_TAG_JOB, IPP_TAG_INTEGER, "job-id", JobId);
            const QByteArray answer = written(response);
            send(client, "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
                             QByteArray::number(answer.size()) + "\r\n\r\n" + answer);
            ippDelete(response);
        }
        ippDelete(request);
        return true;
    }

    static std::optional<QByteArray> sizedBody(const QByteArray& in, const QByteArray& header,
                                               qsizetype& end) {
        const qsizetype field = header.indexOf("content-length:");
        const qsizetype size =
            field < 0
                ? 0
                : header.mid(field + 15, header.indexOf("\r\n", field) - field - 15).trimmed().toLongLong();
        if (in.size() < end + size) {
            return std::nullopt;
        }
        end += size;
        return in.mid(end - size, size);
    }

    static std::optional<QByteArray> chunkedBody(const QByteArray& in, qsizetype& end) {
        QByteArray body;
        for (;;) {
            const qsizetype lineEnd = in.indexOf("\r\n", end);
            if (lineEnd < 0) {
                return std::nullopt;
            }
            bool ok = false;
            const qsizetype size = in.mid(end, lineEnd - end).trimmed().toLongLong(&ok, 16);
            if (!ok || in.size() < lineEnd + 2 + size + 2) {
                return std::nullopt;
            }
            body += in.mid(lineEnd + 2, size);
            end = lineEnd + 2 + size + 2;
            if (size == 0) {
                return body;
            }
        }
    }

    static ipp_t* parse(const QByteArray& body) {
        struct Reader {
            const QByteArray* data;
            qsizetype at;
        } reader{&body, 0};
        ipp_t* request = ippNew();
        ippReadIO(
            &reader,
            [](void* context, ipp_uchar_t* buffer, size_t bytes) -> ssize_t {
                auto* from = static_cast<Reader*>(context);
                const qsizetype count =
                    std::min<qsizetype>(static_cast<qsizetype>(bytes), from->data->size() - from->at);
                std::memcpy(buffer, from->data->constData() + from->at, static_cast<size_t>(count));
                from->at += count;
                return count;
            },
            1, nullptr, request);
        return request;
    }

    static QByteArray written(ipp_t* response) {
        QByteArray out;
        ippWriteIO(
            &out,
            [](void* context, ipp_uchar_t* buffer, size_t bytes) -> ssize_t {
                static_cast<QByteArray*>(context)->append(reinterpret_cast<const char*>(buffer),
                                                          static_cast<qsizetype>(bytes));
                return static_cast<ssize_t>(bytes);
            },
            1, nullptr, response);
        return out;
    }

    // A client that is gone already gets nothing, and the test process no SIGPIPE.
    static void send(const Client& client, const QByteArray& bytes) {
        ::send(client.fd, bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL);
    }

    FallsSilent m_fallsSilent;
    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop = false;
    std::mutex m_mutex;
    std::vector<Request> m_requests;
    std::thread m_thread;
};

/// Points libcups at `address` until the returned guard ends.
auto useServer(const QString& address) {
    cupsSetServer(address.toUtf8().constData());
    return qScopeGuard([] { cupsSetServer(nullptr); });
}

TEST(CupsQueue, RequestsAboutAQueueGoToTheQueue) {
    ScriptedPrintServer server([](const ScriptedPrintServer::Request&) { return false; });
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
        return request.operation == IPP_OP_SEND_DOCUMENT;
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
