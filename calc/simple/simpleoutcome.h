#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/simple/simplecalculation.h"

#include <QString>
#include <optional>

// The request of a table whose find takes the diameter as it stands, and its outcome.
namespace calc::simple {

CalculationOutcome outcome(const Material& material, const CalculationRequest& request);

// A find that went as given, with the section of `length` computed from the 1000i the screen
// shows, as the screen's section does: the find's own or, where the find stopped, lastFound.
CalculationOutcome withSection(std::optional<Check> failed, const Figures& figures, const std::optional<QString>& advice,
                               std::optional<double> length, double lastFound);

}  // namespace calc::simple
