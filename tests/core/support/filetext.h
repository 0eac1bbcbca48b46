#pragma once

#include <QByteArray>
#include <QList>

namespace vek::test {

/// The lines of a data file as written (CR LF line ends), without the line ends.
[[nodiscard]] inline QList<QByteArray> fileLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return lines;
}

/// A data file made of the given lines, each ended by CR LF.
[[nodiscard]] inline QByteArray fileOf(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

} // namespace vek::test
