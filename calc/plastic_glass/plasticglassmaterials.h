#pragma once

#include "calc/plastic_glass/plasticglasshydraulics.h"
#include "calc/plastic_glass/polyethyleneadvice.h"
#include "calc/simple/simplecalculation.h"

// The materials of tables II-5, II-7 and II-8 as their calculation takes them.
namespace calc::plastic_glass {

inline constexpr simple::Material polyethyleneMaterial{polyethyleneSlope, polyethylene::economicAdvice,
                                                          polyethylene::economicTable, polyethylene::velocityVerdict};
inline constexpr simple::Material glassFibreMaterial{glassFibreSlope, nullptr, nullptr, nullptr, glassFibreLambda};
inline constexpr simple::Material glassMaterial{glassSlope};

}  // namespace calc::plastic_glass
