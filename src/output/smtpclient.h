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
    int member = -1;
    QString memberName;
    QString address;
    QByteArray data;
};

/// A member whose message was not sent, and why.
struct NotMailed {
    int member = -1;
    QString memberName;
    QString reason;
};

/// How a session ended: the messages the server took, the members it refused or that a failure left
/// without their message (in the order of the messages), and the failure that ended the session early
/// (empty when it ran to its QUIT).
struct MailOutcome {
    int sent = 0;
    std::vector<NotMailed> notMailed;
    QString failure;
};

/// The server a session talks to and the address it sends from.
struct MailServer {
    QString host;
    uint16_t port = 0;
    QString sender;
};

/// The SMTP client of the output dialog: one session greets the server, sends each message to its own
/// recipient in turn and quits. A recipient the server refuses is noted, the transaction reset (RSET)
/// and the session goes on with the next message; any other refusal, a lost connection or a time-out
/// ends it. It is a state machine driven by the socket's signals and a timer, so the window stays
/// responsive while it runs; every reply must come whole within `MaxTicks` ticks of the timer, counted
/// from the connection attempt and again from each command, and within `MaxReplyBytes`. Owned by the
/// output dialog, which aborts a running session when it closes.
class SmtpClient final : public QObject {
    Q_OBJECT
public:
    static constexpr int TickMs = 1000;
    static constexpr int MaxTicks = 30;
    /// Real replies are a few lines of at most 512 octets; a server that goes on past this is not one.
    static constexpr qsizetype MaxReplyBytes = 64 * 1024;

    explicit SmtpClient(int tickMs = TickMs, QObject* parent = nullptr);
    ~SmtpClient() override;

    /// Connects and returns at once; the progress and the end of the session come as signals.
    void start(const MailServer& server, std::vector<MailMessage> messages);
    /// Ends a running session at once, without a word.
    void abort();
    [[nodiscard]] bool isRunning() const { return m_step != Step::Idle; }

signals:
    /// "Connecting...", "Connected", ... "Message Sent"; with several messages each member is named as
    /// their message starts.
    void progress(const QString& text);
    /// The session is over and its connection closed.
    void finished(const vek::MailOutcome& outcome);

private:
    enum class Step { Idle, Connecting, Greeting, Helo, MailFrom, RcptTo, Reset, Data, Message };

    void connected();
    void dataArrived();
    /// The end of the first whole reply in the received text (its last line's line feed), or -1 while
    /// it is incomplete; only what arrived since the last call is scanned.
    [[nodiscard]] qsizetype replyEnd();
    void tick();
    void replyReceived(const QByteArray& reply);
    void send(const QByteArray& command, Step awaiting);
    /// The next message's MAIL FROM, or QUIT after the last.
    void sendEnvelope();
    /// Ends the session: the current message and those after it are not sent.
    void fail(const QString& text);
    void close(bool quitting);

    MailServer m_server;
    std::vector<MailMessage> m_messages;
    std::size_t m_current = 0;
    MailOutcome m_outcome;
    Step m_step = Step::Idle;
    QTcpSocket* m_socket = nullptr;
    QByteArray m_replyBuffer;
    qsizetype m_lineStart = 0; // where the reply's unfinished line starts
    qsizetype m_scanned = 0;   // how far the received text was searched for a line feed
    QTimer m_timer;
    int m_ticks = 0;
};

} // namespace vek
