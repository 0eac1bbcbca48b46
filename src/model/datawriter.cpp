#include "model/datawriter.h"

#include "model/datafolder.h"
#include "model/textcodec.h"

#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace vek {
namespace {
const QByteArray LineEnd = QByteArrayLiteral("\r\n");

// Sends the file's bytes to the disk; false, with errno set, when the file system refuses them.
bool syncToDisk(int handle) {
    int result = 0;
    do {
        result = ::fsync(handle);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}
} // namespace

QByteArray formatFloat(float value) {
    if (value == 0.0f) {
        return QByteArrayLiteral("0"); // never "-0"
    }
    std::array<char, 64> buffer{};
    const auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (ec != std::errc()) {
        return QByteArrayLiteral("0");
    }
    return QByteArray(buffer.data(), ptr - buffer.data());
}

void DataWriter::writeInt(int64_t value) {
    m_bytes += QByteArray::number(static_cast<qlonglong>(value));
    m_bytes += LineEnd;
}

void DataWriter::writeFloat(float value) {
    m_bytes += formatFloat(value);
    m_bytes += LineEnd;
}

void DataWriter::writeBool(bool value) {
    writeInt(value ? -1 : 0);
}

void DataWriter::writeText(const QString& text) {
    QString safe = text;
    safe.replace(QLatin1Char('"'), QLatin1Char('\''));
    safe.replace(QLatin1Char('\r'), QLatin1Char(' '));
    safe.replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_bytes += '"';
    m_bytes += encodeFileText(safe);
    m_bytes += '"';
    m_bytes += LineEnd;
}

void DataWriter::writeLine(const QString& line) {
    m_bytes += encodeFileText(line);
    m_bytes += LineEnd;
}

WriteResult DataWriter::commit(const DataFolder& folder, const QString& fileName) const {
    return writeFileAtomically(folder, fileName, m_bytes);
}

WriteResult writeFileAtomically(const DataFolder& folder, const QString& fileName, const QByteArray& bytes) {
    // A file found under a name that is not UTF-8 is replaced by one under the name as it is written
    // today; `filePath` gives that name for it.
    const DataFolder::Lookup existing = folder.find(fileName);
    const QString path = folder.filePath(fileName);
    const QString shownName = QFileInfo(path).fileName();
    // QSaveFile follows a link and renames its temporary file over whatever the link leads to: over a
    // device, that would put a file in the device's place. Only a data file that can be read, or
    // nothing, is replaced.
    if (const QString reason = folder.replaceRefusal(fileName); !reason.isEmpty()) {
        return WriteResult::failure(shownName, reason);
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return WriteResult::failure(shownName, file.errorString());
    }
    // QSaveFile buffers small writes, and Qt 6.4's commit() renames the temporary file over the old one
    // even when the flush it does first fails (a full disk), and ignores a failed sync: network and quota
    // file systems report a full disk only when the file is synced. Both are checked here.
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() &&
                         file.error() == QFileDevice::NoError && file.size() == bytes.size() &&
                         syncToDisk(file.handle());
    const int systemError = errno; // Qt gives no reason when the system took part of the bytes
    if (!written) {
        QString reason = systemError != 0 ? qt_error_string(systemError) : file.errorString();
        if (systemError == 0 && file.error() == QFileDevice::NoError) {
            reason = QStringLiteral("only part of it could be written");
        }
        file.cancelWriting();
        return WriteResult::failure(shownName, reason);
    }
    if (!file.commit()) {
        return WriteResult::failure(shownName, file.errorString());
    }
    if (existing.legacyName) {
        // The new file is whole; should the old one stay, the exact name still wins the next lookup.
        std::error_code ignored;
        std::filesystem::remove(existing.path, ignored);
    }
    return WriteResult::success(shownName);
}

WriteResult checkReplaceable(const DataFolder& folder, const QStringList& fileNames) {
    for (const QString& fileName : fileNames) {
        if (const QString reason = folder.replaceRefusal(fileName); !reason.isEmpty()) {
            return WriteResult::failure(QFileInfo(folder.filePath(fileName)).fileName(), reason);
        }
    }
    return WriteResult::success(fileNames.isEmpty() ? QString() : fileNames.back());
}

} // namespace vek
