#pragma once

#include "calc/common/tablerecord.h"

namespace calc::building {

// Tables II-9 (copper), II-10 (PEX) and II-11 (PEX-AL-PEX). Conditions: the system, the
// temperature and, for heating, the heat carrier; II-10 first its series.
TableRecord copperRecord();
TableRecord pexRecord();
TableRecord pexAlPexRecord();

}  // namespace calc::building
