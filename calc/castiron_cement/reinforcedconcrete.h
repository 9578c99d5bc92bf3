#pragma once

#include "calc/common/economicadvice.h"

#include <QStringList>
#include <span>

// Reinforced-concrete pressure water pipes, ГОСТ 12586.0-83: the nominal size is the bore.
namespace calc::reinforcedconcrete {

QStringList sizes();

// Hydraulic slope i of new and used pipes alike, surface coefficient 1; v in m/s, d in m.
double slope(double velocity, double diameter);

// Economic flows by nominal size, upper bound included; the largest size takes every larger flow.
std::span<const EconomicBand> economicRanges();

}  // namespace calc::reinforcedconcrete
