// The blank prediction forms, printed and as report files, on the hand pool's two-week schedule.
#include "handpool.h"
#include "reportlines.h"
#include "reports/recordingprinter.h"
#include "reports/reportfile.h"
#include "reports/seasonform.h"
#include "reports/weeklyforms.h"
#include "support/filetext.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::linesOf;
using Lines = std::vector<std::string>;

/// The lines a writer puts into a report file.
Lines fileOf(const std::function<void(ReportFile&)>& writer) {
    ReportFile file(DataFolder(), QStringLiteral("form.txt"));
    writer(file);
    Lines lines;
    for (const QByteArray& line : test::fileLines(file.content())) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

std::string times(int count, const std::string& text) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += text;
    }
    return out;
}

const std::string NameLine =
    "Member's Name: ___________________  (make copy & give original to administrator)";

// Two weeks of three slots (the last holds byes) with confidence points, the Monday-night tie breaker
// and post-season points: one block, the four weeks the season lacks left out.
TEST(SeasonForm, AShortSeasonPrintsTheBlockThatHoldsItsWeeks) {
    auto pool = test::handPool();
    PoolData& p = *pool;
    p.confidenceMode = 1;
    p.postSeasonPoints = 5;
    p.gamesPerWeek = 3;
    p.openDates = {1, 1};
    p.scheduleGrid[0][2] = {ByeFlag + 6, ByeFlag + 7};
    p.scheduleGrid[1][2] = {ByeFlag + 0, ByeFlag + 1};
    RecordingPrinter printer;
    PrintSeasonForm(p, printer);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(
        linesOf(printer.documents[0].pageMarkup(0)),
        (Lines{"{16}<b>                      2024 VEK Season</b>", "                   (circle predictions)",
               "{10}<b>  WEEK  1  (2)   WEEK  2  (2) </b>", "ACES @ BULL [_] ELKS @ FOXS [_] ",
               "CATS @ DOGS [_] GULL @ HAWK [_] ", std::string(32, ' '), "MNF _______     MNF _______",
               "<b>Key: (D)ivisional Champs, (W)ild Card team, (S)Big Game winner</b>",
               "<b>                 DWS       DWS       DWS       DWS       DWS</b>",
               "NFC East    ACES OOO  ", "NFC North   BULL OOO  ", "NFC South   CATS OOO  ",
               "NFC.West    DOGS OOO  ", "AFC East    ELKS OOO  ", "AFC North   FOXS OOO  ",
               "AFC South   GULL OOO  ", "AFC West    HAWK OOO  ", "", NameLine}));

    // The text file: the printed lines with "Score: ____" fields and no empty line before the name.
    Lines text = linesOf(printer.documents[0].pageText(0));
    text[6] = "Score: ____     Score: ____";
    text.erase(text.end() - 2);
    EXPECT_EQ(fileOf([&](ReportFile& file) { WriteSeasonFormText(p, file); }), text);

    // HTML: the weeks the season lacks are empty cells; texts from the data are escaped.
    p.teamAbbr[3] = QStringLiteral("D&GS");
    const Lines html = fileOf([&](ReportFile& file) { WriteSeasonFormHtml(p, file); });
    ASSERT_EQ(html.size(), 19u);
    const std::string th = "<th align=center bgcolor=c0dcc0>";
    EXPECT_EQ(html[2], "<table border=1 cellspacing=1 cellpadding=1 font=courier><tr>" + th +
                           "  WEEK  1  (2) </th>" + th + "  WEEK  2  (2) </th>" + times(4, th + "</th>") +
                           "</tr>");
    EXPECT_EQ(html[4],
              "<tr><td align=center>CATS @ D&amp;GS [_] </td><td align=center>GULL @ HAWK [_] </td>" +
                  times(4, "<td align=center></td>") + "</tr>");
    EXPECT_EQ(html[6],
              "<tr>" + times(2, "<td>Score: ____</td>") + times(4, "<td></td>") + "</tr></table><br>");
    EXPECT_EQ(html[13], "<td>NFC West    </td><td align=right>D&amp;GS OOO  </td></tr><tr>");
    EXPECT_EQ(html[17], "<td>AFC West    </td><td align=right>HAWK OOO  </td></tr></table>");
}

