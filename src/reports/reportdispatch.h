#pragma once

#include <QString>

#include <functional>

namespace vek {

class PoolSession;
class ReportPrinter;
struct ReportChoice;

/// How a print action ended: success, or the first failure with a text that names the device or file.
struct DispatchResult {
    bool ok = true;
    QString failure;
};

/// The progress line of the output dialog ("Now printing copy ...", emptied at the end).
using DispatchProgress = std::function<void(const QString&)>;

/// The output dialog's Print: turns the choice into the report procedures that make it. To the printer
/// every copy is a full run of the chosen reports, each of them whole documents; to a file the chosen
/// report starts the report file anew and the profile summaries and member charts are appended, all in
/// one run that replaces the file once. A choice without a report does nothing.
[[nodiscard]] DispatchResult RunReportDispatch(PoolSession& session, const ReportChoice& choice,
                                               ReportPrinter& printer, const DispatchProgress& progress);

} // namespace vek
