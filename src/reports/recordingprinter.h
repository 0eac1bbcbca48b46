#pragma once

#include "reports/documentprinter.h"

#include <vector>

namespace vek {

/// The printer of the tests: keeps every finished document; `failWith` makes it report a device failure,
/// `noticeWith` a notice for the user.
class RecordingPrinter final : public DocumentPrinter {
public:
    std::vector<PrintDocument> documents;

    [[nodiscard]] QString failure() const override { return m_failure; }
    void failWith(const QString& text) { m_failure = text; }
    [[nodiscard]] QString notice() const override { return m_notice; }
    void noticeWith(const QString& text) { m_notice = text; }

protected:
    void documentEnded(PrintDocument&& document) override { documents.push_back(std::move(document)); }

private:
    QString m_failure;
    QString m_notice;
};

} // namespace vek
