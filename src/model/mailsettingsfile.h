#pragma once

#include "model/datawriter.h"
#include "model/filehelpers.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace vek {

class DataFolder;

/// The mail settings kept for the e-mail of reports; empty and 0 until the settings file was read.
struct MailSettings {
    QString smtpServer;   // "none" = not set
    int32_t smtpPort = 0; // 0 = not set
    QString senderEmail;  // "none" = not set
};

/// defaultserver.dat: the SMTP server, the port and the sender's address, one per line, CR LF. A text
/// that is not set is written "none", a port that is not set " 0 ". Texts are written without quotes,
/// except one that holds a comma: it is quoted so that it reads back as one value.

/// The highest port a server can listen on.
constexpr int32_t MaxSmtpPort = 65535;

inline const QString MailSettingsFileName = QStringLiteral("defaultserver.dat");

/// Start-up: the first three values of the file into the settings. A missing file, or one that ends
/// early, leaves the values it lacks as they were; so does a port that is no whole number within
/// 0..65535 (the values after it are still read). A last line holding only blanks is an empty text.
/// The outcome says when the file is there but could not be used at all, and why.
ReadOutcome readMailSettings(const DataFolder& folder, MailSettings& mail);

/// How the mail settings window's reading of the file went.
enum class MailFileStatus {
    Read,    // every group of three values was read (an empty file has none)
    Missing, // there is no such file
    Damaged, // the file could not be opened, ended within a group, or held a port that is no port
};

/// What the mail settings window reads: the file's groups of three values in turn, so that the last
/// complete group wins. Line ends and blanks after the last value start no group, but a last line holding
/// only blanks completes a group as an empty text. Reading stops at the first failure; each field holds
/// the last value read for it, or nothing when no value was read for it.
struct MailFileContent {
    MailFileStatus status = MailFileStatus::Missing;
    std::optional<QString> server;
    std::optional<int32_t> port;
    std::optional<QString> address;
    QString unreadable; // why the file could not be read at all; empty when it could
};
[[nodiscard]] MailFileContent readMailSettingsGroups(const DataFolder& folder);

/// Why the mail settings window refuses what its boxes hold.
enum class MailInputProblem {
    None,
    Port, // neither empty nor a whole number 0..65535
    Text, // the server or the address holds a double quote or a line break
};

/// The settings as the window's three boxes give them: texts trimmed, an empty server or address
/// "none", an empty port 0.
struct MailInput {
    MailInputProblem problem = MailInputProblem::None;
    MailSettings settings; // valid when there is no problem
};
[[nodiscard]] MailInput checkMailSettingsInput(const QString& server, const QString& port,
                                               const QString& address);

/// Writes the three settings. Texts must hold no double quote and no line break
/// (checkMailSettingsInput refuses them).
[[nodiscard]] WriteResult writeMailSettings(const DataFolder& folder, const MailSettings& mail);

} // namespace vek
