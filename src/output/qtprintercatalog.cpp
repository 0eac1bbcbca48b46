#include "output/qtprintercatalog.h"

#include "output/qtreportprinter.h"

#include <QPrinterInfo>

namespace vek {

QtPrinterCatalog::QtPrinterCatalog(QString pdfFolder) : m_pdfFolder(std::move(pdfFolder)) {}

QStringList QtPrinterCatalog::deviceNames() const {
    return QPrinterInfo::availablePrinterNames() << PdfDevice;
}

QString QtPrinterCatalog::currentName() const {
    const QStringList names = deviceNames();
    if (names.contains(m_current)) {
        return m_current;
    }
    const QString preferred = QPrinterInfo::defaultPrinterName();
    return names.contains(preferred) ? preferred : names.front();
}

int QtPrinterCatalog::currentDevice() const {
    return static_cast<int>(deviceNames().indexOf(currentName()));
}

void QtPrinterCatalog::setCurrentDevice(int index) {
    const QStringList names = deviceNames();
    if (index >= 0 && index < names.size()) {
        m_current = names[index];
    }
}

PageOrientation QtPrinterCatalog::orientation() const {
    return m_orientations.value(currentName(), PageOrientation::Portrait);
}

void QtPrinterCatalog::setOrientation(PageOrientation orientation) {
    m_orientations[currentName()] = orientation;
}

std::unique_ptr<ReportPrinter> QtPrinterCatalog::openPrinter(const QString& fontName) {
    const QString name = currentName();
    return std::make_unique<QtReportPrinter>(name == PdfDevice ? QString() : name, m_pdfFolder, orientation(),
                                             fontName);
}

} // namespace vek
