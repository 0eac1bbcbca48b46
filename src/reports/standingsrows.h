#pragma once

namespace vek {

class ReportPrinter;
struct GamesBehindTotals;
struct WeekPage;

/// The lower half of a week page: one block of rows per contest the pool uses (season, half, quarter,
/// week, wild choices, over-50% streak, Monday night) with the leaders bold and the [E] and [T] marks,
/// the members' balances, and the box of the week's over-50% maximum and games-behind point totals
/// (`totals`: over the members of this group and the groups before it). The predictions report prints
/// the same rows as an empty form.
void PrintStandingsRows(ReportPrinter& printer, const WeekPage& page, const GamesBehindTotals& totals);

} // namespace vek
