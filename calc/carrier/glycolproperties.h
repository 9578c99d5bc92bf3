#pragma once

#include "calc/carrier/properties.h"

namespace calc::carrier {

enum class Glycol { Ethylene, Propylene };

// The fits hold from 0 to 60 % by mass and from the freezing point to 100 °C; the reference
// offers the solutions from 10 %.
inline constexpr double minGlycolConcentration = 10;
inline constexpr double maxGlycolConcentration = 60;
inline constexpr double maxGlycolTemperature = 100;
// Within this many kelvins above its freezing point a fit is unreliable.
inline constexpr double freezingMargin = 2;

// The freezing point of a solution, °C, by its concentration in per cent by mass.
double freezingPoint(Glycol glycol, double concentration);

// A solution of a concentration in per cent by mass at a temperature in °C.
Properties glycolAt(Glycol glycol, double concentration, double temperature);

}  // namespace calc::carrier
