#pragma once

#include "calc/common/calculationrequest.h"

namespace calc::steel {

// A find and section of II-1 or II-2 run again: the pipe is named "outer × wall" by the lists,
// the conditions are in the order of the steel records.
Recalculation recalculate(const CalculationRequest& request);

}  // namespace calc::steel
