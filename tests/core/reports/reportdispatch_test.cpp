// The report dispatch: which procedures run for a choice, how often, and what it reports.
#include "handpool.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/reportdispatch.h"
#include "session/poolsession.h"
#include "support/filetext.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

class ReportDispatch : public ::testing::Test {
protected:
    ReportDispatch() { session.pool() = *test::handPool(); }

    DispatchResult run(const ReportChoice& choice) {
        progress.clear();
        return RunReportDispatch(session, choice, printer,
                                 [this](const QString& text) { progress.push_back(text.toStdString()); });
    }

    test::TempFolder temp;
    PoolSession session{temp.folder()};
    RecordingPrinter printer;
    std::vector<std::string> progress;
};

TEST_F(ReportDispatch, EveryCopyIsAFullRunOfItsDocuments) {
    ReportChoice choice;
    choice.report = ReportOption::Predictions;
    choice.kind = KindPredictions;
    choice.toWeek = 0;
    choice.copies = 2;
    choice.profiles = true;
    choice.toFile = false;
    EXPECT_TRUE(run(choice).ok);
    ASSERT_EQ(printer.documents.size(), 4u); // each copy: the report, then the profile summaries
    EXPECT_EQ(progress,
              (std::vector<std::string>{"Now printing copy\n1 of 2", "Now printing copy\n2 of 2", ""}));
    EXPECT_EQ(printer.documents[0].allText(), printer.documents[2].allText());
    EXPECT_EQ(printer.documents[3].pageText(0)[0].trimmed(),
              QStringLiteral("2024 Pool & Event Profile Summaries"));

    // Results listed game by game are the prediction and result report.
    choice.report = ReportOption::Results;
    choice.kind = KindResultsRange;
    choice.unsorted = true;
    choice.copies = 1;
    EXPECT_TRUE(run(choice).ok);
    EXPECT_EQ(printer.documents.size(), 5u);
    EXPECT_EQ(printer.documents.back().pageText(0)[3].toStdString(),
              "ACES @ BULL  BULL         ACES(w)      BULL    ");

    // No report chosen: nothing is printed, nothing said.
    choice.report = ReportOption::NotChosen;
    EXPECT_TRUE(run(choice).ok);
    EXPECT_EQ(printer.documents.size(), 5u);
    EXPECT_TRUE(progress.empty());
}

TEST_F(ReportDispatch, APrinterFailureStopsTheCopiesAndIsReported) {
    printer.failWith(QStringLiteral("The report could not be printed on Office: out of paper"));
    ReportChoice choice;
    choice.report = ReportOption::Predictions;
    choice.kind = KindPredictions;
    choice.copies = 3;
    const DispatchResult result = run(choice);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, QStringLiteral("The report could not be printed on Office: out of paper"));
    EXPECT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(progress.back(), "");
}

TEST_F(ReportDispatch, AFileRunStartsTheFileAndAppendsTheMemberChartsOnce) {
    temp.write(QStringLiteral("results.txt"), "an earlier report\r\n");
    ReportChoice choice;
    choice.report = ReportOption::Results;
    choice.kind = KindResultsRange;
    choice.toFile = true;
    choice.fileName = QStringLiteral("results.txt");
    choice.teamStandings = true;
    choice.copies = 3; // a file is written once whatever the copies
    EXPECT_TRUE(run(choice).ok);
    EXPECT_EQ(progress, (std::vector<std::string>{"Now printing to file ...", ""}));
    EXPECT_TRUE(printer.documents.empty());
    const QList<QByteArray> lines = test::fileLines(temp.read(QStringLiteral("results.txt")));
    // The sorted week (headings, three members, the games-behind block), then the charts.
    ASSERT_EQ(lines.size(), 13 + 5 + 3 * 9 + 7 + 7);
    EXPECT_EQ(lines[13 + 2], QByteArray("2024 VEK Season        Member Charts"));

    choice.html = true;
    EXPECT_TRUE(run(choice).ok);
    EXPECT_TRUE(temp.read(QStringLiteral("results.txt")).startsWith("<table border=1"));
    EXPECT_TRUE(temp.read(QStringLiteral("results.txt")).endsWith("</table>\r\n"));

    // None: the sections alone, in a file started afresh.
    choice.report = ReportOption::None;
    choice.html = false;
    choice.fileName = QStringLiteral("none.txt");
    temp.write(QStringLiteral("none.txt"), "left over\r\n");
    EXPECT_TRUE(run(choice).ok);
    EXPECT_TRUE(temp.read(QStringLiteral("none.txt")).startsWith("\r\n\r\n2024 VEK Season"));
}

TEST_F(ReportDispatch, AFileThatCannotBeWrittenIsReportedByName) {
    PoolSession lost(DataFolder(QStringLiteral("/nonexistent-pool-folder/sub")));
    lost.pool() = session.pool();
    ReportChoice choice;
    choice.report = ReportOption::Results;
    choice.kind = KindResultsRange;
    choice.toFile = true;
    choice.fileName = QStringLiteral("results.txt");
    const DispatchResult result = RunReportDispatch(lost, choice, printer, [](const QString&) {});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.failure.startsWith(QStringLiteral("results.txt could not be saved: ")))
        << result.failure.toStdString();
}

} // namespace
} // namespace vek
