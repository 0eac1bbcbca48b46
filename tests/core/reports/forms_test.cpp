// The blank prediction forms, printed and as report files, on the hand pool's two-week schedule.
#include "handpool.h"
#include "reportlines.h"
#include "reports/recordingprinter.h"
#include "reports/reportfile.h"
#include "reports/seasonform.h"
#include "reports/weeklyforms.h"
#include "support/filetext.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

using test::linesOf;
using Lines = std::vector<std::string>;

class Forms : public ::testing::Test {
protected:
    Lines written(const std::function<void(ReportFile&)>& writer) {
        ReportFile file(temp.folder(), QStringLiteral("form.txt"));
        writer(file);
        EXPECT_TRUE(file.commit().ok);
        Lines lines;
        for (const QByteArray& line : test::fileLines(temp.read(QStringLiteral("form.txt")))) {
            lines.push_back(line.toStdString());
        }
        return lines;
    }

    test::TempFolder temp;
    std::unique_ptr<PoolData> pool = test::handPool();
    RecordingPrinter printer;
};

const std::string NameLine =
    "Member's Name: ___________________  (make copy & give original to administrator)";

// Two weeks of three slots (the last holds two byes) with confidence points, the Monday-night tie
// breaker and post-season points: one block, its four missing weeks left out.
TEST_F(Forms, SeasonFormOfAShortSeason) {
    PoolData& p = *pool;
    p.confidenceMode = 1;
    p.postSeasonPoints = 5;
    p.gamesPerWeek = 3;
    p.openDates = {1, 1};
    p.scheduleGrid[0][2] = {ByeFlag + 6, ByeFlag + 7};
    p.scheduleGrid[1][2] = {ByeFlag + 0, ByeFlag + 1};
    const std::string heading = "  WEEK  1  (2)   WEEK  2  (2) ";
    const Lines games{"ACES @ BULL [_] ELKS @ FOXS [_] ", "CATS @ DOGS [_] GULL @ HAWK [_] ",
                      std::string(32, ' ')};
    const Lines key{"NFC East    ACES OOO  ", "NFC North   BULL OOO  ", "NFC South   CATS OOO  ",
                    "NFC.West    DOGS OOO  ", "AFC East    ELKS OOO  ", "AFC North   FOXS OOO  ",
                    "AFC South   GULL OOO  ", "AFC West    HAWK OOO  "};

    PrintSeasonForm(p, printer);
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pageCount(), 1);
    Lines expected{"{16}<b>                      2024 VEK Season</b>",
                   "                   (circle predictions)", "{10}<b>" + heading + "</b>"};
    expected.insert(expected.end(), games.begin(), games.end());
    expected.push_back("MNF _______     MNF _______");
    expected.push_back("<b>Key: (D)ivisional Champs, (W)ild Card team, (S)Big Game winner</b>");
    expected.push_back("<b>                 DWS       DWS       DWS       DWS       DWS</b>");
    expected.insert(expected.end(), key.begin(), key.end());
    expected.push_back("");
    expected.push_back(NameLine);
    EXPECT_EQ(linesOf(printer.documents[0].pageMarkup(0)), expected);

    // The text file: the same lines without marks, "Score: ____" fields, no empty line before the name.
    Lines text{"                      2024 VEK Season", "                   (circle predictions)", heading};
    text.insert(text.end(), games.begin(), games.end());
    text.push_back("Score: ____     Score: ____");
    text.push_back("Key: (D)ivisional Champs, (W)ild Card team, (S)Big Game winner");
    text.push_back("                 DWS       DWS       DWS       DWS       DWS");
    text.insert(text.end(), key.begin(), key.end());
    text.push_back(NameLine);
    EXPECT_EQ(written([&](ReportFile& file) { WriteSeasonFormText(p, file); }), text);

    // HTML: the missing weeks are empty cells; texts from the data are escaped.
    p.teamAbbr[3] = QStringLiteral("D&GS");
    const std::string th = "<th align=center bgcolor=c0dcc0>";
    const std::string none = "<td align=center></td><td align=center></td><td align=center></td>"
                             "<td align=center></td></tr>";
    const Lines html{
        "                      <h1>2024 VEK Season</h1>",
        "                   <h2>(circle predictions)</h2>",
        "<table border=1 cellspacing=1 cellpadding=1 font=courier><tr>" + th + "  WEEK  1  (2) </th>" + th +
            "  WEEK  2  (2) </th>" + th + "</th>" + th + "</th>" + th + "</th>" + th + "</th></tr>",
        "<tr><td align=center>ACES @ BULL [_] </td><td align=center>ELKS @ FOXS [_] </td>" + none,
        "<tr><td align=center>CATS @ D&amp;GS [_] </td><td align=center>GULL @ HAWK [_] </td>" + none,
        "<tr><td align=center>                </td><td align=center>                </td>" + none,
        "<tr><td>Score: ____</td><td>Score: ____</td><td></td><td></td><td></td><td></td></tr></table><br>",
        "<table border=1 cellspacing=1 cellpadding=1><h3>Key: (D)ivisional Champs, (W)ild Card team, (S)Big "
        "Game winner</h3>",
        "<table border=2 cellspacing=1 cellpadding=1><tr>",
        "<td align=right bgcolor=c0dcc0>Division</td><td align=right bgcolor=c0dcc0>DWS</td><td align=right "
        "bgcolor=c0dcc0>DWS</td><td align=right bgcolor=c0dcc0>DWS</td><td align=right "
        "bgcolor=c0dcc0>DWS</td></tr><tr>",
        "<td>NFC East    </td><td align=right>ACES OOO  </td></tr><tr>",
        "<td>NFC North   </td><td align=right>BULL OOO  </td></tr><tr>",
        "<td>NFC South   </td><td align=right>CATS OOO  </td></tr><tr>",
        "<td>NFC West    </td><td align=right>D&amp;GS OOO  </td></tr><tr>",
        "<td>AFC East    </td><td align=right>ELKS OOO  </td></tr><tr>",
        "<td>AFC North   </td><td align=right>FOXS OOO  </td></tr><tr>",
        "<td>AFC South   </td><td align=right>GULL OOO  </td></tr><tr>",
        "<td>AFC West    </td><td align=right>HAWK OOO  </td></tr></table>",
        "<p>" + NameLine + "</p>",
    };
    EXPECT_EQ(written([&](ReportFile& file) { WriteSeasonFormHtml(p, file); }), html);
}

