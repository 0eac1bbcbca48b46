#pragma once

#include <QByteArray>
#include <QMap>
#include <QScopeGuard>
#include <QString>

#include <cups/cups.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <mutex>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

namespace vek::test {

/// A print server of the test's own on a free loopback port, in a thread of its own (the program's
/// side blocks the test's thread while it talks). It reads each IPP request over HTTP, records it, and
/// answers it as its script says: by default as a queue that takes jobs. Like cupsd, it gives of a
/// printer's attributes only those that the request asks for. Connections are served side by side.
class ScriptedPrintServer {
public:
    static constexpr int JobId = 7;

    struct Request {
        int operation = 0;
        QByteArray resource;
        int jobId = 0;
        QMap<QByteArray, QByteArray> attributes{}; // every attribute it carried, by name, as text

        /// Alike when they ask the same of the same place; what they carried is looked at by name.
        bool operator==(const Request& other) const {
            return operation == other.operation && resource == other.resource && jobId == other.jobId;
        }
        friend void PrintTo(const Request& request, std::ostream* out) {
            *out << ippOpString(static_cast<ipp_op_t>(request.operation)) << ' '
                 << request.resource.constData() << " job " << request.jobId;
        }
    };

    /// How one request is answered.
    struct Answer {
        int httpStatus = 200; // another one refuses the request without an IPP answer
        ipp_status_t status = IPP_STATUS_OK;
        std::function<void(ipp_t*)> attributes{}; // added to the answer, replacing those of their names
        bool silent = false;                      // nothing more is answered on the connection
    };
    using Script = std::function<Answer(const Request&)>;

    explicit ScriptedPrintServer(Script script = {}) : m_script(std::move(script)) {
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
        Request seen{ippGetOperation(request),
                     line.split(' ').value(1),
                     ippGetInteger(ippFindAttribute(request, "job-id", IPP_TAG_INTEGER), 0),
                     {}};
        for (ipp_attribute_t* attribute = ippFirstAttribute(request); attribute != nullptr;
             attribute = ippNextAttribute(request)) {
            if (ippGetName(attribute) != nullptr) {
                char text[2048];
                ippAttributeString(attribute, text, sizeof text);
                seen.attributes.insert(ippGetName(attribute), text);
            }
        }
        {
            const std::lock_guard lock(m_mutex);
            m_requests.push_back(seen);
        }
        const Answer answer = m_script ? m_script(seen) : Answer{};
        client.silent = client.silent || answer.silent;
        if (client.silent) {
            // nothing more on this connection
        } else if (answer.httpStatus != 200) {
            const bool unauthorized = answer.httpStatus == HTTP_STATUS_UNAUTHORIZED;
            send(client, "HTTP/1.1 " + QByteArray::number(answer.httpStatus) + ' ' +
                             httpStatus(static_cast<http_status_t>(answer.httpStatus)) + "\r\n" +
                             (unauthorized ? "WWW-Authenticate: Basic realm=\"CUPS\"\r\n" : "") +
                             "Content-Length: 0\r\n\r\n");
        } else {
            ipp_t* response = respond(request, answer);
            const QByteArray written = write(response);
            send(client, "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
                             QByteArray::number(written.size()) + "\r\n\r\n" + written);
            ippDelete(response);
        }
        ippDelete(request);
        return true;
    }

    static ipp_t* respond(ipp_t* request, const Answer& answer) {
        ipp_t* response = ippNewResponse(request);
        ippSetStatusCode(response, answer.status);
        if (answer.status <= IPP_STATUS_OK_CONFLICTING) {
            ippAddBoolean(response, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
            ippAddInteger(response, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
            ippAddInteger(response, IPP_TAG_JOB, IPP_TAG_INTEGER, "job-id", JobId);
        }
        if (answer.attributes) {
            ipp_t* scripted = ippNew();
            answer.attributes(scripted);
            for (ipp_attribute_t* attribute = ippFirstAttribute(scripted); attribute != nullptr;
                 attribute = ippNextAttribute(scripted)) {
                if (ipp_attribute_t* replaced =
                        ippFindAttribute(response, ippGetName(attribute), IPP_TAG_ZERO)) {
                    ippDeleteAttribute(response, replaced);
                }
                ippCopyAttribute(response, attribute, 0);
            }
            ippDelete(scripted);
        }
        ipp_attribute_t* wanted = ippFindAttribute(request, "requested-attributes", IPP_TAG_KEYWORD);
        if (wanted != nullptr && !ippContainsString(wanted, "all")) {
            std::vector<ipp_attribute_t*> unwanted;
            for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute != nullptr;
                 attribute = ippNextAttribute(response)) {
                if (ippGetGroupTag(attribute) == IPP_TAG_PRINTER &&
                    !ippContainsString(wanted, ippGetName(attribute))) {
                    unwanted.push_back(attribute);
                }
            }
            for (ipp_attribute_t* attribute : unwanted) {
                ippDeleteAttribute(response, attribute);
            }
        }
        return response;
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

    static QByteArray write(ipp_t* response) {
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

    Script m_script;
    int m_listener = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop = false;
    std::mutex m_mutex;
    std::vector<Request> m_requests;
    std::thread m_thread;
};

/// Points this thread's libcups at `address` until the returned guard ends.
inline auto useServer(const QString& address) {
    cupsSetServer(address.toUtf8().constData());
    return qScopeGuard([] { cupsSetServer(nullptr); });
}

} // namespace vek::test
