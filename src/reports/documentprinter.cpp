#include "reports/documentprinter.h"

namespace vek {

void DocumentPrinter::startDocumentIfNeeded() {
    if (!m_open) {
        m_document = PrintDocument{};
        m_document.pages.emplace_back();
        m_open = true;
    }
}

void DocumentPrinter::print(const QString& piece) {
    startDocumentIfNeeded();
    m_lineOpen = true;
    PrintRun run{piece, m_size, m_bold, m_italic, m_underline};
    if (!m_line.runs.empty() && m_line.runs.back().sameStyle(run)) {
        m_line.runs.back().text += piece;
    } else {
        m_line.runs.push_back(std::move(run));
    }
}

void DocumentPrinter::endLine() {
    startDocumentIfNeeded();
    m_line.size = m_size;
    m_document.pages.back().lines.push_back(std::move(m_line));
    m_line = PrintLine{};
    m_lineOpen = false;
}

void DocumentPrinter::newPage() {
    startDocumentIfNeeded();
    if (m_lineOpen) {
        endLine();
    }
    // A new page on a page that holds nothing yet would only eject a blank sheet.
    if (!m_document.pages.back().lines.empty()) {
        m_document.pages.emplace_back();
    }
}

void DocumentPrinter::endDocument() {
    if (!m_open) {
        return;
    }
    if (m_lineOpen) {
        endLine();
    }
    m_open = false;
    // A page break at the very end ejects no blank sheet; the pages before it are the document.
    if (m_document.pages.size() > 1 && m_document.pages.back().lines.empty()) {
        m_document.pages.pop_back();
    }
    if (!m_document.pages.back().lines.empty()) {
        documentEnded(std::move(m_document));
    }
    m_document = PrintDocument{};
}

} // namespace vek
