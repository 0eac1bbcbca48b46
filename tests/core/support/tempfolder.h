#pragma once

#include "model/datafolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace vek::test {

/// A temporary pool folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder() : m_folder(m_dir.path()) {}

    [[nodiscard]] const DataFolder& folder() const { return m_folder; }
    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] QString filePath(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(filePath(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    [[nodiscard]] QByteArray read(const QString& name) const {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    [[nodiscard]] bool exists(const QString& name) const { return QFile::exists(filePath(name)); }

private:
    QTemporaryDir m_dir;
    DataFolder m_folder;
};

} // namespace vek::test