// From 13 weeks on every block is whole: block 3 has Monday-night fields only in a season of 17 or 18
// weeks, and without the tie breaker every block is followed by an empty line.
TEST_F(Forms, SeasonFormBlocksOfALongSeason) {
    test::fillSampleLeague(*pool);
    test::fillSampleSchedule(*pool); // 17 weeks of 16 slots, the last holding byes in weeks 1 to 16
    PoolData& p = *pool;
    p.confidenceMode = 0;
    p.postSeasonPoints = 0;
    p.bigGamePoints = 0;
    const auto text = [&] { return written([&](ReportFile& file) { WriteSeasonFormText(p, file); }); };

    Lines lines = text();
    ASSERT_EQ(lines.size(), 2u + 3 * 18 + 1);
    EXPECT_EQ(lines[2],
              "  WEEK  1         WEEK  2         WEEK  3         WEEK  4         WEEK  5         WEEK  6");
    EXPECT_EQ(lines[3].substr(0, 28), "T03 @ T04     T01 @ T02     ");
    EXPECT_EQ(lines[18], std::string(6 * 16, ' ')); // every week's byes
    EXPECT_EQ(lines[38], "  WEEK 13         WEEK 14         WEEK 15         WEEK 16         WEEK 17");
    EXPECT_EQ(lines[55], "Score: ____     Score: ____     Score: ____     Score: ____     Score: ____");
    EXPECT_EQ(lines[56], NameLine);

    p.numWeeks = 14; // block 3 gets neither fields nor an empty line
    EXPECT_EQ(text().size(), 2u + 3 * 18);
    p.mnTieBreaker = 0;
    lines = text();
    ASSERT_EQ(lines.size(), 2u + 3 * 18 + 1);
    EXPECT_EQ(lines[19], "");
    EXPECT_EQ(lines[55], "");
}

