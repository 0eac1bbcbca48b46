#include "reports/weeklyforms.h"

#include "engine/weekperiods.h"
#include "model/pooldata.h"
#include "model/textcells.h"
#include "reports/reportfile.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "views/standingsfigures.h"

#include <algorithm>

namespace vek {
namespace {

constexpr int AtColumn = 38;     // printed forms: the away name and its spread end here
constexpr int FileAtColumn = 26; // form files: the away name ends here
constexpr int BoxWidth = 14;
const QString PrintedName = QStringLiteral("     Member's Name: _________________________________________");
const QString FileName = QStringLiteral("Member's Name: _________________________________________________");
const QString TotalScore = QStringLiteral("Tot Score:_____");
const QString FormFeed = QStringLiteral("\f");

/// The weeks of the range that the tables hold.
template <class F> void forEachWeek(int fromWeek, int toWeek, F&& week) {
    for (int w = std::max(fromWeek, 0); w <= std::min(toWeek, WeekSlots - 1); ++w) {
        week(w);
    }
}

int16_t team(const PoolData& pool, int week, int game, int side) {
    return pool.scheduleGrid[week][game][side];
}

/// A printed game line: the box, the away team right-aligned against " @ " with its spread in front of
/// it when it is the favourite, the home team with the spread after it otherwise.
QString printedGameLine(const PoolData& pool, int week, int game) {
    const bool confidence = pool.confidenceMode != 0;
    const int16_t away = team(pool, week, game, 0);
    const int16_t home = team(pool, week, game, 1);
    QString awaySpread;
    QString homeSpread;
    if (isTrue(pool.usePointSpreads)) {
        const QString spread = formatNumber(pool.pointSpread[week][game], u"##.0");
        if (pool.favoriteTeam[week][game] == away) {
            awaySpread = QStringLiteral("(-") + spread + QStringLiteral(") ");
        } else {
            homeSpread = QStringLiteral(" (-") + spread + QStringLiteral(")");
        }
    }
    const QString awayName = pool.teamNameOf(away);
    const int lead =
        AtColumn - (confidence ? BoxWidth : 0) - characterCount(awayName) - int(awaySpread.size());
    return (confidence ? blanks(10) + QStringLiteral("[__]") : QString()) + blanks(lead) + awaySpread +
           awayName + QStringLiteral(" @ ") + pool.teamNameOf(home) + homeSpread;
}

/// "Week", the week, its quarter and half, as the form files head each form.
QString fileWeekLine(int week, const WeekPeriods& periods) {
    return QStringLiteral("               Week  ") + formatNumber(week + 1, u"00") +
           QStringLiteral("   Qtr ") + formatNumber(periods.quarter + 1, u"0") + QStringLiteral("  Half ") +
           formatNumber(periods.half + 1, u"0");
}

/// The form files' weeks with their periods: the quarter that holds the week, and the half that holds
/// it or, for a week in no half, the half of the week before it.
template <class F> void forEachFileWeek(const PoolData& pool, int fromWeek, int toWeek, F&& week) {
    WeekPeriods periods;
    forEachWeek(fromWeek, toWeek, [&](int w) {
        periods = {QuarterOfWeek(pool, static_cast<int16_t>(w)), periodsOfWeek(pool, w, periods).half};
        week(w, periods);
    });
}

QString fileTitle(const PoolData& pool) {
    return blanks(10) + formatNumber(pool.seasonYear, u"0000") +
           QStringLiteral(" VEK Weekly Schedule/Entry Form");
}

const QString FileCircle = QStringLiteral("                  (Circle Predictions)");

} // namespace

void PrintWeeklyForms(const PoolData& pool, ReportPrinter& printer, int fromWeek, int toWeek) {
    const bool confidence = pool.confidenceMode != 0;
    int form = 1;
    forEachWeek(fromWeek, toWeek, [&](int w) {
        printer.setBold(true);
        printer.setFontSize(16);
        printer.printLine(blanks(13) + formatNumber(pool.seasonYear, u"0") +
                          QStringLiteral(" VEK Season  Week ") + formatNumber(w + 1, u"0") +
                          QStringLiteral("  (") + formatNumber(pool.games(w), u"##") +
                          QStringLiteral(" Games)"));
        printer.setBold(false);
        printer.printLine(blanks(21) + QStringLiteral("(circle predictions)"));
        printer.setFontSize(12);
        if (confidence) {
            printer.printLine(blanks(10) + QStringLiteral("[Confidence Pts]"));
        } else {
            printer.endLine();
        }
        for (int g = 0; g < pool.games(w); ++g) {
            printer.printLine(printedGameLine(pool, w, g));
        }
        if (pool.mnTieBreaker != 0) {
            printer.endLine();
            printer.printLine(blanks(30 - (confidence ? BoxWidth : 0)) + TotalScore);
        }
        if (form % 2 == 1) {
            printer.endLine();
            printer.endLine();
        } else {
            printer.endLine();
            printer.printLine(PrintedName);
            printer.newPage();
        }
        ++form;
    });
    // A page holding one form still gets its name line.
    if (form % 2 == 0) {
        printer.endLine();
        printer.printLine(PrintedName);
    }
    printer.endDocument();
}

void WriteWeeklyFormsText(const PoolData& pool, ReportFile& file, int fromWeek, int toWeek) {
    file.create();
    forEachFileWeek(pool, fromWeek, toWeek, [&](int w, const WeekPeriods& periods) {
        file.writeLine(fileTitle(pool));
        file.writeLine(FileCircle);
        file.writeLine(fileWeekLine(w, periods));
        file.writeLine();
        for (int g = 0; g < pool.games(w); ++g) {
            const QString away = pool.teamNameOf(team(pool, w, g, 0));
            file.writeLine(blanks(FileAtColumn - characterCount(away)) + away + QStringLiteral(" @ ") +
                           pool.teamNameOf(team(pool, w, g, 1)));
        }
        file.writeLine();
        file.writeLine(blanks(20) + TotalScore);
        for (int i = 0; i < 3; ++i) {
            file.writeLine();
        }
        file.writeLine(FileName);
        file.writeLine(FormFeed);
    });
}

void WriteWeeklyFormsHtml(const PoolData& pool, ReportFile& file, int fromWeek, int toWeek) {
    file.create();
    forEachFileWeek(pool, fromWeek, toWeek, [&](int w, const WeekPeriods& periods) {
        file.writeLine(QStringLiteral("<h1>") + fileTitle(pool) + QStringLiteral("</h1>"));
        file.writeLine(QStringLiteral("<h2>") + FileCircle + QStringLiteral("</h2>"));
        file.writeLine(QStringLiteral("<h3>") + fileWeekLine(w, periods) + QStringLiteral("</h3>"));
        file.writeLine(QStringLiteral("<table border=1 cellspacing=1 cellpadding=1 font=courier>"));
        for (int g = 0; g < pool.games(w); ++g) {
            const QString away = pool.teamNameOf(team(pool, w, g, 0));
            file.writeLine(QStringLiteral("<tr><td>") + blanks(FileAtColumn - characterCount(away)) +
                           htmlText(away) + QStringLiteral("</td><td> @ </td><td>") +
                           htmlText(pool.teamNameOf(team(pool, w, g, 1))) + QStringLiteral("</td></tr>"));
        }
        file.writeLine(QStringLiteral("</table>"));
        file.writeLine(QStringLiteral("<p>") + blanks(20) + TotalScore + QStringLiteral("</p>"));
        for (int i = 0; i < 3; ++i) {
            file.writeLine(QStringLiteral("<br>"));
        }
        file.writeLine(QStringLiteral("<p>") + FileName + QStringLiteral("</p>"));
        file.writeLine(FormFeed);
    });
}

} // namespace vek
