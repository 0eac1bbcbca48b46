#include "model/datafolder.h"

#include "model/textcells.h"
#include "model/textcodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vek {
namespace fs = std::filesystem;

namespace {

fs::path nativePathOf(const QString& path) {
#ifdef Q_OS_WIN
    return fs::path(path.toStdWString());
#else
    return fs::path(QFile::encodeName(path).toStdString());
#endif
}

// A name as the file system spells it, and whether its bytes are valid UTF-8 (on Windows names are
// UTF-16 and always are).
struct DecodedName {
    QString name;
    bool legacy = false;
};

DecodedName decodeName(const fs::path& name) {
#ifdef Q_OS_WIN
    return {QString::fromStdWString(name.native()), false};
#else
    const std::string& bytes = name.native();
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QString name16 = decodeFileText(view);
    return {name16, name16.toUtf8() != view};
#endif
}

// A file opened by the system, closed when it goes out of scope.
struct OpenFile {
    explicit OpenFile(int opened) : handle(opened) {}
    ~OpenFile() {
        if (handle >= 0) {
            ::close(handle);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    const int handle;
};

constexpr qsizetype ReadChunk = 16384;

// What a file that is not a regular one is, for the user: "it is not a regular file but a FIFO".
QString notRegularReason(mode_t mode) {
    const QString what = S_ISCHR(mode) || S_ISBLK(mode) ? QStringLiteral("a device")
                         : S_ISFIFO(mode)               ? QStringLiteral("a FIFO")
                         : S_ISSOCK(mode)               ? QStringLiteral("a socket")
                         : S_ISDIR(mode)                ? QStringLiteral("a folder")
                                                        : QString();
    return what.isEmpty() ? QStringLiteral("it is not a regular file")
                          : QStringLiteral("it is not a regular file but ") + what;
}

} // namespace

QString notADataFile(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        // Nothing there, or a link that leads nowhere: a write makes a new file. A name the system will
        // not look at is for the write itself to report.
        return {};
    }
    return S_ISREG(info.st_mode) ? QString() : notRegularReason(info.st_mode);
}

QString unreadableReason(const QString& why) {
    return QStringLiteral("it cannot be read (%1)").arg(why);
}

struct DataFolder::Entry {
    fs::path name;
    QString decoded;
    bool legacy = false;
};

struct DataFolder::Listing {
    std::vector<Entry> entries;
    QString failure; // why the folder could not be listed; the entries are then unknown
};

struct DataFolder::Shared {
    int scopes = 0;
    std::optional<Listing> listing;
    QHash<QString, QString> unread; // case-folded name -> why a read of the pool could not take it
};

DataFolder::DataFolder(QString path) : m_path(std::move(path)), m_shared(std::make_shared<Shared>()) {}

fs::path DataFolder::nativeFolder() const {
    return nativePathOf(m_path);
}

DataFolder::Lookup DataFolder::find(const QString& fileName) const {
    const fs::path folder = nativeFolder();
    Lookup lookup;
    lookup.path = folder / nativePathOf(fileName);
    std::error_code error;
    if (fs::exists(lookup.path, error)) {
        lookup.found = true;
        return lookup;
    }
    std::optional<Listing> ownListing;
    const Listing* listing = nullptr;
    if (m_shared && m_shared->scopes > 0) {
        if (!m_shared->listing) {
            m_shared->listing = listFolder(folder);
        }
        listing = &*m_shared->listing;
    } else {
        ownListing = listFolder(folder);
        listing = &*ownListing;
    }
    // Whether the file is there under another case cannot be known: not the same as "not there".
    lookup.unlisted = listing->failure;
    const Entry* match = nullptr;
    int matches = 0;
    for (const Entry& entry : listing->entries) {
        if (entry.decoded.compare(fileName, Qt::CaseInsensitive) == 0) {
            match = &entry;
            ++matches;
        }
    }
    // Several files differing only in case: none of them is "the" file, so the exact name is used.
    if (matches == 1) {
        lookup.path = folder / match->name;
        lookup.found = true;
        lookup.legacyName = match->legacy;
    }
    return lookup;
}

DataFolder::Listing DataFolder::listFolder(const fs::path& folder) {
    Listing listing;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            continue;
        }
        fs::path name = it->path().filename();
        DecodedName decoded = decodeName(name);
        listing.entries.push_back({std::move(name), std::move(decoded.name), decoded.legacy});
    }
    if (error) {
        // A folder that may be entered but not read, say: half a listing is no listing either.
        listing.entries.clear();
        listing.failure =
            QStringLiteral("the folder cannot be listed (%1)").arg(qt_error_string(error.value()));
    }
    return listing;
}

