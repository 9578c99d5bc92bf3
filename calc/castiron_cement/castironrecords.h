#pragma once

#include "calc/common/tablerecord.h"

namespace calc {

// Tables II-3 (cast iron), II-4 (asbestos-cement) and II-6 (reinforced concrete).
TableRecord castIronRecord();
TableRecord asbestosCementRecord();
TableRecord reinforcedConcreteRecord();

}  // namespace calc