// Two weeks with confidence points, point spreads and the tie breaker: both forms on one page under one
// name line; a favourite away team carries its spread in front of its name.
TEST_F(Forms, WeeklyFormsPrintedAndAsFiles) {
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

    PrintWeeklyForms(p, printer, 0, 1);
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pageCount(), 1);
    const std::string box = "          [__]";
    const Lines page{
        "{16}<b>             2024 VEK Season  Week 1  (2 Games)</b>",
        "                     (circle predictions)",
        "{12}          [Confidence Pts]",
        box + "        (-3.5) Port Aces @ Bulls & Co",
        box + std::string(20, ' ') + "Cats @ Dogs (-10.0)",
        "",
        std::string(16, ' ') + "Tot Score:_____",
        "",
        "",
        "{16}<b>             2024 VEK Season  Week 2  (2 Games)</b>",
        "                     (circle predictions)",
        "{12}          [Confidence Pts]",
        box + std::string(20, ' ') + "Elks @ Foxs (-.0)",
        box + std::string(20, ' ') + "Gull @ Hawk (-7.0)",
        "",
        std::string(16, ' ') + "Tot Score:_____",
        "",
        "     Member's Name: _________________________________________",
    };
    EXPECT_EQ(linesOf(printer.documents[0].pageMarkup(0)), page);

    // One week alone, without options: its page still ends with the name line.
    p.confidenceMode = 0;
    p.usePointSpreads = 0;
    p.mnTieBreaker = 0;
    PrintWeeklyForms(p, printer, 1, 1);
    const QStringList single = printer.documents.back().pageText(0);
    EXPECT_EQ(linesOf(single.mid(3)),
              (Lines{std::string(34, ' ') + "Elks @ Foxs", std::string(34, ' ') + "Gull @ Hawk", "", "", "",
                     "     Member's Name: _________________________________________"}));

    // The file forms ignore the options: no boxes, no spreads, always the total-score line.
    const Lines week1{"          2024 VEK Weekly Schedule/Entry Form",
                      "                  (Circle Predictions)",
                      "               Week  01   Qtr 1  Half 1",
                      "",
                      std::string(17, ' ') + "Port Aces @ Bulls & Co",
                      std::string(22, ' ') + "Cats @ Dogs",
                      "",
                      std::string(20, ' ') + "Tot Score:_____",
                      "",
                      "",
                      "",
                      "Member's Name: _________________________________________________",
                      "\f"};
    const Lines text = written([&](ReportFile& file) { WriteWeeklyFormsText(p, file, 0, 1); });
    ASSERT_EQ(text.size(), 2 * week1.size());
    EXPECT_EQ(Lines(text.begin(), text.begin() + 13), week1);
    EXPECT_EQ(text[15], "               Week  02   Qtr 2  Half 2");
    EXPECT_EQ(text[17], std::string(22, ' ') + "Elks @ Foxs");

    const Lines html = written([&](ReportFile& file) { WriteWeeklyFormsHtml(p, file, 0, 0); });
    EXPECT_EQ(html,
              (Lines{"<h1>          2024 VEK Weekly Schedule/Entry Form</h1>",
                     "<h2>                  (Circle Predictions)</h2>",
                     "<h3>               Week  01   Qtr 1  Half 1</h3>",
                     "<table border=1 cellspacing=1 cellpadding=1 font=courier>",
                     "<tr><td>" + std::string(17, ' ') +
                         "Port Aces</td><td> @ </td><td>Bulls &amp; "
                         "Co</td></tr>",
                     "<tr><td>" + std::string(22, ' ') + "Cats</td><td> @ </td><td>Dogs</td></tr>",
                     "</table>", "<p>" + std::string(20, ' ') + "Tot Score:_____</p>", "<br>", "<br>", "<br>",
                     "<p>Member's Name: _________________________________________________</p>", "\f"}));
    // A range that runs backwards leaves the file empty and prints nothing.
    EXPECT_TRUE(written([&](ReportFile& file) { WriteWeeklyFormsText(p, file, 1, 0); }).empty());
    const std::size_t documents = printer.documents.size();
    PrintWeeklyForms(p, printer, 1, 0);
    EXPECT_EQ(printer.documents.size(), documents);
}

} // namespace
} // namespace vek
