#pragma once

#include "calc/common/calculationrequest.h"

#include <QStringList>

namespace calc::steel {

// The record of a find or section of table II-1 or II-2: the pipe and dp, the water, the flow,
// λ and i with their numbers, 1000i, the section with its share k, the warning.
QStringList describeCalculation(const CalculationRequest& request, const CalculationOutcome& outcome);

}  // namespace calc::steel
