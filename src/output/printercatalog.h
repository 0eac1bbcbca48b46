#pragma once

#include "reports/reportchoice.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace vek {

class ReportPrinter;

/// The printers the output dialog offers: the installed printers in the platform's order, then the
/// "PDF file" device (the only one where no printer is installed), which of them is current for all
/// later printing, and its page orientation. The list is the one taken when the dialog opened, so that
/// the printer the user sees chosen is the one printed on, even when it is gone by then. The
/// application's version asks the platform; window tests use their own, so that no test needs a printer.
class PrinterCatalog {
public:
    static inline const QString PdfDevice = QStringLiteral("PDF file");

    virtual ~PrinterCatalog() = default;

    /// Takes the list of devices anew. A chosen device that is no longer listed is forgotten.
    virtual void refresh() = 0;
    /// The devices' names as the last refresh() found them, the PDF device last.
    [[nodiscard]] virtual QStringList deviceNames() const = 0;
    /// The current device's position in deviceNames().
    [[nodiscard]] virtual int currentDevice() const = 0;
    virtual void setCurrentDevice(int index) = 0;
    /// The current device's orientation.
    [[nodiscard]] virtual PageOrientation orientation() const = 0;
    virtual void setOrientation(PageOrientation orientation) = 0;
    /// A printer for one print action on the current device, in its orientation and in the fixed-pitch
    /// font `fontName` (the default printer font when empty).
    [[nodiscard]] virtual std::unique_ptr<ReportPrinter> openPrinter(const QString& fontName) = 0;
};

} // namespace vek
