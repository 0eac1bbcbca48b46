#pragma once

namespace vek {

struct PoolData;
class ReportFile;
class ReportPrinter;

/// The blank weekly prediction forms of the weeks fromWeek..toWeek (0-based), one form per week.
/// Printed: two forms to a page, each game with the teams' full names about a fixed " @ " column, a
/// confidence box, the point spread beside the favourite and a total-score line as the pool's options
/// ask, and a line for the member's name on each page; one whole document. As a file: a simpler form
/// per week (quarter and half, every game, always the total-score line), each closed by a form feed;
/// the report file starts anew.
void PrintWeeklyForms(const PoolData& pool, ReportPrinter& printer, int fromWeek, int toWeek);
void WriteWeeklyFormsText(const PoolData& pool, ReportFile& file, int fromWeek, int toWeek);
void WriteWeeklyFormsHtml(const PoolData& pool, ReportFile& file, int fromWeek, int toWeek);

} // namespace vek
