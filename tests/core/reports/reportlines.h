#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace vek::test {

/// Report lines as standard strings, so that a failed comparison shows the text itself.
inline std::vector<std::string> linesOf(const QStringList& lines) {
    std::vector<std::string> out;
    for (const QString& line : lines) {
        out.push_back(line.toStdString());
    }
    return out;
}

} // namespace vek::test
