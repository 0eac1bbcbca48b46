#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace vek::test {

/// A port of the loopback address on which nothing listens.
inline quint16 freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

/// A real mail server: aiosmtpd on a free port of the loopback address, whose handler
/// (tests/tools/smtpsink.py) stores every message it accepts; stopped by its process id at the end.
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
        env.insert(QStringLiteral("PYTHONPATH"), QStringLiteral(VEK_TEST_TOOLS));
        m_server.setProcessEnvironment(env);
        m_server.start(QStringLiteral("/usr/bin/python3"),
                       {"-m", "aiosmtpd", "-n", "-l", QStringLiteral("127.0.0.1:%1").arg(m_port), "-c",
                        "smtpsink.Sink", m_folder.path()});
        const auto listening = [&] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            return probe.waitForConnected(200);
        };
        if (!QTest::qWaitFor([&] { return m_server.state() == QProcess::NotRunning || listening(); },
                             20000) ||
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
        static_cast<void>(QTest::qWaitFor([&] { return !read(count, "eml").isEmpty(); }, 20000));
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

} // namespace vek::test
