#include "model/datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace vek {

DataFolder::DataFolder(QString path) : m_path(std::move(path)) {}

QString DataFolder::filePath(const QString& fileName) const {
    const QDir dir(m_path);
    const QString exact = dir.filePath(fileName);
    if (QFileInfo::exists(exact)) {
        return exact;
    }
    QString match;
    int matches = 0;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) {
            match = entry;
            ++matches;
        }
    }
    // Several files differing only in case: none of them is "the" file, so the exact name is used.
    return matches == 1 ? dir.filePath(match) : exact;
}

bool DataFolder::exists(const QString& fileName) const {
    return QFileInfo::exists(filePath(fileName));
}

QString memberFileStem(const QString& memberName) {
    QString stem = memberName.left(8);
    for (QChar& c : stem) {
        const char16_t u = c.unicode();
        if (u == u'/' || u == u'\\' || u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0)) {
            c = QLatin1Char('_');
        }
    }
    return stem;
}

QString memberFileName(const QString& memberName, const QString& extension) {
    return memberFileStem(memberName) + QLatin1Char('.') + extension;
}

} // namespace vek
