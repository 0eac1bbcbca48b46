#include "output/qtreportprinter.h"

#include "model/appinfo.h"
#include "output/cupsqueue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <langinfo.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <vector>

namespace vek {
namespace {

constexpr int PdfDpi = 1200;                        // as a high-resolution printer
const QString PartSuffix = QStringLiteral(".part"); // a printout's name until it is whole

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
                                 QString fontName, int answerMs, QString deviceUri)
    : m_printerName(std::move(printerName)), m_deviceUri(std::move(deviceUri)),
      m_pdfFolder(std::move(pdfFolder)), m_orientation(orientation),
      m_fontName(fontName.isEmpty() ? DefaultFont : std::move(fontName)), m_answerMs(answerMs) {}

QString QtReportPrinter::nextPdfPath() const {
    const QDir folder(m_pdfFolder);
    // Neither the printout's name nor the name it is written under first may lead anywhere yet: a FIFO
    // there would hold the window, and a link would have the printout written where it leads.
    const auto taken = [](const QString& path) {
        const QFileInfo file(path);
        return file.exists() || file.isSymLink();
    };
    for (int n = 1;; ++n) {
        const QString path = folder.filePath(QStringLiteral("printout%1.pdf").arg(n));
        if (!taken(path) && !taken(path + PartSuffix)) {
            return path;
        }
    }
}

void QtReportPrinter::documentEnded(PrintDocument&& document) {
    if (!m_failure.isEmpty()) {
        return; // the device already refused; the rest of the action stays on the desk
    }
    if (m_printerName.isEmpty()) {
        writePdf(document);
    } else {
        printOnQueue(document);
    }
}

QString QtReportPrinter::notice() const {
    if (m_heldByPausedPrinter) {
        return QStringLiteral("%1 is paused: the report waits in its queue until the printer is resumed.")
            .arg(m_printerName);
    }
    QStringList names;
    for (const QString& path : m_pdfFiles) {
        names << QFileInfo(path).fileName();
    }
    return names.join(QStringLiteral(", "));
}

void QtReportPrinter::writePdf(const PrintDocument& document) {
    // The PDF takes its numbered name only once it is whole, so a full disk leaves no broken printout.
    const QString path = nextPdfPath();
    const QString part = path + PartSuffix;
    QString reason;
    if (!renderPdf(document, part, localPaper(QLocale::system(), localePaperSize()), reason)) {
        QFile::remove(part);
        m_failure = QStringLiteral("The report could not be written to %1: %2").arg(path, reason);
        return;
    }
    QFile renamed(part);
    if (!renamed.rename(path)) {
        m_failure =
            QStringLiteral("The report could not be written to %1: %2").arg(path, renamed.errorString());
        QFile::remove(part);
        return;
    }
    m_pdfFiles << path;
}

void QtReportPrinter::printOnQueue(const PrintDocument& document) {
    const auto refused = [this](const QString& reason) {
        m_failure = QStringLiteral("The report could not be printed on %1: %2").arg(m_printerName, reason);
    };
    CupsQueue queue(m_printerName, m_answerMs, m_deviceUri);
    const CupsQueue::State state = queue.state();
    if (!state.refusal.isEmpty()) {
        refused(state.refusal);
        return;
    }
    QTemporaryFile pdf(QDir(QDir::tempPath()).filePath(QStringLiteral("vekpool-XXXXXX.pdf")));
    if (!pdf.open()) {
        refused(QStringLiteral("no temporary file for the job: %1").arg(pdf.errorString()));
        return;
    }
    pdf.close();
    QString reason;
    if (!renderPdf(document, pdf.fileName(), state.paper, reason)) {
        refused(reason);
        return;
    }
    reason = queue.submit(pdf.fileName(), appinfo::Title, m_orientation);
    if (!reason.isEmpty()) {
        refused(reason);
        return;
    }
    m_heldByPausedPrinter = m_heldByPausedPrinter || state.paused;
}

QPageSize QtReportPrinter::localPaper(const QLocale& locale, std::optional<QSize> localePaperMm) {
    if (localePaperMm) {
        // The C library keeps whole millimetres: Letter is 216 x 279 there. A size near a named paper
        // is that paper.
        return QPageSize(QSizeF(*localePaperMm), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    }
    // The measuring system says little about the paper (Canada and Mexico measure in metric units and
    // print on Letter), but it is all that Qt knows of the place.
    return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                             : QPageSize::A4);
}

std::optional<QSize> QtReportPrinter::localePaperSize() {
    // QCoreApplication has the C library take the locale from the environment at start. The C locale's
    // paper (A4) is a stand-in for none, and so is that of C.UTF-8.
    const QByteArray name(setlocale(LC_PAPER, nullptr));
    if (name.isEmpty() || name == "C" || name == "POSIX" || name.startsWith("C.")) {
        return std::nullopt;
    }
    // The C library gives these numbers in the place of the text that nl_langinfo returns.
    const auto number = [](nl_item item) {
        const char* answer = nl_langinfo(item);
        unsigned int value = 0;
        std::memcpy(&value, static_cast<const void*>(&answer), sizeof value);
        return static_cast<int>(value);
    };
    const QSize paper(number(_NL_PAPER_WIDTH), number(_NL_PAPER_HEIGHT));
    return paper.width() > 0 && paper.height() > 0 ? std::optional(paper) : std::nullopt;
}

bool QtReportPrinter::renderPdf(const PrintDocument& document, const QString& path, const QPageSize& paper,
                                QString& reason) const {
    // A PDF writer, not a QPrinter: a QPrinter looks for the platform's default printer when it is made,
    // and Qt asks libcups on its default connection, which waits minutes for a server that does not
    // answer, even for the PDF device.
    QPdfWriter pdf(path);
    pdf.setResolution(PdfDpi);
    pdf.setTitle(appinfo::Title);
    if (paper.isValid()) {
        pdf.setPageSize(paper);
    }
    pdf.setPageOrientation(m_orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
    if (!render(document, pdf, m_fontName, reason)) {
        return false;
    }
    // Qt's PDF output reports no write error (a full disk, a file size limit): a whole PDF ends with
    // the end-of-file mark that is written last.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 ||
        !file.seek(std::max<qint64>(0, file.size() - 32)) || !file.readAll().contains("%%EOF")) {
        reason = QStringLiteral("only part of the file could be written (is the disk full?)");
        return false;
    }
    return true;
}

bool QtReportPrinter::render(const PrintDocument& document, QPagedPaintDevice& printer,
                             const QString& fontName, QString& reason) {
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
    if (!painter.end()) {
        reason = QStringLiteral("the device failed while printing");
        return false;
    }
    return true;
}

} // namespace vek
