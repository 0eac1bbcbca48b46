#pragma once

#include <QString>

namespace vek {

/// The pool's folder: the program's folder in the application, a temporary folder in the tests.
/// Resolves file names the way pool folders copied from other systems need it.
class DataFolder {
public:
    DataFolder() = default;
    explicit DataFolder(QString path);

    [[nodiscard]] const QString& path() const { return m_path; }

    /// The full path of a file of the folder: the exact name when that file exists, otherwise the one
    /// file whose name matches it case-insensitively, otherwise the exact name (for a new file).
    [[nodiscard]] QString filePath(const QString& fileName) const;

    /// Whether a file of that name (exact or the single case-insensitive match) exists.
    [[nodiscard]] bool exists(const QString& fileName) const;

private:
    QString m_path;
};

/// The stem of a member's files: the first 8 characters of the member's name (the whole name when
/// shorter), with "/", "\" and control characters replaced so that the name never leaves the folder.
[[nodiscard]] QString memberFileStem(const QString& memberName);

/// "<stem>.PRD", "<stem>.CPT", "<stem>.OLD" of a member.
[[nodiscard]] QString memberFileName(const QString& memberName, const QString& extension);

} // namespace vek
