#pragma once

#include "reports/printdocument.h"
#include "reports/reportprinter.h"

namespace vek {

/// A printer that builds documents from the report's calls; what becomes of a finished document is
/// the subclass's (`documentEnded`). A new page asked for on a page that holds nothing yet is no page
/// (no blank sheet between two sections that each start a page, nor after the last page), and a
/// document ended without anything printed in it is dropped.
class DocumentPrinter : public ReportPrinter {
public:
    void setFontSize(double points) override { m_size = points; }
    void setBold(bool on) override { m_bold = on; }
    void setItalic(bool on) override { m_italic = on; }
    void setUnderline(bool on) override { m_underline = on; }
    void print(const QString& piece) override;
    void endLine() override;
    void newPage() override;
    void endDocument() override;

protected:
    virtual void documentEnded(PrintDocument&& document) = 0;

private:
    void startDocumentIfNeeded();

    double m_size = 10.0;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_open = false; // a document has been started
    bool m_lineOpen = false;
    PrintLine m_line;
    PrintDocument m_document;
};

} // namespace vek
