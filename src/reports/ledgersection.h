#pragma once

#include "model/pooldata.h"
#include "reports/membergroups.h"

namespace vek {

class ReportPrinter;

/// The points ledger of the prediction and result report: every member's balance per event, group by
/// group, and each member's total points, on a page of its own. Positive values are bold.
void PrintLedgerSection(ReportPrinter& printer, const PoolData& pool, const MemberGroups& groups);

} // namespace vek
