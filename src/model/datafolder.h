#pragma once

#include "model/datawriter.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace vek {

/// The pool's folder: the program's folder in the application, a temporary folder in the tests.
/// Resolves file names the way pool folders copied from other systems need it: the exact name when that
/// file exists, otherwise the one file whose name matches it case-insensitively, where a name on disk
/// whose bytes are not valid UTF-8 is read as Windows-1252 (folders carried over from older systems).
class DataFolder {
public:
    DataFolder() = default;
    explicit DataFolder(QString path);

    [[nodiscard]] const QString& path() const { return m_path; }

    /// The file a name means in the folder.
    struct Lookup {
        std::filesystem::path path; // as the file system spells it; the exact name when nothing matched
        bool found = false;         // an existing file (or folder) has that name or matches it
        bool legacyName = false;    // it was found under a name that is not valid UTF-8
        QString unlisted; // the exact name is not there and the folder could not be listed to look for
                          // it in another case: why; whether a file has that name is then not known
    };
    [[nodiscard]] Lookup find(const QString& fileName) const;

    /// The full path of a file of the folder for Qt's file classes: the found file, or the exact name for
    /// a new file. A file found under a name that is not valid UTF-8 cannot be opened through a QString
    /// path; for it this gives the exact name (the data files are read and written through `readFile`
    /// and `writeFileAtomically`, which reach it).
    [[nodiscard]] QString filePath(const QString& fileName) const;

    /// The names of the files in the folder (not its subfolders), as `find` sees them: a name whose bytes
    /// are not valid UTF-8 read as Windows-1252. A folder that cannot be listed gives no names and the
    /// reason in `failure`, never an empty folder.
    struct FileNames {
        QStringList names;
        QString failure;
    };
    [[nodiscard]] FileNames fileNames() const;

    /// Whether a file of that name (exact or matching) exists.
    [[nodiscard]] bool exists(const QString& fileName) const;

    /// Far above the largest data or report file a pool has, far below the memory of any machine: a file
    /// that is larger is no file of the pool (one linked to a device that never ends, say).
    static constexpr qsizetype MaxFileBytes = 64 * 1024 * 1024;

    /// What reading a whole file of the folder gave.
    enum class FileState {
        Read,      // the bytes are the file's
        Missing,   // no file has that name
        NotOpened, // there, but the system would not open it (no permission, a socket), or not known to
                   // be missing (the folder cannot be listed)
        Unusable,  // no regular file (a folder, a device, a FIFO), larger than MaxFileBytes, or a failed read
    };
    struct FileContent {
        FileState state = FileState::Missing;
        QByteArray bytes;
        QString reason; // why it was not read, for a message
    };
    /// The whole content of a file of the folder. Only a regular file is read, and only up to
    /// MaxFileBytes; it is opened without waiting, so a FIFO or a device never blocks the program, and
    /// read waiting for its bytes once it is known to be a regular file.
    [[nodiscard]] FileContent readContent(const QString& fileName) const;
    /// The whole content of a file of the folder as `readContent` reads it; nullopt when it was not read.
    [[nodiscard]] std::optional<QByteArray> readFile(const QString& fileName) const;

    /// Why a save must not replace what a name of the folder leads to; empty when it may. It is no data
    /// file (`notADataFile`); it is a data file that cannot be read, whose content the program never saw;
    /// a read of the pool could not take it (see `noteRead`), so what it holds is not what the program
    /// shows even once it can be read; or the folder cannot be listed to find it.
    [[nodiscard]] QString replaceRefusal(const QString& fileName) const;

    /// Records what a read of the pool's data made of a file: one that the read could not take keeps
    /// every save off it for the rest of the session (the program shows defaults in its place); one
    /// read whole is the program's own again. A missing file is neither.
    void noteRead(const QString& fileName, const FileContent& content) const;
    /// A file that was renamed takes what was noted of it to its new name.
    void noteRenamed(const QString& fromName, const QString& toName) const;

    /// While a ListingScope lives, every lookup that misses the exact name uses one listing of the folder
    /// taken at the first such lookup, instead of listing the folder each time. For a run of reads that
    /// nothing writes between, such as start-up reading every member's files.
    class ListingScope {
    public:
        explicit ListingScope(const DataFolder& folder);
        ~ListingScope();
        ListingScope(const ListingScope&) = delete;
        ListingScope& operator=(const ListingScope&) = delete;

    private:
        const DataFolder& m_folder;
    };

private:
    struct Entry;
    struct Listing;
    struct Shared;
    [[nodiscard]] std::filesystem::path nativeFolder() const;
    [[nodiscard]] static Listing listFolder(const std::filesystem::path& folder);

    QString m_path;
    std::shared_ptr<Shared> m_shared; // shared by copies: they name the same folder
};

/// Why a file of the folder is no data file, from what its name leads to, links followed: empty for a
/// regular file or for nothing at all (a missing file, a link that leads nowhere), else "it is not a
/// regular file but a device" (a FIFO, a socket, a folder). Reading such a file would wait or never end,
/// and writing one would write into a device or put a file in place of it.
[[nodiscard]] QString notADataFile(const std::filesystem::path& path);

/// Why a save refuses a file that is there but cannot be read: "it cannot be read (<why>)".
[[nodiscard]] QString unreadableReason(const QString& why);

/// Renames a file of the folder. The file is found as `DataFolder::find` finds it; a file that the new
/// name already finds is replaced, but only when it may be (`DataFolder::replaceRefusal`). The result
/// names the new file; when it fails (no file of the old name, a target that may not be replaced, or the
/// file system refused) both files stay as they were.
[[nodiscard]] WriteResult renameFile(const DataFolder& folder, const QString& fromName,
                                     const QString& toName);

/// The first 8 characters of a member's name (the whole name when shorter): the part that names the
/// member's files, so no two members may share it. Characters, not UTF-16 units: a character outside
/// the Basic Multilingual Plane is never cut in half.
[[nodiscard]] QString memberNamePrefix(const QString& memberName);

/// The stem of a member's files: `memberNamePrefix`, with "/", "\" and control characters replaced so
/// that the name never leaves the folder.
[[nodiscard]] QString memberFileStem(const QString& memberName);

/// Whether a member has a name, and so files of his own: a member without one (a members.dat that
/// counts more members than it names) reads and writes no files, since every such member would share
/// the one stem "".
[[nodiscard]] bool isNamedMember(const QString& memberName);

/// "<stem>.PRD", "<stem>.CPT", "<stem>.OLD" of a member.
[[nodiscard]] QString memberFileName(const QString& memberName, const QString& extension);

} // namespace vek
