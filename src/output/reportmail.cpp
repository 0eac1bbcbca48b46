#include "output/reportmail.h"

#include "model/datafolder.h"
#include "model/mailsettingsfile.h"
#include "model/textcodec.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "session/poolsession.h"

#include <QRegularExpression>

#include <algorithm>

namespace vek {
namespace {

constexpr qsizetype MaxLineBytes = 998;
const QString NotSet = QStringLiteral("none");
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

bool isSet(const QString& text) {
    return !text.isEmpty() && text != NotSet;
}

/// A header value on one line: every control character becomes a blank.
QByteArray headerValue(const QString& text) {
    QString value = text;
    for (QChar& c : value) {
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char(' ');
        }
    }
    return value.toUtf8();
}

bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

/// The body's lines as sent: each at most 998 bytes with its stuffing dot, broken between characters.
QByteArray bodyOf(const QStringList& lines) {
    QByteArray body;
    for (const QString& line : lines) {
        QByteArray rest = line.toUtf8();
        do {
            const bool stuffed = rest.startsWith('.');
            qsizetype cut = std::min(rest.size(), MaxLineBytes - (stuffed ? 1 : 0));
            while (cut < rest.size() && cut > 1 && isUtf8Continuation(rest[cut])) {
                --cut;
            }
            body += (stuffed ? QByteArrayLiteral(".") : QByteArray()) + rest.left(cut) + LineEnd;
            rest.remove(0, cut);
        } while (!rest.isEmpty());
    }
    return body;
}

/// One line per member, in member order.
QString notMailedLines(std::vector<NotMailed> members) {
    std::stable_sort(members.begin(), members.end(),
                     [](const NotMailed& a, const NotMailed& b) { return a.member < b.member; });
    QStringList lines;
    for (const NotMailed& m : members) {
        lines << m.memberName + QStringLiteral(": ") + m.reason;
    }
    return lines.join(QLatin1Char('\n'));
}

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

QString missingMailSetting(const MailSettings& mail) {
    if (!isSet(mail.smtpServer)) {
        return QStringLiteral("Please enter your SMTP Server");
    }
    if (mail.smtpPort <= 0 || mail.smtpPort > MaxSmtpPort) {
        return QStringLiteral("Please enter your SMTP Port");
    }
    if (!isSet(mail.senderEmail) || !carriesInMail(mail.senderEmail)) {
        return QStringLiteral("Please enter your eMail address");
    }
    return {};
}

bool carriesInMail(const QString& address) {
    return !address.isEmpty() && std::none_of(address.begin(), address.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QLatin1Char('<') || c == QLatin1Char('>');
    });
}

QString addressProblem(const QString& address) {
    if (address.isEmpty()) {
        return QStringLiteral("no e-mail address");
    }
    if (!carriesInMail(address)) {
        return QStringLiteral("an e-mail address that mail cannot carry");
    }
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    if (at <= 0 || at == address.size() - 1 || address.count(QLatin1Char('@')) != 1 ||
        std::any_of(address.begin(), address.end(), [](QChar c) { return c.isSpace(); })) {
        return QStringLiteral("an e-mail address not of the form name@domain");
    }
    return {};
}

QByteArray composeMail(const QString& sender, const QString& to, const QString& subject, bool html,
                       const QStringList& bodyLines, const QDateTime& date) {
    const QByteArray body = bodyOf(bodyLines);
    const bool ascii = isAscii(body);
    QByteArray mail = "From: <" + headerValue(sender) + ">" + LineEnd;
    mail += "To: " + headerValue(to) + LineEnd;
    mail += "Subject: " + headerValue(subject) + LineEnd;
    mail += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + LineEnd;
    mail += "X-Mailer: Vornash v1.1" + LineEnd;
    mail += "Mime-Version: 1.0" + LineEnd;
    mail += QByteArray("Content-Type: text/") + (html ? "html;" : "plain;") + "\t" +
            (ascii ? "charset=us-ascii" : "charset=utf-8") + LineEnd;
    if (!ascii) {
        mail += "Content-Transfer-Encoding: 8bit" + LineEnd;
    }
    return mail + LineEnd + body;
}

PreparedMail prepareReportMail(PoolSession& session, ReportChoice choice, const std::vector<int>& members,
                               const QString& subject, const QDateTime& date,
                               const DispatchProgress& progress) {
    const PoolData& pool = session.pool();
    PreparedMail prepared;
    std::vector<int> mailed;
    for (const int m : members) {
        const QString problem = addressProblem(pool.memberEmail[m].trimmed());
        if (problem.isEmpty()) {
            mailed.push_back(m);
        } else {
            prepared.skipped.push_back({m, pool.memberName[m], problem});
        }
    }
    if (mailed.empty()) {
        prepared.failure =
            QStringLiteral("Nothing was sent: no member selected has a usable e-mail address.\n\n") +
            notMailedLines(prepared.skipped);
        return prepared;
    }

    choice.toFile = true;
    RecordingPrinter unused; // a file run prints nothing
    const DispatchResult written = RunReportDispatch(session, choice, unused, progress);
    if (!written.ok) {
        return {{}, {}, written.failure};
    }
    const DataFolder::FileContent file = session.folder().readContent(choice.fileName);
    if (file.state != DataFolder::FileState::Read) {
        return {{}, {}, QStringLiteral("%1 could not be read: %2").arg(choice.fileName, file.reason)};
    }
    const QString text = decodeFileText(file.bytes);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lines.back().isEmpty()) {
        lines.removeLast(); // nothing follows the last line end (or the file is empty)
    }

    for (const int m : mailed) {
        const QString address = pool.memberEmail[m].trimmed();
        prepared.messages.push_back(
            {m, pool.memberName[m], address,
             composeMail(session.mail.senderEmail, address, subject, choice.html, lines, date)});
    }
    return prepared;
}

QString mailSummary(int selected, std::vector<NotMailed> skipped, const MailOutcome& outcome) {
    skipped.insert(skipped.end(), outcome.notMailed.begin(), outcome.notMailed.end());
    if (skipped.empty() && outcome.failure.isEmpty()) {
        return {};
    }
    QString text = outcome.failure.isEmpty() ? QString() : outcome.failure + QStringLiteral("\n\n");
    text +=
        QStringLiteral("Mailed to %1 of %2 members selected. Not mailed:\n").arg(outcome.sent).arg(selected);
    return text + notMailedLines(std::move(skipped));
}

} // namespace vek
