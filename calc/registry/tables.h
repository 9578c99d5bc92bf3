#pragma once

#include "calc/common/tablerecord.h"

#include <QList>

namespace calc {

inline constexpr int tableCount = 11;

// The eleven tables II-1 … II-11, in the order of the main menu's buttons.
const QList<TableRecord>& tables();

// The table of this number, 1 to tableCount.
const TableRecord& table(int number);

}  // namespace calc
