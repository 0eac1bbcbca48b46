#pragma once

#include "reports/reportchoice.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace vek {

class ReportPrinter;

/// The printers the output dialog offers: the installed printers in the platform's order, then the
/// "PDF file" device (the only one where no printer is installed), which of them is current for all
/// later printing, and its page orientation. The list is the one last taken, so that the printer the
/// user sees chosen is the one printed on, even when it is gone by then. Taking the list may take a
/// while (the print server has its span to answer), so it is taken without holding the window: the
/// catalog says listed() once it is in. The application's version asks the platform; window tests use
/// their own, so that no test needs a printer.
class PrinterCatalog : public QObject {
    Q_OBJECT
public:
    static inline const QString PdfDevice = QStringLiteral("PDF file");

    /// Starts taking the list of devices anew, unless that is under way already; listed() follows,
    /// on the caller's thread. A chosen device that is no longer on a list that was read is forgotten;
    /// while the list cannot be read, the device that was current stays current.
    virtual void refresh() = 0;
    /// Whether a refresh() still waits for its list.
    [[nodiscard]] virtual bool isListing() const = 0;
    /// Why the last list holds none of the server's printers (the server could not be asked, or it
    /// refused the list), for the user; "" when it was read.
    [[nodiscard]] virtual QString listFailure() const = 0;
    /// The devices' names as the last list has them, the PDF device last.
    [[nodiscard]] virtual QStringList deviceNames() const = 0;
    /// The current device's name, which a list that could not be read may lack; "" while none is known
    /// (none was chosen or shown current, and no list has been read).
    [[nodiscard]] virtual QString currentName() const = 0;
    /// Makes the device at `index` of deviceNames() current.
    virtual void setCurrentDevice(int index) = 0;
    /// The current device's orientation.
    [[nodiscard]] virtual PageOrientation orientation() const = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    /// A printer for one print action on the current device, in its orientation and in the fixed-pitch
    /// font `fontName` (the default printer font when empty).
    [[nodiscard]] virtual std::unique_ptr<ReportPrinter> openPrinter(const QString& fontName) = 0;

signals:
    /// A list taken by refresh() is in.
    void listed();
};

} // namespace vek
