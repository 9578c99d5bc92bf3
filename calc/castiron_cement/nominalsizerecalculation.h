#pragma once

#include "calc/common/calculationrequest.h"

// The finds and sections of II-3 and II-4 run again: the list names the nominal size, which the
// find takes as the screen shows it; a typed diameter is taken as typed.
namespace calc {

Recalculation recalculateCastIron(const CalculationRequest& request);
Recalculation recalculateAsbestosCement(const CalculationRequest& request);

}  // namespace calc
