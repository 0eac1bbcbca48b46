#include "output/smtpclient.h"

#include <QHostInfo>
#include <QTcpSocket>

namespace vek {
namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");
constexpr qsizetype ShownReplyStart = 80;

QString heloName() {
    const QString name = QHostInfo::localHostName();
    return name.isEmpty() ? QStringLiteral("localhost") : name;
}

/// The code of a reply: its leading digits ("250-" and "250 " both give 250), or -1 when it has none.
int replyCode(const QByteArray& reply) {
    qsizetype digits = 0;
    while (digits < reply.size() && digits < 9 && reply[digits] >= '0' && reply[digits] <= '9') {
        ++digits;
    }
    return digits == 0 ? -1 : reply.left(digits).toInt();
}

/// A reply as the administrator reads it: its lines without their line ends.
QString replyText(const QByteArray& reply) {
    return QString::fromUtf8(reply).trimmed().replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

const QString ServerError = QStringLiteral("Server returned the following error:\n");

} // namespace

SmtpClient::SmtpClient(int tickMs, QObject* parent) : QObject(parent) {
    m_timer.setInterval(tickMs);
    connect(&m_timer, &QTimer::timeout, this, &SmtpClient::tick);
}

SmtpClient::~SmtpClient() {
    abort();
}

void SmtpClient::start(const MailServer& server, std::vector<MailMessage> messages) {
    abort();
    m_server = server;
    m_messages = std::move(messages);
    m_current = 0;
    m_outcome = {};
    m_replyBuffer.clear();
    m_lineStart = 0;
    m_scanned = 0;
    m_step = Step::Connecting;
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &SmtpClient::connected);
    connect(m_socket, &QTcpSocket::readyRead, this, &SmtpClient::dataArrived);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this] { fail(m_socket->errorString()); });
    emit progress(QStringLiteral("Connecting..."));
    m_ticks = 0;
    m_timer.start();
    m_socket->connectToHost(m_server.host, m_server.port);
}

void SmtpClient::abort() {
    if (isRunning()) {
        close(false);
    }
}

void SmtpClient::connected() {
    emit progress(QStringLiteral("Connected"));
    m_ticks = 0;
    m_step = Step::Greeting;
}

void SmtpClient::dataArrived() {
    m_replyBuffer += m_socket->readAll();
    // A reply may finish the session, which lets go of the socket.
    while (m_step != Step::Idle && m_step != Step::Connecting) {
        const qsizetype end = replyEnd();
        if (end < 0 ? m_replyBuffer.size() > MaxReplyBytes : end >= MaxReplyBytes) {
            // An endless reply, or a service that is no mail server: its start tells which.
            qsizetype shown = m_replyBuffer.indexOf('\n');
            if (shown < 0 || shown > ShownReplyStart) {
                shown = ShownReplyStart;
            }
            fail(ServerError + replyText(m_replyBuffer.left(shown)) +
                 QStringLiteral(" ...\n(a reply longer than %1 bytes)").arg(MaxReplyBytes));
            return;
        }
        if (end < 0) {
            return;
        }
        const QByteArray reply = m_replyBuffer.left(end + 1);
        m_replyBuffer.remove(0, end + 1);
        m_lineStart = 0;
        m_scanned = 0;
        replyReceived(reply);
    }
}

qsizetype SmtpClient::replyEnd() {
    for (;;) {
        const qsizetype end = m_replyBuffer.indexOf('\n', m_scanned);
        if (end < 0) {
            m_scanned = m_replyBuffer.size();
            return -1;
        }
        const qsizetype start = m_lineStart;
        m_lineStart = m_scanned = end + 1;
        // A line whose code is followed by "-" is followed by more lines of the same reply.
        if (end - start < 4 || m_replyBuffer[start + 3] != '-') {
            return end;
        }
    }
}

void SmtpClient::tick() {
    if (++m_ticks >= MaxTicks) {
        fail(QStringLiteral("Could not connect to host ") + m_server.host +
             QStringLiteral("\nOperation timed out"));
    }
}

void SmtpClient::replyReceived(const QByteArray& reply) {
    const int expected = m_step == Step::Greeting ? 220 : m_step == Step::Data ? 354 : 250;
    if (replyCode(reply) != expected) {
        if (m_step == Step::RcptTo) {
            // One member's address refused: the others still get theirs.
            const MailMessage& message = m_messages[m_current];
            m_outcome.notMailed.push_back(
                {message.member, message.memberName,
                 QStringLiteral("refused by the server: ") +
                     replyText(reply).replace(QLatin1Char('\n'), QLatin1Char(' '))});
            ++m_current;
            send("RSET" + LineEnd, Step::Reset);
            return;
        }
        fail(ServerError + replyText(reply));
        return;
    }
    switch (m_step) {
    case Step::Greeting:
        emit progress(QStringLiteral("Receiving Welcome Message"));
        send("HELO " + heloName().toUtf8() + LineEnd, Step::Helo);
        break;
    case Step::Helo:
        sendEnvelope();
        break;
    case Step::MailFrom:
        send("RCPT TO:<" + m_messages[m_current].address.toUtf8() + ">" + LineEnd, Step::RcptTo);
        break;
    case Step::RcptTo:
        send("DATA" + LineEnd, Step::Data);
        break;
    case Step::Reset:
        sendEnvelope();
        break;
    case Step::Data:
        if (m_messages.size() == 1) {
            emit progress(QStringLiteral("Sending Mail . . ."));
        }
        m_socket->write(m_messages[m_current].data);
        send(LineEnd + "." + LineEnd, Step::Message);
        break;
    case Step::Message:
        ++m_outcome.sent;
        ++m_current;
        sendEnvelope();
        break;
    case Step::Idle:
    case Step::Connecting:
        break;
    }
}

void SmtpClient::send(const QByteArray& command, Step awaiting) {
    m_socket->write(command);
    m_ticks = 0;
    m_step = awaiting;
}

void SmtpClient::sendEnvelope() {
    if (m_current >= m_messages.size()) {
        m_socket->write("QUIT" + LineEnd);
        if (m_outcome.sent > 0) {
            emit progress(QStringLiteral("Message Sent"));
        }
        close(true);
        emit finished(m_outcome);
        return;
    }
    // Named as it starts, so that after a failure the panel names the member whose message failed.
    if (m_messages.size() > 1) {
        emit progress(QStringLiteral("Sending Mail . . .\n") + m_messages[m_current].memberName);
    }
    send("MAIL FROM:<" + m_server.sender.toUtf8() + ">" + LineEnd, Step::MailFrom);
}

void SmtpClient::fail(const QString& text) {
    if (!isRunning()) {
        return;
    }
    m_outcome.failure = text;
    for (std::size_t i = m_current; i < m_messages.size(); ++i) {
        m_outcome.notMailed.push_back(
            {m_messages[i].member, m_messages[i].memberName, QStringLiteral("not sent")});
    }
    close(false);
    emit finished(m_outcome);
}

void SmtpClient::close(bool quitting) {
    m_timer.stop();
    m_step = Step::Idle;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    if (socket == nullptr) {
        return;
    }
    socket->disconnect(this);
    if (quitting) {
        // QUIT goes out before the connection closes; its answer is not waited for.
        socket->flush();
        socket->disconnectFromHost();
    } else {
        socket->abort();
    }
    socket->deleteLater();
}

} // namespace vek
