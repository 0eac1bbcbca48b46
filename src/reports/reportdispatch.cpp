#include "reports/reportdispatch.h"

#include "reports/membercharts.h"
#include "reports/predictionlisting.h"
#include "reports/predictionreport.h"
#include "reports/profilesummaries.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "reports/reportprinter.h"
#include "reports/seasonform.h"
#include "reports/sortedresults.h"
#include "reports/weeklyforms.h"
#include "session/poolsession.h"
#include "views/viewdata.h"

namespace vek {
namespace {

/// The prediction and result listing as a report file.
void WritePredictionListing(PoolSession& session, ReportFile& file, const ReportChoice& choice) {
    if (isResultsKind(choice.kind)) {
        // The listing marks and counts the picks by the winners against the spread the views count by.
        bringViewDataUpToDate(session);
    }
    if (choice.html) {
        WritePredictionReportHtml(session.pool(), file, choice.kind, choice.fromWeek, choice.toWeek);
    } else {
        WritePredictionReportText(session.pool(), file, choice.kind, choice.fromWeek, choice.toWeek);
    }
}
/// The pool and event profile summaries.
void PrintProfileSummaries(PoolSession& session, ReportPrinter& printer) {
    PrintProfileSummaries(session.pool(), printer);
}
void WriteProfileSummaries(PoolSession& session, ReportFile& file, bool html) {
    if (html) {
        WriteProfileSummariesHtml(session.pool(), file);
    } else {
        WriteProfileSummariesText(session.pool(), file);
    }
}

void printCopy(PoolSession& session, const ReportChoice& choice, ReportPrinter& printer) {
    switch (choice.report) {
    case ReportOption::Predictions:
        PrintPredictionReport(session, printer, choice);
        break;
    case ReportOption::Results:
        if (choice.unsorted) {
            PrintPredictionReport(session, printer, choice);
        } else {
            ListSortedResults(session, choice, printer);
        }
        // The results listing carries no profile summaries on paper.
        return;
    case ReportOption::SeasonForm:
        PrintSeasonForm(session.pool(), printer);
        break;
    case ReportOption::WeeklyForms:
        PrintWeeklyForms(session.pool(), printer, choice.fromWeek, choice.toWeek);
        break;
    case ReportOption::None:
    case ReportOption::NotChosen:
        break;
    }
    if (choice.profiles) {
        PrintProfileSummaries(session, printer);
    }
}

DispatchResult writeFile(PoolSession& session, const ReportChoice& choice) {
    ReportFile file(session.folder(), choice.fileName);
    switch (choice.report) {
    case ReportOption::SeasonForm:
        if (choice.html) {
            WriteSeasonFormHtml(session.pool(), file);
        } else {
            WriteSeasonFormText(session.pool(), file);
        }
        break;
    case ReportOption::WeeklyForms:
        if (choice.html) {
            WriteWeeklyFormsHtml(session.pool(), file, choice.fromWeek, choice.toWeek);
        } else {
            WriteWeeklyFormsText(session.pool(), file, choice.fromWeek, choice.toWeek);
        }
        break;
    case ReportOption::Predictions:
        WritePredictionListing(session, file, choice);
        break;
    case ReportOption::Results:
        if (choice.unsorted) {
            WritePredictionListing(session, file, choice);
        } else {
            ListSortedResults(session, choice, file);
        }
        break;
    case ReportOption::None:
        // "none.txt" holds only this action's sections, never what an earlier action left in it.
        file.create();
        break;
    case ReportOption::NotChosen:
        break;
    }
    if (choice.profiles) {
        WriteProfileSummaries(session, file, choice.html);
    }
    if (choice.teamStandings) {
        if (choice.html) {
            WriteMemberChartsHtml(session, file, choice.kind);
        } else {
            WriteMemberChartsText(session, file, choice.kind);
        }
    }
    const WriteResult written = file.commit();
    return written.ok ? DispatchResult{} : DispatchResult{false, written.failureText()};
}

} // namespace

DispatchResult RunReportDispatch(PoolSession& session, const ReportChoice& choice, ReportPrinter& printer,
                                 const DispatchProgress& progress) {
    if (choice.report == ReportOption::NotChosen) {
        return {};
    }
    DispatchResult result;
    if (choice.toFile) {
        progress(QStringLiteral("Now printing to file ..."));
        result = writeFile(session, choice);
    } else {
        for (int copy = 1; copy <= choice.copies; ++copy) {
            progress(QStringLiteral("Now printing copy\n%1 of %2").arg(copy).arg(choice.copies));
            printCopy(session, choice, printer);
            if (!printer.failure().isEmpty()) {
                result = {false, printer.failure()};
                break;
            }
        }
    }
    progress(QString());
    return result;
}

} // namespace vek
