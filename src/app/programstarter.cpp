#include "app/programstarter.h"

#include <QFileInfo>
#include <QProcess>

namespace vek {

bool DetachedProgramStarter::fileExists(const QString& path) const {
    return QFileInfo(path).isFile();
}

bool DetachedProgramStarter::start(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    return QProcess::startDetached(path, {});
}

} // namespace vek
