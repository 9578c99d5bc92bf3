#pragma once

#include "calc/common/economicadvice.h"

namespace calc::plastic_glass::polyethylene {

// The economic diameter advice of a find: flow in m³/s, velocity in m/s, and the diameter shown
// with the results (the chosen outer diameter, or the typed inner one).
AdviceLabelWrites economicAdvice(double flow, double velocity, double comparedSize);

}  // namespace calc::plastic_glass::polyethylene
