#pragma once

#include "calc/common/economicadvice.h"
#include "calc/simple/simplecalculation.h"

#include <QStringList>
#include <QString>

// Reinforced-concrete pressure water pipes, ГОСТ 12586.0-83: the nominal size is the bore.
namespace calc::reinforcedconcrete {

QStringList sizes();

// Hydraulic slope i of new and used pipes alike, surface coefficient 1; v in m/s, d in m.
double slope(double velocity, double diameter);

// Economic flows by nominal size, upper bound included; the largest size takes every larger flow.
EconomicTable economicTable();

// What the advice writes for a flow above the bands faster than warningVelocity, m/s.
inline const QString tooFastAdvice =
    QStringLiteral(" Большая скорость! Рекомендуется использовать трубу с условным проходом более 1600мм");
inline constexpr double warningVelocity = 5;

// The economic advice of a find: flow in m³/s, velocity in m/s, and the diameter of the
// calculation, which counts as a nominal size when it equals one.
AdviceLabelWrites economicAdvice(double flow, double velocity, double size);

// The fast flow the advice warns of: above the bands and faster than warningVelocity; flow in m³/s.
VelocityVerdict velocityVerdict(double flow, double velocity);

inline constexpr simple::Material material{slope, economicAdvice, economicTable, velocityVerdict};

}  // namespace calc::reinforcedconcrete
