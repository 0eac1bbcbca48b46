// What the printed reports hand the printer besides their text: where a full page breaks, and the font
// size and italic of each piece, as the recorded document carries them.
#include "handpool.h"
#include "reports/predictionreport.h"
#include "reports/profilesummaries.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/seasonform.h"
#include "reports/sortedresults.h"
#include "reports/weeklyforms.h"
#include "session/poolsession.h"
#include "support/poolbuilder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace vek {
namespace {

PrintDocument recorded(const std::function<void(ReportPrinter&)>& report) {
    RecordingPrinter printer;
    report(printer);
    printer.endDocument();
    EXPECT_EQ(printer.documents.size(), 1u);
    return printer.documents.empty() ? PrintDocument{} : printer.documents.front();
}

/// The sorted results of a sample pool of `members` members for weeks 1 to `weeks`, with the post-season
/// table and, when asked, the ledger.
PrintDocument sortedResults(int members, int weeks, bool ledger) {
    test::TempFolder temp;
    PoolSession session(temp.folder());
    QStringList names;
    for (int m = 0; m < members; ++m) {
        names << QStringLiteral("Member %1").arg(m + 1);
    }
    test::fillSamplePool(session.pool(), names, weeks - 1);
    ReportChoice choice;
    choice.kind = KindResultsRange;
    choice.toWeek = static_cast<int16_t>(weeks - 1);
    choice.postSeason = true;
    choice.ledger = ledger;
    return recorded([&](ReportPrinter& printer) { ListSortedResults(session, choice, printer); });
}

// A page that fills starts a new one: the weekly forms two to a page; the sorted results after a table
// that brings the page's count of lines to 50, and after the games-behind block when more than 15 of
// its rows stand on the page.
TEST(ReportPages, AFullPageStartsANewOne) {
    const auto pool = test::handPool();
    struct Case {
        const char* report;
        PrintDocument document;
        std::vector<const char*> pageStarts; // a text each page's first line holds
    };
    const std::vector<Case> cases{
        {"three weekly forms",
         recorded([&](ReportPrinter& printer) { PrintWeeklyForms(*pool, printer, 0, 2); }),
         {"Week 1 ", "Week 3 "}},
        {"10 members, post season and ledger", sortedResults(10, 2, true), {"Week 01", "Week 02"}},
        {"14 members", sortedResults(14, 1, false), {"Week 01"}},
        {"16 members", sortedResults(16, 1, false), {"Week 01", "Post Season"}},
    };
    for (const Case& c : cases) {
        // Each page's first line, shortened to the expected text when it holds it.
        std::vector<std::string> starts;
        for (int page = 0; page < c.document.pageCount(); ++page) {
            const QString first = c.document.pageText(page).value(0);
            const auto expected = static_cast<std::size_t>(page) < c.pageStarts.size()
                                      ? QLatin1String(c.pageStarts[static_cast<std::size_t>(page)])
                                      : QLatin1String();
            starts.push_back((first.contains(expected) ? QString(expected) : first).toStdString());
        }
        EXPECT_EQ(starts, std::vector<std::string>(c.pageStarts.begin(), c.pageStarts.end())) << c.report;
    }
}

/// The first recorded piece of the document that holds `text`.
const PrintRun* runWith(const PrintDocument& document, const QString& text) {
    for (const PrintPage& page : document.pages) {
        for (const PrintLine& line : page.lines) {
            for (const PrintRun& run : line.runs) {
                if (run.text.contains(text)) {
                    return &run;
                }
            }
        }
    }
    return nullptr;
}

// Titles in 16 points, the week pages in 7.2, tables and forms in 10 or 12; the week grid's losing
// teams in italic.
TEST(ReportFonts, SizesAndItalicReachTheRecordedRuns) {
    test::TempFolder temp;
    PoolSession session(temp.folder());
    session.pool() = *test::handPool();
    const PoolData& p = session.pool();
    ReportChoice everything;
    everything.kind = KindResultsRange;
    everything.postSeason = everything.ledger = everything.teamStandings = everything.differences = true;
    session.pool().postSeasonResults[0] = 0; // the ledger prints once the NFC East winner is in

    const PrintDocument report =
        recorded([&](ReportPrinter& printer) { PrintPredictionReport(session, printer, everything); });
    const PrintDocument sorted =
        recorded([&](ReportPrinter& printer) { ListSortedResults(session, everything, printer); });
    const PrintDocument profiles =
        recorded([&](ReportPrinter& printer) { PrintProfileSummaries(p, printer); });
    const PrintDocument seasonForm = recorded([&](ReportPrinter& printer) { PrintSeasonForm(p, printer); });
    const PrintDocument weeklyForms =
        recorded([&](ReportPrinter& printer) { PrintWeeklyForms(p, printer, 0, 0); });

    struct Case {
        const PrintDocument& document;
        const char* text;
        double size;
        bool italic;
    };
    const std::vector<Case> cases{
        {report, "VEK Season           Week 01", 16, false},
        {report, "    Game     ", 7.2, false},
        {report, "ACES", 7.2, false},   // a winner
        {report, "CATS @ ", 7.2, true}, // a loser, and the " @ " after it
        {report, "     Season  ", 7.2, false},
        {report, "Season Differences", 7.2, false},
        {report, "VEK Season         Post Season", 16, false},
        {report, " Conf-Div    ", 7.2, false},
        {report, "VEK Season         Big Game", 16, false},
        {report, "VEK Season        Points Ledger", 16, false},
        {report, "    Event    ", 7.2, false},
        {report, "Member Charts", 16, false},
        {report, "NFC East     NFC North", 10, false},
        {sorted, "VEK Season           Week 01", 16, false},
        {sorted, "|   Member Info    |", 10, false},
        {sorted, "|  Member |East|", 10, false},
        {sorted, "|  Member |Seasn|", 10, false},
        {profiles, "Pool & Event Profile Summaries", 16, false},
        {profiles, "Pool Profile Summary:", 12, false},
        {profiles, "Event Profile Summary:", 12, false},
        {profiles, "Predict Option", 10, false},
        {seasonForm, "(circle predictions)", 16, false},
        {seasonForm, "  WEEK  1", 10, false},
        {weeklyForms, "(circle predictions)", 16, false},
        {weeklyForms, "Aces @ Bull", 12, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PrintRun* run = runWith(c.document, QLatin1String(c.text));
        EXPECT_NE(run, nullptr);
        if (run != nullptr) {
            EXPECT_EQ(run->size, c.size);
            EXPECT_EQ(run->italic, c.italic);
        }
    }
}

} // namespace
} // namespace vek
