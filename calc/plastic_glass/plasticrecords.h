#pragma once

#include "calc/common/tablerecord.h"

namespace calc {

// Tables II-5 (polyethylene), II-7 (glass-fibre) and II-8 (glass).
TableRecord polyethyleneRecord();
TableRecord glassFibreRecord();
TableRecord glassRecord();

}  // namespace calc
