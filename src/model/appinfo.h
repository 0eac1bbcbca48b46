#pragma once

// VersionMajor, VersionMinor and VersionRevision, generated from the build's version.
#include "model/appversion.h"

#include <QString>

namespace vek::appinfo {

// The application object's values: title, description, version and the legal texts.
inline const QString Title = QStringLiteral("Kestrelmoor");
inline const QString Description = QStringLiteral("VEK Football Pool");
inline const QString Copyright = QStringLiteral("Copyright (C) Kestrelmoor Software. All rights reserved.");
inline const QString CompanyProduct = QStringLiteral("Kestrelmoor Software");
/// Where the latest schedules are published.
inline const QString WebSite = QStringLiteral("www.kestrelmoor.example");

/// "Kestrelmoor - VEK Football Pool"
inline QString titleAndDescription() {
    return Title + QStringLiteral(" - ") + Description;
}
/// The title of start-up and guided-setup messages.
inline QString messageTitle() {
    return titleAndDescription() + QStringLiteral(" Message");
}
/// "Version 6.0.0"
inline QString versionText() {
    return QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision);
}

} // namespace vek::appinfo
