#pragma once

#include "output/printercatalog.h"

#include <QMap>

namespace vek {

/// The platform's printers (`QPrinterInfo`, in its order) and the PDF device writing into the pool's
/// folder. The current device starts as the platform's default printer, or the first device.
class QtPrinterCatalog final : public PrinterCatalog {
public:
    explicit QtPrinterCatalog(QString pdfFolder);

    [[nodiscard]] QStringList deviceNames() const override;
    [[nodiscard]] int currentDevice() const override;
    void setCurrentDevice(int index) override;
    [[nodiscard]] PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    [[nodiscard]] std::unique_ptr<ReportPrinter> openPrinter(const QString& fontName) override;

private:
    [[nodiscard]] QString currentName() const;

    QString m_pdfFolder;
    QString m_current; // the device chosen with Select; empty until then
    QMap<QString, PageOrientation> m_orientations;
};

} // namespace vek
