#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <vector>

namespace vek::test {

/// Lets the event loop run until `done` holds or `timeoutMs` have passed; whether it holds.
inline bool waitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

/// A port of the loopback address on which nothing listens.
inline quint16 freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

/// A real mail server for the tests: aiosmtpd on a free port of the loopback address, whose handler
/// (tests/tools/smtpsink.py) stores every message it accepts. Stopped by its process id at the end.
class SmtpSink {
public:
    struct Message {
        QByteArray data;     // the bytes that followed DATA, the transparency dots removed
        QByteArray envelope; // the sender, then each recipient, one per line
    };

    ~SmtpSink() {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000)) {
                m_server.kill();
                m_server.waitForFinished(5000);
            }
        }
    }

    /// Starts the server and waits until it takes connections; the reason when it does not.
    QString start() {
        m_port = freePort();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(VEK_TEST_TOOLS));
        m_server.setProcessEnvironment(env);
        m_server.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"),
                        QStringLiteral("-l"), QStringLiteral("127.0.0.1:%1").arg(m_port),
                        QStringLiteral("-c"), QStringLiteral("smtpsink.Sink"), m_folder.path()});
        const bool listening = waitFor(
            [&] {
                if (m_server.state() == QProcess::NotRunning) {
                    return true;
                }
                QTcpSocket probe;
                probe.connectToHost(QHostAddress::LocalHost, m_port);
                return probe.waitForConnected(200);
            },
            20000);
        if (!listening || m_server.state() == QProcess::NotRunning) {
            return QStringLiteral("the mail server did not start: ") +
                   QString::fromUtf8(m_server.readAllStandardError());
        }
        return {};
    }

    [[nodiscard]] quint16 port() const { return m_port; }

    /// The messages received so far, in order, once `count` of them have arrived (within 20 seconds).
    [[nodiscard]] std::vector<Message> messages(int count) {
        const auto path = [&](int n, const char* extension) {
            return QDir(m_folder.path())
                .filePath(QStringLiteral("message%1.%2").arg(n).arg(QLatin1String(extension)));
        };
        waitFor([&] { return QFile::exists(path(count, "eml")); }, 20000);
        std::vector<Message> received;
        for (int n = 1; QFile::exists(path(n, "eml")); ++n) {
            QFile data(path(n, "eml"));
            QFile envelope(path(n, "env"));
            if (data.open(QIODevice::ReadOnly) && envelope.open(QIODevice::ReadOnly)) {
                received.push_back({data.readAll(), envelope.readAll()});
            }
        }
        return received;
    }

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    quint16 m_port = 0;
};

} // namespace vek::test
