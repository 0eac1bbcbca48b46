#pragma once

#include "output/printercatalog.h"
#include "reports/recordingprinter.h"

#include <memory>
#include <vector>

namespace vek::test {

/// Printers for window tests: a fixed list, the choices the window makes, and printers that record
/// what they print (the documents of every print action, kept after the action ends).
class FakePrinterCatalog final : public PrinterCatalog {
public:
    QStringList names{QStringLiteral("Office Laser"), QStringLiteral("Front Desk"), PdfDevice};
    int current = 1;
    std::vector<PageOrientation> orientations{PageOrientation::Portrait, PageOrientation::Landscape,
                                              PageOrientation::Portrait};
    QString failure;        // the failure the next printers report
    QString notice;         // what the next printers tell the user after a print
    QStringList fontsAsked; // the font of each print action
    std::vector<PrintDocument> printed;

    void refresh() override {}
    [[nodiscard]] bool isListing() const override { return false; }
    [[nodiscard]] QString listFailure() const override { return {}; }
    [[nodiscard]] QStringList deviceNames() const override { return names; }
    [[nodiscard]] QString currentName() const override { return names.value(current); }
    void setCurrentDevice(int index) override { current = index; }
    [[nodiscard]] PageOrientation orientation() const override {
        return orientations[static_cast<std::size_t>(current)];
    }
    void setOrientation(PageOrientation orientation) override {
        orientations[static_cast<std::size_t>(current)] = orientation;
    }
    [[nodiscard]] std::unique_ptr<ReportPrinter> openPrinter(const QString& fontName) override {
        fontsAsked << fontName;
        return std::make_unique<Printer>(*this);
    }

private:
    /// Hands each finished document to the catalog.
    class Printer final : public DocumentPrinter {
    public:
        explicit Printer(FakePrinterCatalog& catalog) : m_catalog(catalog) {}
        [[nodiscard]] QString failure() const override { return m_catalog.failure; }
        [[nodiscard]] QString notice() const override { return m_catalog.notice; }

    protected:
        void documentEnded(PrintDocument&& document) override {
            m_catalog.printed.push_back(std::move(document));
        }

    private:
        FakePrinterCatalog& m_catalog;
    };
};

} // namespace vek::test
