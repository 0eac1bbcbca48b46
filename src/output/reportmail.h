#pragma once

#include "output/smtpclient.h"
#include "reports/reportdispatch.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

namespace vek {

class PoolSession;
struct MailSettings;
struct ReportChoice;

// The e-mail of a report: what the output dialog's Send Email prepares before it connects.

/// The message that asks for the first mail setting missing ("Please enter your SMTP Server", ...), or
/// an empty text when all are set. An empty server or address counts as not set, as "none" does, and
/// so does a sender address that mail cannot carry. The sender is the administrator's own and is taken
/// as the server will take it; only the members' addresses must be of the form name@domain.
[[nodiscard]] QString missingMailSetting(const MailSettings& mail);

/// Whether an address can stand in a mail command and header: not empty, no control character (CR,
/// LF or any other, which would end the command and start another), no "<" or ">" (which would end it).
[[nodiscard]] bool carriesInMail(const QString& address);

/// Why a member's address cannot take mail, or an empty text when it can: it must carry in mail and be
/// of the form name@domain, one "@" with something on each side and no blank.
[[nodiscard]] QString addressProblem(const QString& address);

/// One member's message as it follows DATA: From, To, Subject, Date, X-Mailer, Mime-Version and
/// Content-Type (plain or HTML; us-ascii, or UTF-8 sent as 8 bits when the body is not all ASCII), the
/// empty line, then the body's lines, a line longer than 998 bytes broken, a line that starts with "."
/// given a second one. Header values never carry a line break.
[[nodiscard]] QByteArray composeMail(const QString& sender, const QString& to, const QString& subject,
                                     bool html, const QStringList& bodyLines, const QDateTime& date);

/// The messages of one Send Email and the members left out for their address, or the failure that
/// stops it before any connection.
struct PreparedMail {
    std::vector<MailMessage> messages;
    std::vector<NotMailed> skipped;
    QString failure;
};

/// Leaves out every member without a usable address, writes the chosen report to its report file (text
/// or HTML as the choice says), reads the file back and makes one message of it for each other member,
/// in the order given. When no member is left, nothing is written and the failure says why.
[[nodiscard]] PreparedMail prepareReportMail(PoolSession& session, ReportChoice choice,
                                             const std::vector<int>& members, const QString& subject,
                                             const QDateTime& date, const DispatchProgress& progress);

/// The one message at the end of a Send Email to `selected` members: what ended the session early, how
/// many were mailed, then each member not mailed (left out or refused or not reached) with the reason,
/// in member order. Empty when every member was mailed.
[[nodiscard]] QString mailSummary(int selected, std::vector<NotMailed> skipped, const MailOutcome& outcome);

} // namespace vek
