#pragma once

#include "calc/building/buildinghydraulics.h"
#include "calc/common/calculationrequest.h"

#include <QStringList>

// The records of a section of tables II-9 (copper), II-10 (PEX) and II-11 (PEX-AL-PEX): the pipe
// and dp, the system, t, ν and ρ, the flow, v, Re and λ, i or R, the fittings and Σξ, H or Z and
// ΔP, the velocity advice.
namespace calc::building {

QStringList describeCopper(const CalculationRequest& request, const CalculationOutcome& outcome);
QStringList describePex(const CalculationRequest& request, const CalculationOutcome& outcome);
QStringList describePexAlPex(const CalculationRequest& request, const CalculationOutcome& outcome);

// The system a request of the material's table is for, by its screen's system choice.
SystemKind systemKindOf(Material material, const CalculationRequest& request);

// The record of the material's table.
using Description = QStringList (*)(const CalculationRequest& request, const CalculationOutcome& outcome);
Description describer(Material material);

}  // namespace calc::building