// From 13 weeks on every block is whole: block 3 has Monday-night fields only in a season of 17 or 18
// weeks, and without the tie breaker every block is followed by an empty line. A season of 7 to 12
// weeks has two blocks.
TEST(SeasonForm, TheBlocksOfALongSeason) {
    auto pool = test::handPool();
    PoolData& p = *pool;
    test::fillSampleLeague(p);
    test::fillSampleSchedule(p); // 17 weeks of 16 slots, the last (line 18) holding byes in weeks 1-16
    p.confidenceMode = 0;
    const auto text = [&] { return fileOf([&](ReportFile& file) { WriteSeasonFormText(p, file); }); };

    Lines lines = text();
    ASSERT_EQ(lines.size(), 2u + 3 * 18 + 1);
    EXPECT_EQ(lines[2],
              "  WEEK  1         WEEK  2         WEEK  3         WEEK  4         WEEK  5         WEEK  6");
    // Three-letter abbreviations take four places: every week stays under its heading.
    EXPECT_EQ(lines[3].substr(0, 32) + lines[18], "T03  @ T04      T01  @ T02      " + std::string(96, ' '));
    EXPECT_EQ(lines[38], "  WEEK 13         WEEK 14         WEEK 15         WEEK 16         WEEK 17");
    EXPECT_EQ(lines[55] + lines[56], "Score: ____" + times(4, "     Score: ____") + NameLine);
    p.numWeeks = 14; // block 3 gets neither fields nor an empty line
    EXPECT_EQ(text().size(), 2u + 3 * 18);
    p.mnTieBreaker = 0;
    lines = text();
    ASSERT_EQ(lines.size(), 2u + 3 * 18 + 1);
    EXPECT_EQ(lines[19] + lines[55], "");
    p.numWeeks = 8; // block 2 shows weeks 7 and 8, block 3 is left out
    lines = text();
    ASSERT_EQ(lines.size(), 2u + 2 * 18 + 1);
    EXPECT_EQ(lines[20] + "|" + lines[21], "  WEEK  7         WEEK  8|T02  @ T01      T01  @ T02      ");
}

// Block 3 has a Monday-night field under each of its weeks in a season of 17 or 18 weeks and none in
// another, on paper and in both files; blocks 1 and 2 always have six.
TEST(SeasonForm, MondayNightFieldsOfTheLastBlock) {
    auto pool = test::handPool();
    PoolData& p = *pool;
    test::fillSampleLeague(p);
    test::fillSampleSchedule(p);
    const auto count = [](const QStringList& lines, const char* field) {
        return static_cast<int>(lines.join(QString()).count(QLatin1String(field)));
    };
    for (const auto& [weeks, fields] : {std::pair{18, 6}, std::pair{17, 5}, std::pair{16, 0}}) {
        SCOPED_TRACE(weeks);
        p.numWeeks = static_cast<int16_t>(weeks);
        RecordingPrinter printer;
        PrintSeasonForm(p, printer);
        ASSERT_EQ(printer.documents.size(), 1u);
        EXPECT_EQ(count(printer.documents[0].allText(), "MNF _______"), 12 + fields);
        for (const auto writer : {&WriteSeasonFormText, &WriteSeasonFormHtml}) {
            ReportFile file(DataFolder(), QStringLiteral("season.txt"));
            writer(p, file);
            EXPECT_EQ(count(QString::fromUtf8(file.content()).split(QStringLiteral("\r\n")), "Score: ____"),
                      12 + fields);
        }
    }
}

