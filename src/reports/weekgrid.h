#pragma once

namespace vek {

class ReportPrinter;
struct WeekPage;

/// The upper half of a week page: the title line, the members' names, one row per game with every
/// member's pick (in a results report the winner bold, the right picks marked with "(w) " or their
/// confidence points; in the predictions report the confidence points), the Monday-night line and
/// the blank lines that give every grid 19 lines.
void PrintWeekGrid(ReportPrinter& printer, const WeekPage& page);

} // namespace vek
