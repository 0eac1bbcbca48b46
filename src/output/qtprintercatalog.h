#pragma once

#include "output/cupsconnection.h"
#include "output/printercatalog.h"

#include <QMap>

namespace vek {

/// The CUPS server's printers (in the order that Qt's printer list has them too) and the PDF device
/// writing into the pool's folder. The current device starts as the server's default printer, or the
/// first device.
class QtPrinterCatalog final : public PrinterCatalog {
public:
    /// The server has `answerMs` in all to list its printers and to take each document.
    explicit QtPrinterCatalog(QString pdfFolder, int answerMs = CupsConnection::AnswerMs);

    void refresh() override;
    [[nodiscard]] QStringList deviceNames() const override { return m_names; }
    [[nodiscard]] int currentDevice() const override;
    void setCurrentDevice(int index) override;
    [[nodiscard]] PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    [[nodiscard]] std::unique_ptr<ReportPrinter> openPrinter(const QString& fontName) override;

private:
    [[nodiscard]] QString currentName() const;

    QString m_pdfFolder;
    int m_answerMs;
    QStringList m_names{PdfDevice};
    QString m_preferred; // the server's default printer
    QString m_current;   // the device chosen with Select; empty until then
    QMap<QString, PageOrientation> m_orientations;
};

} // namespace vek
