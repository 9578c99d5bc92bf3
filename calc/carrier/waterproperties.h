#pragma once

#include "calc/carrier/properties.h"

namespace calc::carrier {

inline constexpr double minWaterTemperature = 0;
inline constexpr double maxWaterTemperature = 150;

bool waterTemperatureValid(double temperature);

// Water at a temperature of 0 to 150 °C (clamped to that range), read linearly between the
// 1 °C rows of its table.
Properties waterAt(double temperature);

}  // namespace calc::carrier
