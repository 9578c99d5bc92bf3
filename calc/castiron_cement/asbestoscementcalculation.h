#pragma once

#include "calc/castiron_cement/asbestoscement.h"
#include "calc/castiron_cement/nominalsizecalculation.h"

namespace calc::asbestoscement {

struct CalculationInput : nominalsize::Input {
    PressureClass pressureClass = PressureClass::VT6;
    int type = 1;  // dimensional type 1, 2 or 3
};

// Table II-4: a chosen size with a catalog row of the class and type takes its inner diameter.
nominalsize::Result calculate(const CalculationInput& input);

// The economic advice for a flow in m³/s; size is the size value of the calculation.
AdviceLabelWrites advice(double flow, double size);

}  // namespace calc::asbestoscement
