#pragma once

#include "calc/common/tablerecord.h"

namespace calc::steel {

// Tables II-1 (water-gas pipes) and II-2 (electric-welded pipes). Conditions: the pipes' state,
// the system, the hot water's temperature and the system's type.
TableRecord waterGasRecord();
TableRecord electricWeldedRecord();

// The section of a request with a length whose find stops: it goes on with the 1000i that the
// screen's last successful find stored.
CalculationOutcome sectionAfterFailedFind(const CalculationRequest& request, double storedThousandI);

}  // namespace calc::steel
