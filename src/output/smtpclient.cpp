#include "output/smtpclient.h"

#include <QHostInfo>
#include <QTcpSocket>

namespace vek {
namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

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

/// Takes the first whole reply off the front of the received text: whole only once its last line has
/// arrived (the line whose code is not followed by "-"), however the server split it. Empty while the
/// reply is still incomplete.
QByteArray takeReply(QByteArray& received) {
    qsizetype start = 0;
    while (start < received.size()) {
        const qsizetype end = received.indexOf('\n', start);
        if (end < 0) {
            break;
        }
        // A line whose code is followed by "-" is followed by more lines of the same reply.
        if (end - start < 4 || received[start + 3] != '-') {
            QByteArray reply = received.left(end + 1);
            received.remove(0, end + 1);
            return reply;
        }
        start = end + 1;
    }
    return {};
}

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
    m_replyBuffer.clear();
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
        const QByteArray reply = takeReply(m_replyBuffer);
        if (reply.isEmpty()) {
            break;
        }
        replyReceived(reply);
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
        fail(QStringLiteral("Server returned the following error:\n") +
             QString::fromUtf8(reply).trimmed().replace(QLatin1String("\r\n"), QLatin1String("\n")));
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
    case Step::Data: {
        const MailMessage& message = m_messages[m_current];
        emit progress(m_messages.size() > 1 ? QStringLiteral("Sending Mail . . .\n") + message.memberName
                                            : QStringLiteral("Sending Mail . . ."));
        m_socket->write(message.data);
        send(LineEnd + "." + LineEnd, Step::Message);
        break;
    }
    case Step::Message:
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
        emit progress(QStringLiteral("Message Sent"));
        close(true);
        emit finished({});
        return;
    }
    send("MAIL FROM:<" + m_server.sender.toUtf8() + ">" + LineEnd, Step::MailFrom);
}

void SmtpClient::fail(const QString& text) {
    if (!isRunning()) {
        return;
    }
    QString failure = text;
    if (m_current < m_messages.size()) {
        const auto later = static_cast<int>(m_messages.size() - m_current - 1);
        failure += QStringLiteral("\n\nThe message to %1 was not sent").arg(m_messages[m_current].memberName);
        failure += later > 0 ? QStringLiteral(", nor the %1 after it.").arg(later) : QStringLiteral(".");
    }
    close(false);
    emit finished(failure);
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
