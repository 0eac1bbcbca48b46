// Columns that stay under their headings whatever the league's abbreviations and the members' names
// hold: three-letter abbreviations and names with characters outside the Basic Multilingual Plane.
#include "handpool.h"
#include "reports/membercharts.h"
#include "reports/predictionlisting.h"
#include "reports/predictionreport.h"
#include "reports/recordingprinter.h"
#include "reports/reportchoice.h"
#include "reports/reportfile.h"
#include "reports/seasonform.h"
#include "reports/sortedresults.h"
#include "reports/weeklyforms.h"
#include "session/poolsession.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace vek {
namespace {

class ReportColumns : public ::testing::Test {
protected:
    ReportColumns() {
        session.pool() = *test::handPool();
        // The NFC East winner is in (so the ledger prints), and Ann picked it.
        p.postSeasonResults[0] = 0;
        p.postSeasonPicks[0][0] = 0;
    }

    QStringList printed(const std::function<void(ReportPrinter&)>& report) {
        RecordingPrinter printer;
        report(printer);
        printer.endDocument();
        return printer.documents.empty() ? QStringList() : printer.documents.front().allText();
    }

    QStringList written(const std::function<void(ReportFile&)>& writer) {
        ReportFile file(temp.folder(), QStringLiteral("report.txt"));
        writer(file);
        return QString::fromUtf8(file.content()).split(QStringLiteral("\r\n"));
    }

    QStringList predictionReport() {
        ReportChoice choice;
        choice.kind = KindResultsRange;
        choice.postSeason = choice.ledger = choice.teamStandings = choice.differences = true;
        return printed([&](ReportPrinter& printer) { PrintPredictionReport(session, printer, choice); });
    }

    /// Every report that lays names or abbreviations out in columns, on paper and as files.
    std::vector<std::pair<const char*, QStringList>> everyReport() {
        ReportChoice sorted;
        sorted.kind = KindResultsRange;
        sorted.postSeason = sorted.ledger = true;
        const auto sortedFile = [&](bool html) {
            sorted.html = html;
            return written([&](ReportFile& file) { ListSortedResults(session, sorted, file); });
        };
        return {
            {"prediction report", predictionReport()},
            {"sorted results",
             printed([&](ReportPrinter& printer) { ListSortedResults(session, sorted, printer); })},
            {"sorted results text", sortedFile(false)},
            {"sorted results html", sortedFile(true)},
            {"listing",
             written([&](ReportFile& file) { WritePredictionReportText(p, file, KindResultsRange, 0, 0); })},
            {"listing html",
             written([&](ReportFile& file) { WritePredictionReportHtml(p, file, KindResultsRange, 0, 0); })},
            {"member charts",
             written([&](ReportFile& file) { WriteMemberChartsText(session, file, KindResultsRange); })},
            {"season form", printed([&](ReportPrinter& printer) { PrintSeasonForm(p, printer); })},
            {"season form html", written([&](ReportFile& file) { WriteSeasonFormHtml(p, file); })},
            {"weekly forms", printed([&](ReportPrinter& printer) { PrintWeeklyForms(p, printer, 0, 0); })},
            {"weekly forms text", written([&](ReportFile& file) { WriteWeeklyFormsText(p, file, 0, 0); })},
        };
    }

