#include "output/qtprintercatalog.h"

#include "output/qtreportprinter.h"

#include <QMutex>

#include <cups/cups.h>

#include <thread>

namespace vek {

/// The catalog as its worker may reach it: gone once the catalog is.
struct QtPrinterCatalog::Mailbox {
    QMutex mutex;
    QtPrinterCatalog* catalog = nullptr;
};

PrinterList listPrinters(int count, const cups_dest_t* dests) {
    PrinterList list;
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        QString name = QString::fromLocal8Bit(dest.name);
        if (dest.instance != nullptr) {
            name += QLatin1Char('/') + QString::fromLocal8Bit(dest.instance);
        }
        if (dest.is_default != 0 && list.preferred.isEmpty()) {
            list.preferred = name;
        }
        // A printer found on the network has no queue yet: it gets one from its address when it is
        // first printed on.
        const char* deviceUri = cupsGetOption("device-uri", dest.num_options, dest.options);
        if (deviceUri != nullptr &&
            cupsGetOption("printer-uri-supported", dest.num_options, dest.options) == nullptr) {
            list.deviceUris.insert(name, QString::fromUtf8(deviceUri));
        }
        list.names << name;
    }
    return list;
}

QtPrinterCatalog::QtPrinterCatalog(QString pdfFolder, int answerMs, Lister lister)
    : m_pdfFolder(std::move(pdfFolder)), m_answerMs(answerMs), m_lister(std::move(lister)),
      m_mailbox(std::make_shared<Mailbox>()) {
    m_mailbox->catalog = this;
}

QtPrinterCatalog::~QtPrinterCatalog() {
    const QMutexLocker lock(&m_mailbox->mutex);
    m_mailbox->catalog = nullptr;
}

PrinterList QtPrinterCatalog::askServer(int answerMs) {
    return askServer(answerMs, cupsGetDests2);
}

PrinterList QtPrinterCatalog::askServer(int answerMs, DestsGetter getDests) {
    PrinterList list;
    QString refusal;
    CupsConnection server(answerMs);
    server.talk([&](http_t* http) {
        // The server's answer to a request of our own says whether it gives the list: cupsGetDests2
        // goes on, for a server on this machine, to look for printers on the network, which leaves
        // libcups' last error at its own (success when it found any).
        ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                     "printer-name");
        ippDelete(cupsDoRequest(http, request, "/"));
        // cupsd answers "not found" when it has no printers. Any other error, and any HTTP error (a
        // server that is no print server answers "Not Found" too), is a list the server would not give:
        // taken for an empty one, it would have the printer the user chose forgotten.
        const ipp_status_t status = cupsLastError();
        if (httpGetStatus(http) >= HTTP_STATUS_BAD_REQUEST ||
            (status > IPP_STATUS_OK_CONFLICTING && status != IPP_STATUS_ERROR_NOT_FOUND)) {
            refusal = QString::fromUtf8(cupsLastErrorString());
            return;
        }
        cups_dest_t* dests = nullptr;
        const int count = getDests(http, &dests);
        list = listPrinters(count, dests);
        cupsFreeDests(count, dests);
    });
    if (!server.failure().isEmpty()) {
        list.failure = server.failure();
    } else if (!refusal.isEmpty()) {
        list = PrinterList{};
        list.failure =
            QStringLiteral("the print server %1 refused the list (%2)").arg(server.server(), refusal);
    }
    return list;
}

void QtPrinterCatalog::refresh() {
    if (m_listing) {
        return; // the list under way comes soon enough; a second worker would only wait beside it
    }
    m_listing = true;
    // libcups keeps the server per thread: the worker asks the one that printing on this thread uses.
    const QByteArray server(cupsServer());
    const int port = ippPort();
    // A thread of its own that nobody waits for: the program ends at once on Exit, even while a print
    // server that does not answer holds the worker for the rest of its span.
    std::thread([mailbox = m_mailbox, lister = m_lister, answerMs = m_answerMs, server, port] {
        cupsSetServer(server.constData());
        ippSetPort(port);
        const PrinterList list = lister(answerMs);
        cupsSetServer(nullptr);
        // Posted under the lock, so the catalog cannot go in between; a catalog that goes after
        // takes the posted call with it.
        const QMutexLocker lock(&mailbox->mutex);
        if (QtPrinterCatalog* catalog = mailbox->catalog; catalog != nullptr) {
            QMetaObject::invokeMethod(
                catalog, [catalog, list] { catalog->take(list); }, Qt::QueuedConnection);
        }
    }).detach();
}

void QtPrinterCatalog::take(const PrinterList& list) {
    m_listing = false;
    m_failure = list.failure;
    if (m_failure.isEmpty()) {
        m_names = list.names;
        m_names << PdfDevice;
        m_preferred = list.preferred;
        m_deviceUris = list.deviceUris;
        if (!m_names.contains(m_current)) {
            m_current.clear();
        }
        m_read = true;
    } else {
        // The server's printers are unknown, not gone: the printer shown so far, chosen or not, stays
        // current, so that Print names the server that does not answer rather than writing a PDF.
        m_current = currentName();
        m_names = QStringList{PdfDevice};
    }
    emit listed();
}

QString QtPrinterCatalog::currentName() const {
    if (!m_current.isEmpty()) {
        return m_current;
    }
    // No list read yet: no printer is known, and the PDF device is current only when chosen.
    if (!m_read) {
        return {};
    }
    return m_names.contains(m_preferred) ? m_preferred : m_names.front();
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
    if (const QString name = currentName(); !name.isEmpty()) {
        m_orientations[name] = orientation;
    }
}

std::unique_ptr<ReportPrinter> QtPrinterCatalog::openPrinter(const QString& fontName) {
    const QString name = currentName();
    return std::make_unique<QtReportPrinter>(name == PdfDevice ? QString() : name, m_pdfFolder, orientation(),
                                             fontName, m_answerMs, m_deviceUris.value(name));
}

} // namespace vek
