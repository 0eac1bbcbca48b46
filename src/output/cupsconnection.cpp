#include "output/cupsconnection.h"

#include <cups/cups.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace vek {
namespace {

// How often a wait asks whether the span is used up: the span may run over by this much.
constexpr double TickSeconds = 0.25;

/// Why a connection to the server fails, found by a connection of our own within `withinMs`; "" when
/// it does not fail at once or in that time. libcups gives "Host is down" for any failed connection.
QString connectionError(const char* server, int port, int withinMs) {
    const QDeadlineTimer until(withinMs);
    http_addrlist_t* addresses = httpAddrGetList(server, AF_UNSPEC, QByteArray::number(port).constData());
    int error = 0;
    for (http_addrlist_t* address = addresses; address != nullptr && error == 0 && !until.hasExpired();
         address = address->next) {
        const int fd =
            ::socket(httpAddrFamily(&address->addr), SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            continue;
        }
        if (::connect(fd, &address->addr.addr, static_cast<socklen_t>(httpAddrLength(&address->addr))) != 0) {
            error = errno;
            if (error == EINPROGRESS) {
                error = 0;
                pollfd connecting{fd, POLLOUT, 0};
                socklen_t size = sizeof error;
                if (::poll(&connecting, 1, static_cast<int>(until.remainingTime())) == 1) {
                    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
                }
            }
        }
        ::close(fd);
    }
    httpAddrFreeList(addresses);
    return error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : QString();
}

/// The program has no password to give the server, and libcups' own way to get one asks on the
/// terminal, where it waits for good.
const char* noPassword(const char* /*prompt*/, http_t* /*http*/, const char* /*method*/,
                       const char* /*resource*/, void* /*data*/) {
    return nullptr;
}

} // namespace

CupsConnection::CupsConnection(int answerMs) : m_leftMs(answerMs) {
    // libcups keeps the password callback per thread, as it keeps the server: set on each thread that
    // talks (the window's, and the list's worker).
    cupsSetPasswordCB2(noPassword, nullptr);
    const char* server = cupsServer();
    const int port = ippPort();
    m_server = server[0] == '/' ? QString::fromUtf8(server)
                                : QStringLiteral("%1:%2").arg(QString::fromUtf8(server)).arg(port);
    // Made without connecting, so that the connection itself keeps to the span as well.
    m_http = httpConnect2(server, port, nullptr, AF_UNSPEC, cupsEncryption(), 1, 0, nullptr);
    bool connected = false;
    if (m_http != nullptr) {
        httpSetTimeout(m_http, TickSeconds, &CupsConnection::keepWaiting, this);
        talk([&](http_t* http) {
            connected =
                httpReconnect2(http, std::max(1, static_cast<int>(m_until.remainingTime())), nullptr) == 0;
        });
    }
    if (!connected && m_failure.isEmpty()) {
        // No connection at all: the server's name was not found, and libcups' error says why.
        const QString reason = m_http == nullptr ? QString::fromUtf8(cupsLastErrorString())
                                                 : connectionError(server, port, m_leftMs);
        m_failure = QStringLiteral("the print server %1 cannot be reached").arg(m_server);
        if (!reason.isEmpty()) {
            m_failure += QStringLiteral(" (%1)").arg(reason);
        }
    }
}

CupsConnection::~CupsConnection() {
    if (m_http != nullptr) {
        httpClose(m_http);
    }
}

void CupsConnection::talk(const std::function<void(http_t*)>& call) {
    if (m_http == nullptr || !m_failure.isEmpty()) {
        return;
    }
    m_until = QDeadlineTimer(m_leftMs);
    call(m_http);
    m_leftMs = static_cast<int>(std::max<qint64>(0, m_until.remainingTime()));
    if (m_gaveUp) {
        m_failure = QStringLiteral("the print server %1 does not answer").arg(m_server);
    }
}

bool CupsConnection::pause(int ms) {
    const qint64 left = m_until.remainingTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min<qint64>(ms, left)));
    return left > ms;
}

int CupsConnection::keepWaiting(http_t* /*http*/, void* connection) {
    auto* self = static_cast<CupsConnection*>(connection);
    if (!self->m_until.hasExpired()) {
        return 1;
    }
    self->m_gaveUp = true;
    return 0;
}

} // namespace vek
