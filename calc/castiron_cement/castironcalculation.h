#pragma once

#include "calc/castiron_cement/castiron.h"
#include "calc/castiron_cement/nominalsizecalculation.h"

namespace calc::castiron {

struct CalculationInput : nominalsize::Input {
    Condition condition = Condition::NonNew;
};

// Table II-3: a chosen size with a catalog row takes that row's dp for the pipe condition.
nominalsize::Result calculate(const CalculationInput& input);

// The economic advice for a flow in m³/s; catalogSize is the size whose catalog row gave the
// calculation diameter, none for a typed diameter.
AdviceLabelWrites advice(double flow, std::optional<double> catalogSize);

}  // namespace calc::castiron
