#pragma once

#include "calc/common/calculationrequest.h"

#include <QStringList>

// The records of a calculation of tables II-3 (cast iron), II-4 (asbestos cement) and II-6
// (reinforced concrete): the pipe and dp, the flow, v, i with its numbers, 1000i, the section
// h = i·L and the advice.
namespace calc {

QStringList describeCastIron(const CalculationRequest& request, const CalculationOutcome& outcome);
QStringList describeAsbestosCement(const CalculationRequest& request, const CalculationOutcome& outcome);
QStringList describeReinforcedConcrete(const CalculationRequest& request, const CalculationOutcome& outcome);

}  // namespace calc
