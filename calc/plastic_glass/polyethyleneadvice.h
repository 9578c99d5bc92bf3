#pragma once

#include "calc/common/calculationrequest.h"
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

// The fast flow the advice warns of: faster than warningVelocity in no band; flow in m³/s.
VelocityVerdict velocityVerdict(double flow, double velocity);

}  // namespace calc::plastic_glass::polyethylene
