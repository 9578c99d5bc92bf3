#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/tablerecord.h"

#include <QStringList>

namespace report {

// The whole record of a calculation: the table, its material, the standard of its pipes and the
// source of its formulas, the fixtures its flow was worked out from, then the table's own
// description.
QStringList recordLines(const calc::TableRecord& record, const calc::CalculationRequest& request,
                        const calc::CalculationOutcome& outcome);

}  // namespace report
