#pragma once

#include "output/cupsconnection.h"
#include "output/printercatalog.h"

#include <QHash>
#include <QMap>

#include <functional>
#include <memory>

typedef struct cups_dest_s cups_dest_t;

namespace vek {

/// What the print server listed: its printers in its order (an instance of a queue as
/// "queue/instance"), its default printer, and the address of each printer found on the network that
/// has no queue on the server yet; or why the server could not be asked.
struct PrinterList {
    QStringList names;
    QString preferred;
    QHash<QString, QString> deviceUris;
    QString failure;
};

/// The printers that the server's destinations name.
[[nodiscard]] PrinterList listPrinters(int count, const cups_dest_t* dests);

/// The CUPS server's printers (in the order that Qt's printer list has them too) and the PDF device
/// writing into the pool's folder. The current device is the server's default printer, or the first
/// device, once the first list is in. The list is asked on a worker thread of its own, which nothing
/// waits for; the catalog may go while the worker still asks.
class QtPrinterCatalog final : public PrinterCatalog {
public:
    /// How the printers are asked of the server within `answerMs`; runs on the worker thread.
    using Lister = std::function<PrinterList(int answerMs)>;
    /// How the whole list is fetched once the server gives it: libcups' cupsGetDests2, which adds the
    /// printers found on the network.
    using DestsGetter = int (*)(http_t* http, cups_dest_t** dests);

    /// The server has `answerMs` in all to list its printers and to take each document.
    explicit QtPrinterCatalog(
        QString pdfFolder, int answerMs = CupsConnection::AnswerMs,
        Lister lister = [](int ms) { return askServer(ms); });
    ~QtPrinterCatalog() override;

    /// The server's printers, asked on a connection of our own: Qt asks on libcups' default
    /// connection, which waits minutes for a server that does not answer.
    [[nodiscard]] static PrinterList askServer(int answerMs);
    [[nodiscard]] static PrinterList askServer(int answerMs, DestsGetter getDests);

    void refresh() override;
    [[nodiscard]] bool isListing() const override { return m_listing; }
    [[nodiscard]] QString listFailure() const override { return m_failure; }
    [[nodiscard]] QStringList deviceNames() const override { return m_names; }
    [[nodiscard]] QString currentName() const override;
    void setCurrentDevice(int index) override;
    [[nodiscard]] PageOrientation orientation() const override;
    void setOrientation(PageOrientation orientation) override;
    [[nodiscard]] std::unique_ptr<ReportPrinter> openPrinter(const QString& fontName) override;

private:
    struct Mailbox;
    void take(const PrinterList& list);

    QString m_pdfFolder;
    int m_answerMs;
    Lister m_lister;
    std::shared_ptr<Mailbox> m_mailbox; // where the worker leaves the list
    bool m_listing = false;
    bool m_read = false; // a list has been read, so one of its devices is current
    QStringList m_names{PdfDevice};
    QString m_preferred; // the server's default printer
    QString m_current;   // the device chosen with Select, or kept while the list cannot be read
    QHash<QString, QString> m_deviceUris;
    QString m_failure;
    QMap<QString, PageOrientation> m_orientations;
};

} // namespace vek
