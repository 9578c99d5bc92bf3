#pragma once

#include "calc/common/tablerecord.h"

namespace calc::steel {

// Tables II-1 (water-gas pipes) and II-2 (electric-welded pipes). Conditions: the pipes' state,
// the system, the hot water's temperature and the system's type.
TableRecord waterGasRecord();
TableRecord electricWeldedRecord();

}  // namespace calc::steel
