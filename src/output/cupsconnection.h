#pragma once

#include <QDeadlineTimer>
#include <QString>

#include <functional>

typedef struct _http_s http_t;

namespace vek {

/// One conversation of the program's own with the CUPS server that the client configuration (or
/// CUPS_SERVER) names: one connection, and one span of time for everything said on it. Every wait for
/// the server ends when the span is used up; only the time spent talking to the server counts, not
/// what the program does between requests. libcups' default connection is never used: it waits a
/// minute for each answer, and libcups falls back to it after a request on another connection failed.
/// Whoever talks to the server owns one for as long as it talks: the catalog while it lists, a queue
/// while it prints.
class CupsConnection {
public:
    /// How long the program waits for the server in all, by default.
    static constexpr int AnswerMs = 10000;

    explicit CupsConnection(int answerMs = AnswerMs);
    ~CupsConnection();
    CupsConnection(const CupsConnection&) = delete;
    CupsConnection& operator=(const CupsConnection&) = delete;

    /// The server as the user knows it: its address and port, or its local socket.
    [[nodiscard]] const QString& server() const { return m_server; }
    /// Why the server cannot be talked to (it cannot be reached, or it did not answer in time), for
    /// the user; "" while it can.
    [[nodiscard]] const QString& failure() const { return m_failure; }

    /// Runs `call` on the connection within what is left of the span; nothing when the server cannot
    /// be talked to. Afterwards failure() says whether the server stopped answering. A request that the
    /// server answers by asking for a password fails as unauthorized.
    void talk(const std::function<void(http_t*)>& call);

    /// Within a call: waits `ms` while the server works on something in the background, but not past
    /// the span; false when the span ended first.
    bool pause(int ms);

private:
    static int keepWaiting(http_t* http, void* connection);

    http_t* m_http = nullptr;
    QString m_server;       // the server as the user knows it, for the messages
    int m_leftMs;           // what is left of the span
    QDeadlineTimer m_until; // the end of the span while a call runs
    bool m_gaveUp = false;  // a wait ended with the span
    QString m_failure;
};

} // namespace vek
