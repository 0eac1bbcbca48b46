#include "model/mailsettingsfile.h"

#include "model/datafolder.h"
#include "model/datareader.h"
#include "model/filehelpers.h"

namespace vek {
namespace {

const QString NotSet = QStringLiteral("none");
// A port left empty has always been written as a number: a blank, the digit and a blank.
const QString PortNotSet = QStringLiteral(" 0 ");

// Where the file's last value ends: the line ends and blanks after it belong to no value.
qsizetype lastValueEnd(const QByteArray& bytes) {
    qsizetype end = bytes.size();
    while (end > 0 && QByteArrayView(" \t\r\n").contains(bytes[end - 1])) {
        --end;
    }
    return end;
}

// The lines after the last value's line, each holding blanks or nothing. A file of nothing but
// whitespace holds no values, so no lines either.
int emptyLinesAfter(const QByteArray& bytes, qsizetype end) {
    if (end == 0) {
        return 0;
    }
    QByteArray tail = bytes.sliced(end);
    tail.replace("\r\n", "\n").replace('\r', '\n');
    // The first line end closes the last value's line.
    return static_cast<int>(tail.count('\n')) - (tail.endsWith('\n') ? 1 : 0);
}

// The file's values. The whitespace after the last value starts no group of its own, so a final line
// end or a stray empty line is not damage; but the lines it holds still give a group in progress its
// empty texts: an address saved as blanks on the last line reads back as empty text.
class MailValues {
public:
    explicit MailValues(const QByteArray& bytes) : MailValues(bytes, lastValueEnd(bytes)) {}

    [[nodiscard]] bool atEnd() const { return m_reader.atEnd(); }

    ReadStatus readText(QString& text) {
        const ReadStatus status = m_reader.read(text);
        if (status == ReadStatus::End && takeEmptyLine()) {
            text.clear();
            return ReadStatus::Stored;
        }
        return status;
    }

    // A port as the file holds it: a whole number within 0..65535, blanks around it ignored.
    ReadStatus readPort(int32_t& port) {
        int64_t value = 0;
        const ReadStatus status = m_reader.read(value);
        if (status == ReadStatus::End && takeEmptyLine()) {
            return ReadStatus::Skipped; // an empty line is no number
        }
        if (status != ReadStatus::Stored) {
            return status;
        }
        if (value < 0 || value > MaxSmtpPort) {
            return ReadStatus::Skipped;
        }
        port = static_cast<int32_t>(value);
        return ReadStatus::Stored;
    }

private:
    MailValues(const QByteArray& bytes, qsizetype end)
        : m_reader(bytes.first(end)), m_emptyLines(emptyLinesAfter(bytes, end)) {}

    bool takeEmptyLine() {
        if (m_emptyLines == 0) {
            return false;
        }
        --m_emptyLines;
        return true;
    }

    DataReader m_reader;
    int m_emptyLines = 0;
};

std::optional<MailValues> openMailFile(const DataFolder& folder, ReadOutcome& outcome) {
    const std::optional<QByteArray> bytes = readDataBytes(folder, MailSettingsFileName, outcome);
    if (!bytes) {
        return std::nullopt;
    }
    return MailValues(*bytes);
}

bool isAsciiDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return !text.isEmpty();
}

bool holdsSeparatorBreakers(const QString& text) {
    return text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\r')) ||
           text.contains(QLatin1Char('\n'));
}

// A text line: quoted when a comma would split it into two values.
QString textLine(const QString& text) {
    if (text.contains(QLatin1Char(','))) {
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

} // namespace

ReadOutcome readMailSettings(const DataFolder& folder, MailSettings& mail) {
    ReadOutcome outcome;
    std::optional<MailValues> values = openMailFile(folder, outcome);
    if (!values) {
        return outcome; // nothing read: the settings stay as they were
    }
    values->readText(mail.smtpServer);
    values->readPort(mail.smtpPort);
    values->readText(mail.senderEmail);
    return outcome;
}

MailFileContent readMailSettingsGroups(const DataFolder& folder) {
    MailFileContent content;
    if (!folder.exists(MailSettingsFileName)) {
        return content;
    }
    ReadOutcome outcome;
    std::optional<MailValues> values = openMailFile(folder, outcome);
    if (!values) {
        content.status = MailFileStatus::Damaged;
        content.unreadable = outcome.unusable;
        return content;
    }
    content.status = MailFileStatus::Read;
    while (!values->atEnd()) {
        QString server;
        values->readText(server);
        content.server = server;
        int32_t port = 0;
        if (values->readPort(port) != ReadStatus::Stored) {
            content.status = MailFileStatus::Damaged;
            return content;
        }
        content.port = port;
        QString address;
        if (values->readText(address) != ReadStatus::Stored) {
            content.status = MailFileStatus::Damaged;
            return content;
        }
        content.address = address;
    }
    return content;
}

MailInput checkMailSettingsInput(const QString& server, const QString& port, const QString& address) {
    MailInput input;
    const QString portText = port.trimmed();
    if (!portText.isEmpty()) {
        bool ok = false;
        const int value = portText.toInt(&ok);
        // "0" is how the file says "not set", so it reads back and saves unchanged.
        if (!isAsciiDigits(portText) || !ok || value < 0 || value > MaxSmtpPort) {
            input.problem = MailInputProblem::Port;
            return input;
        }
        input.settings.smtpPort = value;
    }
    const QString serverText = server.trimmed();
    const QString addressText = address.trimmed();
    if (holdsSeparatorBreakers(serverText) || holdsSeparatorBreakers(addressText)) {
        input.problem = MailInputProblem::Text;
        return input;
    }
    input.settings.smtpServer = serverText.isEmpty() ? NotSet : serverText;
    input.settings.senderEmail = addressText.isEmpty() ? NotSet : addressText;
    return input;
}

WriteResult writeMailSettings(const DataFolder& folder, const MailSettings& mail) {
    DataWriter writer;
    writer.writeLine(textLine(mail.smtpServer));
    writer.writeLine(mail.smtpPort == 0 ? PortNotSet : QString::number(mail.smtpPort));
    writer.writeLine(textLine(mail.senderEmail));
    return writer.commit(folder, MailSettingsFileName);
}

} // namespace vek
