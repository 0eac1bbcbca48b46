#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <vector>

class QTcpSocket;

namespace vek {

/// One message of a mail session: the member it goes to, the address, and the message as it follows
/// DATA (headers, the empty line and the body, dot-stuffed, every line ended by CR LF).
struct MailMessage {
    QString memberName;
    QString address;
    QByteArray data;
};

/// The server a session talks to and the address it sends from.
struct MailServer {
    QString host;
    uint16_t port = 0;
    QString sender;
};

/// The SMTP client of the output dialog: one session greets the server, sends each message to its own
/// recipient in turn and quits. It is a state machine driven by the socket's signals and a timer, so the
/// window stays responsive while it runs; every reply must come whole within `MaxTicks` ticks of the
/// timer, counted from the connection attempt and again from each command. Owned by the output dialog,
/// which aborts a running session when it closes.
class SmtpClient final : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMs = 1000;
    static constexpr int MaxTicks = 30;

    explicit SmtpClient(int tickMs = TickMs, QObject* parent = nullptr);
    ~SmtpClient() override;

    /// Connects and returns at once; the progress and the end of the session come as signals.
    void start(const MailServer& server, std::vector<MailMessage> messages);
    /// Ends a running session at once, without a word.
    void abort();
    [[nodiscard]] bool isRunning() const { return m_step != Step::Idle; }

signals:
    /// "Connecting...", "Connected", ... "Message Sent".
    void progress(const QString& text);
    /// The session is over and its connection closed; `failure` is empty when the server took every
    /// message, else the text to show, naming the member whose message was not sent.
    void finished(const QString& failure);

private:
    enum class Step { Idle, Connecting, Greeting, Helo, MailFrom, RcptTo, Data, Message };

    void connected();
    void dataArrived();
    void tick();
    void replyReceived(const QByteArray& reply);
    void send(const QByteArray& command, Step awaiting);
    /// The next message's MAIL FROM, or QUIT after the last.
    void sendEnvelope();
    void fail(const QString& text);
    void close(bool quitting);

    MailServer m_server;
    std::vector<MailMessage> m_messages;
    std::size_t m_current = 0;
    Step m_step = Step::Idle;
    QTcpSocket* m_socket = nullptr;
    QByteArray m_replyBuffer;
    QTimer m_timer;
    int m_ticks = 0;
};

} // namespace vek
