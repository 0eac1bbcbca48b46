#pragma once

#include "model/pooldata.h"

#include <QStringList>

#include <cstdint>

namespace vek {

class ReportPrinter;

// The two tables a week of the sorted results adds on demand, members in the week's rank order: the
// post-season table (each member's thirteen post-season picks, the right ones marked, and the
// post-season points) and the points ledger table (each member's balance per event and in total). The
// post-season points and event marks are those of the season's last week; the ledger is as of
// currentWeek whatever week is shown. On paper marks are bold, in HTML strong.

/// On paper: the 16-point title, then the table at 10 points; no empty line after it.
void PrintSortedPostSeason(ReportPrinter& printer, const PoolData& pool, int week, int16_t kind);
void PrintSortedLedger(ReportPrinter& printer, const PoolData& pool, int week);

/// As text: the title, an empty line, the table and an empty line.
[[nodiscard]] QStringList sortedPostSeasonText(const PoolData& pool, int week, int16_t kind);
[[nodiscard]] QStringList sortedLedgerText(const PoolData& pool, int week);

/// As HTML: one table each.
[[nodiscard]] QStringList sortedPostSeasonHtml(const PoolData& pool, int week, int16_t kind);
[[nodiscard]] QStringList sortedLedgerHtml(const PoolData& pool, int week);

} // namespace vek
