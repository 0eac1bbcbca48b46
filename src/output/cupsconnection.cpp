#include "output/cupsconnection.h"

#include <cups/cups.h>

#include <algorithm>

namespace vek {
namespace {

// How often a wait asks whether the span is used up: the span may run over by this much.
constexpr double TickSeconds = 0.25;

} // namespace

CupsConnection::CupsConnection(int answerMs) : m_leftMs(answerMs) {
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
        const QString reason = QString::fromUtf8(cupsLastErrorString());
        m_failure = QStringLiteral("the print server %1 cannot be reached (%2)")
                        .arg(m_server, reason.isEmpty() ? QStringLiteral("no reason given") : reason);
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

int CupsConnection::keepWaiting(http_t* /*http*/, void* connection) {
    auto* self = static_cast<CupsConnection*>(connection);
    if (!self->m_until.hasExpired()) {
        return 1;
    }
    self->m_gaveUp = true;
    return 0;
}

} // namespace vek
