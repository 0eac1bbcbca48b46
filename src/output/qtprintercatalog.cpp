#include "output/qtprintercatalog.h"

#include "output/qtreportprinter.h"

#include <cups/cups.h>

namespace vek {

QtPrinterCatalog::QtPrinterCatalog(QString pdfFolder, int answerMs)
    : m_pdfFolder(std::move(pdfFolder)), m_answerMs(answerMs) {}

void QtPrinterCatalog::refresh() {
    // The printers as Qt's printer list names them, asked on a connection of our own: Qt asks on
    // libcups' default connection, which waits minutes for a server that does not answer.
    QStringList names;
    QString preferred;
    CupsConnection server(m_answerMs);
    server.talk([&](http_t* http) {
        cups_dest_t* dests = nullptr;
        const int count = cupsGetDests2(http, &dests);
        for (int i = 0; i < count; ++i) {
            QString name = QString::fromLocal8Bit(dests[i].name);
            if (dests[i].instance != nullptr) {
                name += QLatin1Char('/') + QString::fromLocal8Bit(dests[i].instance);
            }
            if (dests[i].is_default != 0 && preferred.isEmpty()) {
                preferred = name;
            }
            names << name;
        }
        cupsFreeDests(count, dests);
    });
    m_names = names << PdfDevice;
    m_preferred = preferred;
    if (!m_names.contains(m_current)) {
        m_current.clear();
    }
}

QString QtPrinterCatalog::currentName() const {
    if (!m_current.isEmpty()) {
        return m_current;
    }
    return m_names.contains(m_preferred) ? m_preferred : m_names.front();
}

int QtPrinterCatalog::currentDevice() const {
    return static_cast<int>(m_names.indexOf(currentName()));
}

void QtPrinterCatalog::setCurrentDevice(int index) {
    if (index >= 0 && index < m_names.size()) {
        m_current = m_names[index];
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
                                             fontName, m_answerMs);
}

} // namespace vek
