#include "reports/differencessection.h"

#include "engine/differencesleft.h"
#include "model/textcells.h"
#include "reports/reportchoice.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"

#include <QStringList>

#include <cstdlib>
#include <functional>
#include <optional>

namespace vek {
namespace {

constexpr int SideBySideMembers = 15;
constexpr int OneTableMembers = 30;

/// The count of the pair (j, i), j < i, or no value (a blank cell).
using PairValue = std::function<std::optional<int>(int j, int i)>;

/// The lines of one table: border, heading, border, one row per member 1..n-1, border.
QStringList tableLines(const PoolData& pool, const PairValue& value) {
    const int n = pool.memberCount();
    QString border = QStringLiteral("+--------+");
    QString heading = QStringLiteral("|Between |");
    for (int j = 0; j + 1 < n; ++j) {
        border += QStringLiteral("---+");
        // Padded as well as cut: a short name must not pull the later columns' headings out of line.
        heading += fitCharacters(pool.memberName[j], 3) + QLatin1Char('|');
    }
    QStringList lines{border, heading, border};
    for (int i = 1; i < n; ++i) {
        QString row = QLatin1Char('|') + fitCharacters(pool.memberName[i], 8) + QLatin1Char('|');
        for (int j = 0; j + 1 < n; ++j) {
            const std::optional<int> count = j < i ? value(j, i) : std::nullopt;
            row += formatText(count ? QString::number(*count) : QString(), u"@@@") + QLatin1Char('|');
        }
        lines << row;
    }
    lines << border;
    return lines;
}

} // namespace

void PrintDifferences(ReportPrinter& printer, const PoolData& pool, int groupIndex, int16_t kind, int week) {
    printer.setFontSize(7.2);
    const int n = pool.memberCount();
    if (n > OneTableMembers) {
        return;
    }
    const bool results = isResultsKind(kind);
    // A results report looks ahead: the season from the week after, and the next week alone.
    const int firstWeek = results ? week + 1 : week;
    const DifferencesLeft left(pool);
    const PairValue seasonValue = [&](int j, int i) -> std::optional<int> {
        const std::span<const int> games = left.games(j, firstWeek);
        return at(games, i);
    };
    const PairValue weekValue = [&](int j, int i) -> std::optional<int> {
        if (!isWeek(firstWeek) || firstWeek > pool.numWeeks - 1) {
            return std::nullopt;
        }
        return pool.pickDiffWeek[j][i][firstWeek];
    };
    const QString weekTitle =
        results ? QStringLiteral("Next Week Differences") : QStringLiteral("Week Differences");

    if (n <= SideBySideMembers) {
        printer.setBold(true);
        printer.printLine(QStringLiteral("Season Differences") + blanks(4 * std::abs(n - 3)) +
                          blanks(61 - 4 * n) + weekTitle);
        if (n < 2) {
            return;
        }
        printer.setBold(false);
        const QStringList season = tableLines(pool, seasonValue);
        const QStringList weekly = tableLines(pool, weekValue);
        for (int line = 0; line < season.size(); ++line) {
            printer.printLine(season[line] + blanks(61 - 4 * n) + weekly[line]);
        }
        return;
    }
    printer.setBold(true);
    if (groupIndex == 0) {
        printer.printLine(QStringLiteral("Season Differences"));
    } else {
        printer.printLine(results ? weekTitle : QStringLiteral("Week Differences  "));
    }
    printer.setBold(false);
    for (const QString& line : tableLines(pool, groupIndex == 0 ? seasonValue : weekValue)) {
        printer.printLine(line);
    }
}

} // namespace vek
