#pragma once

#include "calc/common/designlimits.h"

// The design limits the user last set for a system, kept between runs; the size selection sets
// them and the sections table chooses its sizes by them too.
namespace calc {

DesignLimits rememberedLimits(bool heating);
void rememberVelocityLimit(bool heating, double velocity);
void rememberPressureLossLimit(double pressureLoss);

}  // namespace calc
