#pragma once

#include "report/sectionnetwork.h"
#include "report/workbook.h"

namespace report {

// Where the sections sheet put the table: the row of its first section and the columns of the
// inputs it adds after the table's own.
struct SheetLayout {
    TableKind kind = TableKind::WaterSupply;
    int firstRow = 0;
    int flowColumn = 0;           // q, л/с
    int heatCapacityColumn = -1;  // c, heating only
    int freeColumn = 0;           // the first column the sheet leaves empty
};

// The arithmetic of a computed network written out over the rows of its sheet, so that an input
// changed in the workbook carries through the tree: N and U or Q summed from the ends, P and q of
// the fixtures or Δt, c and q of the heat load, the rings' parts and imbalances. From `resultsRow`
// on, a row for each line the window shows after the table, its names and figures in cells in the
// order the line gives them, each a formula of the cells above; then the system's figures that
// the rows take and no line shows.
void writeNetwork(workbook::Sheet& sheet, const SheetLayout& layout, const ComputedTable& table, int resultsRow);

}  // namespace report
