#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <vector>

// The mail servers of the e-mail tests: a real one in a process of its own, and a scripted one.
namespace vek::test {

/// A port of the loopback address on which nothing listens.
inline quint16 freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

/// Runs the thread's events until `done` holds or `ms` milliseconds have passed; whether it holds.
inline bool waitFor(const std::function<bool()>& done, int ms) {
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

/// A real mail server: aiosmtpd on a free port of the loopback address, whose handler
/// (tests/tools/smtpsink.py) stores every message it accepts and refuses the recipients whose address
/// starts with "refused"; stopped by its process id at the end.
class SmtpSink {
public:
    struct Message {
        QByteArray data;     // what followed DATA, the transparency dots removed
        QByteArray envelope; // the sender, then each recipient, one per line
    };

    ~SmtpSink() {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    /// Starts the server and waits until it takes connections; the reason when it does not.
    QString start() {
        m_port = freePort();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PYTHONPATH"),
                   QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("../../tools")));
        m_server.setProcessEnvironment(env);
        m_server.start(QStringLiteral("/usr/bin/python3"),
                       {"-m", "aiosmtpd", "-n", "-l", QStringLiteral("127.0.0.1:%1").arg(m_port), "-c",
                        "smtpsink.Sink", m_folder.path()});
        const auto listening = [&] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            return probe.waitForConnected(200);
        };
        if (!waitFor([&] { return m_server.state() == QProcess::NotRunning || listening(); }, 20000) ||
            m_server.state() == QProcess::NotRunning) {
            return QStringLiteral("no mail server: ") + QString::fromUtf8(m_server.readAllStandardError());
        }
        return {};
    }

    [[nodiscard]] quint16 port() const { return m_port; }

    /// The messages received, in order, once `count` of them have arrived (or 20 seconds have passed).
    [[nodiscard]] std::vector<Message> messages(int count) {
        const auto read = [&](int n, const char* extension) {
            QFile file(QDir(m_folder.path()).filePath(QStringLiteral("message%1.%2").arg(n).arg(extension)));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        static_cast<void>(waitFor([&] { return !read(count, "eml").isEmpty(); }, 20000));
        std::vector<Message> received;
        for (int n = 1; !read(n, "eml").isEmpty(); ++n) {
            received.push_back({read(n, "eml"), read(n, "env")});
        }
        return received;
    }

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    quint16 m_port = 0;
};

/// A mail server that answers as the test scripts it: the greeting, then one answer per line received,
/// each answer in pieces sent 50 ms apart. A client that took a piece for a whole reply sends more lines
/// than the script answers. Past the script it says nothing, or, given a `flood`, sends it over and over
/// until the client hangs up (or 4 MB have gone).
class ScriptedServer : public QObject {
public:
    explicit ScriptedServer(std::vector<QByteArrayList> answers, QByteArray flood = {})
        : m_answers(std::move(answers)), m_flood(std::move(flood)) {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            m_socket = m_server.nextPendingConnection();
            connect(m_socket, &QTcpSocket::readyRead, this, &ScriptedServer::readLines);
            connect(m_socket, &QTcpSocket::disconnected, this, [this] { closed = true; });
            answer();
        });
    }
    [[nodiscard]] quint16 port() const { return m_server.serverPort(); }

    QByteArrayList received; // the lines, without their line ends
    bool closed = false;

private:
    void readLines() {
        m_buffer += m_socket->readAll();
        for (qsizetype end = m_buffer.indexOf("\r\n"); end >= 0; end = m_buffer.indexOf("\r\n")) {
            received << m_buffer.left(end);
            m_buffer.remove(0, end + 2);
            answer();
        }
    }
    void answer() {
        if (m_next >= m_answers.size()) {
            if (!m_flood.isEmpty() && m_next++ == m_answers.size()) {
                floodOn();
            }
            return;
        }
        const QByteArrayList pieces = m_answers[m_next++];
        for (int i = 0; i < pieces.size(); ++i) {
            QTimer::singleShot(50 * i, m_socket, [this, piece = pieces[i]] { m_socket->write(piece); });
        }
    }
    void floodOn() {
        if (closed || m_socket->state() != QAbstractSocket::ConnectedState || m_flooded > 4 * 1024 * 1024) {
            return;
        }
        // A little ahead of the client, never more.
        if (m_socket->bytesToWrite() < 64 * 1024) {
            m_socket->write(m_flood);
            m_flooded += m_flood.size();
        }
        QTimer::singleShot(0, this, [this] { floodOn(); });
    }

    QTcpServer m_server;
    QTcpSocket* m_socket = nullptr;
    QByteArray m_buffer;
    std::vector<QByteArrayList> m_answers;
    std::size_t m_next = 0;
    QByteArray m_flood;
    qsizetype m_flooded = 0;
};

} // namespace vek::test
