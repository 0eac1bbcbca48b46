#include "app/urlopener.h"

#include <QDesktopServices>
#include <QUrl>

namespace vek {

bool DesktopUrlOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace vek
