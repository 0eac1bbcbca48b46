#pragma once

#include <QByteArray>
#include <QString>

namespace vek {

/// Text in the data files: written as UTF-8; read as UTF-8, or as Windows-1252 where the bytes are
/// not valid UTF-8 (files made on older systems).
[[nodiscard]] QString decodeFileText(QByteArrayView bytes);
[[nodiscard]] QByteArray encodeFileText(const QString& text);

} // namespace vek
