#pragma once

#include "calc/common/calculationrequest.h"

#include <QStringList>

// The records of a calculation of tables II-5 (polyethylene), II-7 (glass-fibre) and II-8
// (glass): the pipe and dp, the flow, v, i with its numbers, 1000i, the section h = i·L and the
// advice.
namespace calc::plastic_glass {

QStringList describePolyethylene(const CalculationRequest& request, const CalculationOutcome& outcome);
QStringList describeGlassFibre(const CalculationRequest& request, const CalculationOutcome& outcome);
QStringList describeGlass(const CalculationRequest& request, const CalculationOutcome& outcome);

}  // namespace calc::plastic_glass