DataFolder::FileNames DataFolder::fileNames() const {
    Listing listing = listFolder(nativeFolder());
    FileNames names{{}, std::move(listing.failure)};
    for (const Entry& entry : listing.entries) {
        names.names << entry.decoded;
    }
    return names;
}

QString DataFolder::replaceRefusal(const QString& fileName) const {
    const Lookup lookup = find(fileName);
    if (!lookup.found && !lookup.unlisted.isEmpty()) {
        return lookup.unlisted;
    }
    if (QString reason = notADataFile(lookup.path); !reason.isEmpty()) {
        return reason;
    }
    // A data file that cannot be read holds what the program never saw: replacing it would lose it.
    const OpenFile file(::open(lookup.path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.handle < 0 && errno != ENOENT) {
        return unreadableReason(qt_error_string(errno));
    }
    // Readable by now, but the program shows defaults in its place: a save would replace what the user
    // entered with them.
    if (const auto unread = m_shared->unread.constFind(fileName.toCaseFolded());
        unread != m_shared->unread.cend()) {
        return QStringLiteral("it could not be read when the pool was loaded (%1); restart the program to "
                              "read it")
            .arg(*unread);
    }
    return {};
}

void DataFolder::noteRead(const QString& fileName, const FileContent& content) const {
    if (content.state == FileState::Read) {
        m_shared->unread.remove(fileName.toCaseFolded());
    } else if (content.state != FileState::Missing) {
        m_shared->unread.insert(fileName.toCaseFolded(), content.reason);
    }
}

void DataFolder::noteRenamed(const QString& fromName, const QString& toName) const {
    const QString reason = m_shared->unread.take(fromName.toCaseFolded());
    if (!reason.isNull()) {
        m_shared->unread.insert(toName.toCaseFolded(), reason);
    }
}

QString DataFolder::filePath(const QString& fileName) const {
    const Lookup lookup = find(fileName);
    if (!lookup.found || lookup.legacyName) {
        return QDir(m_path).filePath(fileName);
    }
    return QDir(m_path).filePath(decodeName(lookup.path.filename()).name);
}

bool DataFolder::exists(const QString& fileName) const {
    return find(fileName).found;
}

DataFolder::FileContent DataFolder::readContent(const QString& fileName) const {
    const Lookup lookup = find(fileName);
    if (!lookup.found) {
        if (!lookup.unlisted.isEmpty()) {
            return {FileState::NotOpened, {}, lookup.unlisted};
        }
        return {FileState::Missing, {}, QStringLiteral("it was not found")};
    }
    // Without waiting: opening a FIFO for reading waits for a writer, and a terminal could become the
    // program's; what the file is shows only once it is open.
    const OpenFile file(::open(lookup.path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.handle < 0) {
        const int openError = errno;
        // A socket cannot be opened at all: what it is says more than the system's "no such device".
        const QString what = notADataFile(lookup.path);
        return {FileState::NotOpened, {}, what.isEmpty() ? qt_error_string(openError) : what};
    }
    const auto unusable = [](const QString& reason) { return FileContent{FileState::Unusable, {}, reason}; };
    struct stat info {};
    if (::fstat(file.handle, &info) != 0) {
        return unusable(qt_error_string(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return unusable(notRegularReason(info.st_mode));
    }
    const QString tooLarge = QStringLiteral("it is larger than %1 MB").arg(MaxFileBytes / (1024 * 1024));
    if (info.st_size > MaxFileBytes) {
        return unusable(tooLarge);
    }
    // A regular file is read waiting for its bytes: a network or user-space file system may answer a
    // read that must not wait with "try again", which would make a whole data file unusable.
    const int flags = ::fcntl(file.handle, F_GETFL);
    if (flags == -1 || ::fcntl(file.handle, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        return unusable(qt_error_string(errno));
    }
    // Room for one byte more than the size tells, so that the end shows at the next read; a file that
    // grows while it is read is followed, up to the bound.
    QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qsizetype held = 0;
    for (;;) {
        if (held == bytes.size()) {
            if (held > MaxFileBytes) {
                return unusable(tooLarge);
            }
            bytes.resize(std::min(std::max(2 * held, ReadChunk), MaxFileBytes + 1));
        }
        const ssize_t got =
            ::read(file.handle, bytes.data() + held, static_cast<std::size_t>(bytes.size() - held));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return unusable(qt_error_string(errno));
        }
        if (got == 0) {
            break;
        }
        held += got;
    }
    bytes.resize(held);
    return {FileState::Read, std::move(bytes), {}};
}

std::optional<QByteArray> DataFolder::readFile(const QString& fileName) const {
    FileContent content = readContent(fileName);
    if (content.state != FileState::Read) {
        return std::nullopt;
    }
    return std::move(content.bytes);
}

DataFolder::ListingScope::ListingScope(const DataFolder& folder) : m_folder(folder) {
    if (m_folder.m_shared) {
        ++m_folder.m_shared->scopes;
    }
}

DataFolder::ListingScope::~ListingScope() {
    if (m_folder.m_shared && --m_folder.m_shared->scopes == 0) {
        m_folder.m_shared->listing.reset();
    }
}

WriteResult renameFile(const DataFolder& folder, const QString& fromName, const QString& toName) {
    const DataFolder::Lookup source = folder.find(fromName);
    if (!source.found) {
        return WriteResult::failure(toName, source.unlisted.isEmpty()
                                                ? QStringLiteral("%1 was not found").arg(fromName)
                                                : source.unlisted);
    }
    if (const QString reason = folder.replaceRefusal(toName); !reason.isEmpty()) {
        return WriteResult::failure(QFileInfo(folder.filePath(toName)).fileName(), reason);
    }
    const DataFolder::Lookup target = folder.find(toName);
    // A target under a name that is not UTF-8 gives way to the new name as it is written today.
    const fs::path targetPath = target.legacyName ? nativePathOf(folder.filePath(toName)) : target.path;
    std::error_code error;
    fs::rename(source.path, targetPath, error);
    if (error) {
        return WriteResult::failure(toName, QString::fromStdString(error.message()));
    }
    if (target.legacyName) {
        fs::remove(target.path, error);
    }
    folder.noteRenamed(fromName, toName);
    return WriteResult::success(QFileInfo(folder.filePath(toName)).fileName());
}

QString memberNamePrefix(const QString& memberName) {
    constexpr int PrefixCharacters = 8;
    return leftCharacters(memberName, PrefixCharacters);
}

QString memberFileStem(const QString& memberName) {
    QString stem = memberNamePrefix(memberName);
    for (QChar& c : stem) {
        const char16_t u = c.unicode();
        if (u == u'/' || u == u'\\' || u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0)) {
            c = QLatin1Char('_');
        }
    }
    return stem;
}

bool isNamedMember(const QString& memberName) {
    return !memberName.trimmed().isEmpty();
}

QString memberFileName(const QString& memberName, const QString& extension) {
    return memberFileStem(memberName) + QLatin1Char('.') + extension;
}

} // namespace vek
