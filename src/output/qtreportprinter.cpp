#include "output/qtreportprinter.h"

#include "model/appinfo.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace vek {
namespace {

QFont runFont(const QString& family, const PrintRun& run) {
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(run.size > 0.0 ? run.size : 10.0);
    font.setBold(run.bold);
    font.setItalic(run.italic);
    font.setUnderline(run.underline);
    return font;
}

/// A line laid out on the device: its width and height, and where its text stands.
struct LineBox {
    double width = 0.0;
    double height = 0.0;
    double ascent = 0.0;
};

LineBox measure(const PrintLine& line, const QString& family, QPaintDevice* device) {
    LineBox box;
    for (const PrintRun& run : line.runs) {
        const QFontMetricsF metrics(runFont(family, run), device);
        box.width += metrics.horizontalAdvance(run.text);
        box.height = std::max(box.height, metrics.lineSpacing());
        box.ascent = std::max(box.ascent, metrics.ascent());
    }
    if (line.runs.empty()) {
        // An empty line is as high as a line in the size that was set when it ended.
        PrintRun blank;
        blank.size = line.size;
        box.height = QFontMetricsF(runFont(family, blank), device).lineSpacing();
    }
    return box;
}

} // namespace

QtReportPrinter::QtReportPrinter(QString printerName, QString pdfFolder, PageOrientation orientation,
                                 QString fontName)
    : m_printerName(std::move(printerName)), m_pdfFolder(std::move(pdfFolder)), m_orientation(orientation),
      m_fontName(fontName.isEmpty() ? DefaultFont : std::move(fontName)) {}

QString QtReportPrinter::nextPdfPath() const {
    const QDir folder(m_pdfFolder);
    for (int n = 1;; ++n) {
        const QString path = folder.filePath(QStringLiteral("printout%1.pdf").arg(n));
        if (!QFileInfo::exists(path)) {
            return path;
        }
    }
}

void QtReportPrinter::documentEnded(PrintDocument&& document) {
    if (!m_failure.isEmpty()) {
        return; // the device already refused; the rest of the action stays on the desk
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(appinfo::Title);
    printer.setPageOrientation(m_orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
    QString device = m_printerName;
    if (m_printerName.isEmpty()) {
        device = nextPdfPath();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(device);
    } else {
        printer.setPrinterName(m_printerName);
    }
    QString reason;
    if (!render(document, printer, m_fontName, reason)) {
        m_failure = m_printerName.isEmpty()
                        ? QStringLiteral("The report could not be written to %1: %2").arg(device, reason)
                        : QStringLiteral("The report could not be printed on %1: %2").arg(device, reason);
        return;
    }
    if (m_printerName.isEmpty()) {
        m_pdfFiles << device;
    }
}

bool QtReportPrinter::render(const PrintDocument& document, QPrinter& printer, const QString& fontName,
                             QString& reason) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        reason = QStringLiteral("the device refused the document");
        return false;
    }
    std::vector<std::vector<LineBox>> boxes;
    double widest = 0.0;
    for (const PrintPage& page : document.pages) {
        auto& pageBoxes = boxes.emplace_back();
        for (const PrintLine& line : page.lines) {
            pageBoxes.push_back(measure(line, fontName, &printer));
            widest = std::max(widest, pageBoxes.back().width);
        }
    }
    // A document wider than the page is drawn smaller as a whole, so every page keeps one scale.
    const double pageWidth = printer.width();
    const double scale = widest > pageWidth ? pageWidth / widest : 1.0;
    const double pageHeight = printer.height() / scale;
    painter.scale(scale, scale);

    double y = 0.0;
    bool pageUsed = false;
    for (std::size_t p = 0; p < document.pages.size(); ++p) {
        if (p > 0) {
            printer.newPage();
            y = 0.0;
            pageUsed = false;
        }
        const PrintPage& page = document.pages[p];
        for (std::size_t l = 0; l < page.lines.size(); ++l) {
            const LineBox& box = boxes[p][l];
            if (pageUsed && y + box.height > pageHeight) {
                printer.newPage();
                y = 0.0;
            }
            double x = 0.0;
            for (const PrintRun& run : page.lines[l].runs) {
                const QFont font = runFont(fontName, run);
                painter.setFont(font);
                painter.drawText(QPointF(x, y + box.ascent), run.text);
                x += QFontMetricsF(font, &printer).horizontalAdvance(run.text);
            }
            y += box.height;
            pageUsed = true;
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        reason = QStringLiteral("the device failed while printing");
        return false;
    }
    return true;
}

} // namespace vek
