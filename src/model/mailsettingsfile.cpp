#include "model/mailsettingsfile.h"

#include "model/datafolder.h"
#include "model/datareader.h"

#include <QFile>

namespace vek {
namespace {

const QString FileName = QStringLiteral("defaultserver.dat");
const QString NotSet = QStringLiteral("none");
// A port left empty has always been written as a number: a blank, the digit and a blank.
const QString PortNotSet = QStringLiteral(" 0 ");

// The file's bytes without the line ends and blanks after its last value, so that a final line end
// (or a stray empty line) does not count as the start of another group.
std::optional<QByteArray> fileBytes(const DataFolder& folder) {
    QFile file(folder.filePath(FileName));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    while (!bytes.isEmpty() &&
           (bytes.back() == '\r' || bytes.back() == '\n' || bytes.back() == ' ' || bytes.back() == '\t')) {
        bytes.chop(1);
    }
    return bytes;
}

// A port as the file holds it: a whole number within 0..65535, blanks around it ignored.
ReadStatus readPort(DataReader& reader, int32_t& port) {
    int64_t value = 0;
    const ReadStatus status = reader.read(value);
    if (status != ReadStatus::Stored) {
        return status;
    }
    if (value < 0 || value > MaxSmtpPort) {
        return ReadStatus::Skipped;
    }
    port = static_cast<int32_t>(value);
    return ReadStatus::Stored;
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

void readMailSettings(const DataFolder& folder, MailSettings& mail) {
    const std::optional<QByteArray> bytes = fileBytes(folder);
    if (!bytes) {
        return; // nothing read: the settings stay as they were
    }
    DataReader reader(*bytes);
    reader.read(mail.smtpServer);
    readPort(reader, mail.smtpPort);
    reader.read(mail.senderEmail);
}

MailFileContent readMailSettingsGroups(const DataFolder& folder) {
    MailFileContent content;
    if (!folder.exists(FileName)) {
        return content;
    }
    const std::optional<QByteArray> bytes = fileBytes(folder);
    if (!bytes) {
        content.status = MailFileStatus::Damaged;
        return content;
    }
    content.status = MailFileStatus::Read;
    DataReader reader(*bytes);
    while (!reader.atEnd()) {
        QString server;
        reader.read(server);
        content.server = server;
        int32_t port = 0;
        if (readPort(reader, port) != ReadStatus::Stored) {
            content.status = MailFileStatus::Damaged;
            return content;
        }
        content.port = port;
        QString address;
        if (reader.read(address) != ReadStatus::Stored) {
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
    return writer.commit(folder, FileName);
}

} // namespace vek
