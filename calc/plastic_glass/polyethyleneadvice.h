#pragma once

#include "calc/common/economicadvice.h"

#include <QString>

namespace calc::plastic_glass::polyethylene {

// Economic flows by outer diameter, upper bound included and the first band closed.
EconomicTable economicTable();

// What the advice writes for a flow in no band faster than warningVelocity, m/s.
inline const QString tooFastAdvice = QStringLiteral("Большая скорость! Рекомендуется применить трубу большего диаметра");
inline constexpr double warningVelocity = 4;

// The economic diameter advice of a find: flow in m³/s, velocity in m/s, and the diameter shown
// with the results (the chosen outer diameter, or the typed inner one).
AdviceLabelWrites economicAdvice(double flow, double velocity, double comparedSize);

}  // namespace calc::plastic_glass::polyethylene
