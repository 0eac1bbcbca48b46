#pragma once

#include "output/cupsconnection.h"
#include "reports/documentprinter.h"
#include "reports/reportchoice.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QLocale;
class QPageSize;
class QPagedPaintDevice;

namespace vek {

/// The report printer of the application: each finished document is drawn through Qt's PDF output and
/// becomes one print job on an installed printer (submitted to its CUPS queue, which says whether it
/// took the job) or a new numbered PDF in the pool's folder (never over an existing one, on the paper of
/// the user's locale). Every line is drawn in the fixed-pitch font at the sizes the report asks for; a
/// document wider than the page is scaled down as a whole, never cut, and a full page goes on on the
/// next one. The first failure names the printer or the PDF file.
class QtReportPrinter final : public DocumentPrinter {
public:
    static inline const QString DefaultFont = QStringLiteral("Courier New");

    /// `printerName` empty: the PDF device, writing into `pdfFolder`. A printer's server has `answerMs`
    /// in all to answer each document. `deviceUri`: the address of a printer found on the network that
    /// has no queue on the server yet; the queue is made for it before the first job.
    QtReportPrinter(QString printerName, QString pdfFolder, PageOrientation orientation, QString fontName,
                    int answerMs = CupsConnection::AnswerMs, QString deviceUri = QString());

    [[nodiscard]] QString failure() const override { return m_failure; }
    /// The names of the PDF files written, or that the printer is paused and holds the report.
    [[nodiscard]] QString notice() const override;
    /// The PDF files written so far.
    [[nodiscard]] const QStringList& pdfFiles() const { return m_pdfFiles; }

    /// Draws a document on a device that is ready to print; false, with the reason, when the device
    /// refuses it.
    [[nodiscard]] static bool render(const PrintDocument& document, QPagedPaintDevice& printer,
                                     const QString& fontName, QString& reason);

    /// The paper of a new PDF where the user lives: the locale's own paper, `localePaperMm` (width and
    /// height in millimetres), where there is one; else Letter where `locale` measures in the US system
    /// and A4 elsewhere.
    [[nodiscard]] static QPageSize localPaper(const QLocale& locale,
                                              std::optional<QSize> localePaperMm = std::nullopt);
    /// The width and height in millimetres of the paper of the C library's LC_PAPER, where that is the
    /// locale of a place rather than C or POSIX.
    [[nodiscard]] static std::optional<QSize> localePaperSize();

protected:
    void documentEnded(PrintDocument&& document) override;

private:
    [[nodiscard]] QString nextPdfPath() const;
    void writePdf(const PrintDocument& document);
    void printOnQueue(const PrintDocument& document);
    /// Draws the document into a PDF file at `path` on `paper` (the default paper when invalid); false,
    /// with the reason, when it is not whole.
    [[nodiscard]] bool renderPdf(const PrintDocument& document, const QString& path, const QPageSize& paper,
                                 QString& reason) const;

    QString m_printerName;
    QString m_deviceUri;
    QString m_pdfFolder;
    PageOrientation m_orientation;
    QString m_fontName;
    int m_answerMs;
    QString m_failure;
    QStringList m_pdfFiles;
    bool m_heldByPausedPrinter = false;
};

} // namespace vek
