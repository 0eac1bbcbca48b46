#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace vek {

class DataFolder;

/// Outcome of writing a data file. A failure carries the file's name and the reason, for the message
/// that tells the user; it is never reported as success.
struct WriteResult {
    bool ok = true;
    QString fileName;
    QString reason;

    [[nodiscard]] static WriteResult success(const QString& fileName) { return {true, fileName, {}}; }
    [[nodiscard]] static WriteResult failure(const QString& fileName, const QString& reason) {
        return {false, fileName, reason};
    }
    explicit operator bool() const { return ok; }

    /// What the user is told when the write failed: "<file> could not be saved: <reason>".
    [[nodiscard]] QString failureText() const {
        return QStringLiteral("%1 could not be saved: %2").arg(fileName, reason);
    }
};

/// Builds a data file one value per line, each line ended by CR LF: numbers in plain decimal with "."
/// as the decimal point, text in double quotes, true as -1. `commit` replaces the file atomically: the
/// new content goes to a temporary file in the same folder, which is then renamed over the old file,
/// so a failed write leaves the old file whole.
class DataWriter {
public:
    void writeInt(int64_t value);
    void writeFloat(float value);
    void writeBool(bool value);
    /// Text in double quotes. A double quote or a line break inside the text would split the value when
    /// the file is read back, so they are replaced ('"' by "'", CR and LF by a blank).
    void writeText(const QString& text);
    /// A line as it stands, without quotes (the mail settings file).
    void writeLine(const QString& line);

    [[nodiscard]] const QByteArray& bytes() const { return m_bytes; }

    /// Writes the content to the folder's file (the exact name, or the single case-insensitive match of
    /// an existing file).
    [[nodiscard]] WriteResult commit(const DataFolder& folder, const QString& fileName) const;

private:
    QByteArray m_bytes;
};

/// A single-precision value as the files hold it: the shortest text that reads back as the same value
/// ("3.5", "0", "-1", "0.1").
[[nodiscard]] QByteArray formatFloat(float value);

/// Writes bytes to a file of the folder atomically: a temporary file, written, flushed and synced to the
/// disk, each step checked, then renamed over the old file. Only a regular file (or a link to one) that
/// can be read is replaced, and only one whose content the program has seen: a name that the folder
/// refuses (`DataFolder::replaceRefusal`) is refused before anything is written. A failure names the
/// file and gives the reason; the old file then keeps every byte.
[[nodiscard]] WriteResult writeFileAtomically(const DataFolder& folder, const QString& fileName,
                                              const QByteArray& bytes);

/// Checks every file that a save of several files will replace before it writes any: the first that
/// may not be replaced (`DataFolder::replaceRefusal`) as a failure, else success. A save that wrote the
/// first and then found the second refused would leave the two disagreeing.
[[nodiscard]] WriteResult checkReplaceable(const DataFolder& folder, const QStringList& fileNames);

} // namespace vek