    test::TempFolder temp;
    PoolSession session{temp.folder()};
    PoolData& p = session.pool();
};

// Each report's cells under the headings they belong to, with the league abbreviated in three letters:
// the heading's text and the cell that must begin in the same character place `rows` lines below it.
TEST_F(ReportColumns, ThreeLetterAbbreviationsStandUnderTheirHeadings) {
    for (int t = 0; t < p.numTeams; ++t) {
        p.teamAbbr[t].chop(1); // "ACE", "BUL", ...
    }
    struct Column {
        QString heading;
        QString cell;
    };
    struct Case {
        const char* report;
        QStringList lines;
        QString headingLine; // the start of the heading line
        int rows;            // the row's distance below it
        std::vector<Column> columns;
    };
    const std::vector<Case> cases{
        {"week grid",
         predictionReport(),
         "    Game ",
         2,
         {{"Ann Aver", "BUL "}, {"Bob", "ACE (w)"}, {"Cy Yates", "BUL "}}},
        {"member charts",
         predictionReport(),
         "NFC East     NFC North",
         2,
         {{"NFC East", "ACE   0  1"}, {"NFC North", "BUL   1  0"}, {"AFC West", "HAW   0  1"}}},
        {"post season", predictionReport(), " Conf-Div", 2, {{"Ann Aver", "ACE (w)"}, {"Bob", "    "}}},
        {"season form",
         printed([&](ReportPrinter& printer) { PrintSeasonForm(p, printer); }),
         "  WEEK  1",
         1,
         {{"  WEEK  1", "ACE  @ BUL      "}, {"  WEEK  2", "ELK  @ FOX      "}}},
        {"season.txt",
         written([&](ReportFile& file) { WriteSeasonFormText(p, file); }),
         "  WEEK  1",
         2,
         {{"  WEEK  1", "CAT  @ DOG      "}, {"  WEEK  2", "GUL  @ HAW      "}}},
        {"predict.txt",
         written([&](ReportFile& file) { WritePredictionReportText(p, file, KindPredictions, 0, 1); }),
         "   Game ",
         1,
         {{"Ann ", "BUL "}, {"Bob ", "ACE "}, {"Cy Y", "BUL "}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        qsizetype heading = 0;
        while (heading < c.lines.size() && !c.lines[heading].startsWith(c.headingLine)) {
            ++heading;
        }
        ASSERT_LT(heading + c.rows, c.lines.size());
        const QString& row = c.lines[heading + c.rows];
        for (const Column& column : c.columns) {
            const qsizetype at = c.lines[heading].indexOf(column.heading);
            ASSERT_GE(at, 0) << column.heading.toStdString();
            EXPECT_EQ(row.mid(at, column.cell.size()).toStdString(), column.cell.toStdString())
                << "under " << column.heading.toStdString() << " in: " << row.toStdString();
        }
    }
}

// A name with emoji lays out as the same name with one letter in place of each emoji: every cut and
// every padding counts characters, so no emoji is split and every later column keeps its place. The
// same for a team's name, which the weekly forms right-align.
TEST_F(ReportColumns, EmojiInANameTakeOnePlaceEach) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8F\x88"); // American football, two UTF-16 units
    const auto reports = [&](const QString& name) {
        p.memberName[0] = name;
        p.teamName[0] = name; // the weekly forms right-align the away team's name
        return everyReport();
    };
    // Every cut (3, 4, 7, 8, 9 and 14 characters) ends between two emoji.
    const auto withEmoji = reports(QStringLiteral("An") + emoji.repeated(14));
    const auto withLetters = reports(QStringLiteral("An") + QString(14, QLatin1Char('X')));
    ASSERT_EQ(withEmoji.size(), withLetters.size());
    for (std::size_t r = 0; r < withEmoji.size(); ++r) {
        SCOPED_TRACE(withEmoji[r].first);
        QStringList lines = withEmoji[r].second;
        lines.replaceInStrings(emoji, QStringLiteral("X"));
        EXPECT_EQ(lines, withLetters[r].second);
    }
}

// A longer abbreviation is cut to four characters: every report reads as with its first four.
TEST_F(ReportColumns, LongerAbbreviationsAreCutToFour) {
    const auto four = everyReport();
    for (int t = 0; t < p.numTeams; ++t) {
        p.teamAbbr[t] += QStringLiteral("ZZ");
    }
    const auto six = everyReport();
    ASSERT_EQ(four.size(), six.size());
    for (std::size_t r = 0; r < four.size(); ++r) {
        EXPECT_EQ(six[r].second, four[r].second) << four[r].first;
    }
}

} // namespace
} // namespace vek
