#pragma once

#include "reports/documentprinter.h"

#include <vector>

namespace vek {

/// The printer of the tests: keeps every finished document; `failWith` makes it report a device failure.
class RecordingPrinter final : public DocumentPrinter {
public:
    std::vector<PrintDocument> documents;

    [[nodiscard]] QString failure() const override { return m_failure; }
    void failWith(const QString& text) { m_failure = text; }

protected:
    void documentEnded(PrintDocument&& document) override { documents.push_back(std::move(document)); }

private:
    QString m_failure;
};

} // namespace vek
