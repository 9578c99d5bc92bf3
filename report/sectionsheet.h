#pragma once

#include "report/sectionnetwork.h"
#include "report/sections.h"
#include "report/workbook.h"

namespace report {

// The sections table as a sheet in which the engineer may change an input and see every figure
// follow: the title block, the header, one row per section whose derived cells are formulas of
// the row's inputs (v, 1000i or R by the table's own formula, h or R·l, Z, ΔP, the running
// sums), and the totals row. Inputs the window has no column for (q of heating, ν, ρ, c) stand
// in columns of their own after the table's. A figure no cell formula gives holds the program's
// value and a comment that says so.
workbook::Sheet sectionsSheet(const QList<Section>& sections, std::optional<TableKind> kind, const TitleBlock& title);
// The table as its window computes it: a network's flows, its sums along the paths from the input
// and its results under the totals.
workbook::Sheet sectionsSheet(const ComputedTable& table, std::optional<TableKind> kind, const TitleBlock& title);

}  // namespace report