// Two weeks with confidence points, point spreads and the tie breaker: both forms on one page under one
// name line; a favourite away team carries its spread in front of its name.
TEST(WeeklyForms, PrintedAndAsFiles) {
    auto pool = test::handPool();
    PoolData& p = *pool;
    p.confidenceMode = 2;
    p.usePointSpreads = True16;
    p.teamName[0] = QStringLiteral("Port Aces");
    p.teamName[1] = QStringLiteral("Bulls & Co");
    test::PoolBuilder(p)
        .spread(0, 0, 0, 3.5F)
        .spread(0, 1, 3, 10)
        .spread(1, 0, test::Tie, 0)
        .spread(1, 1, 7, 7);
    RecordingPrinter printer;
    PrintWeeklyForms(p, printer, 0, 1);
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pageCount(), 1);
    const std::string box = "          [__]";
    const std::string lead = box + std::string(20, ' ');
    const std::string total = std::string(16, ' ') + "Tot Score:_____";
    EXPECT_EQ(linesOf(printer.documents[0].pageMarkup(0)),
              (Lines{"{16}<b>             2024 VEK Season  Week 1  (2 Games)</b>",
                     "                     (circle predictions)", "{12}          [Confidence Pts]",
                     box + "        (-3.5) Port Aces @ Bulls & Co", lead + "Cats @ Dogs (-10.0)", "", total,
                     "", "", "{16}<b>             2024 VEK Season  Week 2  (2 Games)</b>",
                     "                     (circle predictions)", "{12}          [Confidence Pts]",
                     lead + "Elks @ Foxs (-.0)", lead + "Gull @ Hawk (-7.0)", "", total, "",
                     "     Member's Name: _________________________________________"}));

    // One week alone, without options: its page still ends with the name line.
    p.confidenceMode = 0;
    p.usePointSpreads = 0;
    p.mnTieBreaker = 0;
    PrintWeeklyForms(p, printer, 1, 1);
    EXPECT_EQ(linesOf(printer.documents.back().pageText(0).mid(3)),
              (Lines{std::string(34, ' ') + "Elks @ Foxs", std::string(34, ' ') + "Gull @ Hawk", "", "", "",
                     "     Member's Name: _________________________________________"}));

    // The file forms ignore the options: no boxes, no spreads, always the total-score line.
    const Lines text = fileOf([&](ReportFile& file) { WriteWeeklyFormsText(p, file, 0, 1); });
    ASSERT_EQ(text.size(), 26u);
    EXPECT_EQ(
        Lines(text.begin(), text.begin() + 13),
        (Lines{"          2024 VEK Weekly Schedule/Entry Form", "                  (Circle Predictions)",
               "               Week  01   Qtr 1  Half 1", "", std::string(17, ' ') + "Port Aces @ Bulls & Co",
               std::string(22, ' ') + "Cats @ Dogs", "", std::string(20, ' ') + "Tot Score:_____", "", "", "",
               "Member's Name: _________________________________________________", "\f"}));
    EXPECT_EQ(text[15], "               Week  02   Qtr 2  Half 2");

    const Lines html = fileOf([&](ReportFile& file) { WriteWeeklyFormsHtml(p, file, 0, 0); });
    ASSERT_EQ(html.size(), 13u);
    EXPECT_EQ(html[2], "<h3>               Week  01   Qtr 1  Half 1</h3>");
    EXPECT_EQ(html[4],
              "<tr><td>" + std::string(17, ' ') + "Port Aces</td><td> @ </td><td>Bulls &amp; Co</td></tr>");
    EXPECT_EQ(html[7], "<p>" + std::string(20, ' ') + "Tot Score:_____</p>");
    EXPECT_EQ(html[11], "<p>Member's Name: _________________________________________________</p>");

    // A range that runs backwards leaves the file empty and prints nothing.
    EXPECT_TRUE(fileOf([&](ReportFile& file) { WriteWeeklyFormsText(p, file, 1, 0); }).empty());
    PrintWeeklyForms(p, printer, 1, 0);
    EXPECT_EQ(printer.documents.size(), 2u);
}

} // namespace
} // namespace vek
