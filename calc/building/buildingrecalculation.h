#pragma once

#include "calc/building/buildingcalculation.h"
#include "calc/common/calculationrequest.h"

namespace calc::building {

// The calculate of II-9, II-10 or II-11 run again on a section whose material, system,
// temperature, heat carrier and flow the record has set from the request's conditions: the
// size, the length and the fittings as the user set them.
Recalculation recalculate(SectionInput input, const CalculationRequest& request);

}  // namespace calc::building
