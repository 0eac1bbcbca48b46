#pragma once

namespace vek {

struct PoolData;
class ReportFile;
class ReportPrinter;

/// The blank season prediction form: the whole schedule in blocks of six weeks side by side, each game
/// as the away team's abbreviation, " @ " and the home team's, a confidence box when the pool uses
/// confidence points, a Monday-night score field per week when the pool breaks ties on it, the
/// post-season key when post-season or Big Game points are in use, and a line for the member's name.
/// A season shorter than 13 weeks prints only the blocks that hold its weeks, the weeks it lacks left
/// blank. The printed form is one whole document; the file versions start the report file anew.
void PrintSeasonForm(const PoolData& pool, ReportPrinter& printer);
void WriteSeasonFormText(const PoolData& pool, ReportFile& file);
void WriteSeasonFormHtml(const PoolData& pool, ReportFile& file);

} // namespace vek
