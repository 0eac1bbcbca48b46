#include "reports/reportfile.h"

#include "model/textcodec.h"

namespace vek {
namespace {
const QByteArray LineEnd = QByteArrayLiteral("\r\n");
}

ReportFile::ReportFile(DataFolder folder, QString fileName)
    : m_folder(std::move(folder)), m_fileName(std::move(fileName)) {}

void ReportFile::create() {
    m_content.clear();
    m_open = true;
}

void ReportFile::openForAppend() {
    if (m_open) {
        return;
    }
    m_open = true;
    DataFolder::FileContent file = m_folder.readContent(m_fileName);
    if (file.state == DataFolder::FileState::Missing) {
        return;
    }
    if (file.state != DataFolder::FileState::Read) {
        // In the words of every save that refuses such a file.
        if (m_failure.ok) {
            const QString refusal = m_folder.replaceRefusal(m_fileName);
            m_failure =
                WriteResult::failure(m_fileName, refusal.isEmpty() ? unreadableReason(file.reason) : refusal);
        }
        return;
    }
    m_content = std::move(file.bytes);
}

void ReportFile::write(const QString& piece) {
    m_open = true;
    m_content += encodeFileText(piece);
}

void ReportFile::writeLine(const QString& text) {
    write(text);
    m_content += LineEnd;
}

WriteResult ReportFile::commit() {
    if (!m_failure.ok) {
        return m_failure;
    }
    if (!m_open) {
        return WriteResult::success(m_fileName);
    }
    return writeFileAtomically(m_folder, m_fileName, m_content);
}

QString htmlText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QStringLiteral("&amp;");
            break;
        case '<':
            out += QStringLiteral("&lt;");
            break;
        case '>':
            out += QStringLiteral("&gt;");
            break;
        case '"':
            out += QStringLiteral("&quot;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace vek
