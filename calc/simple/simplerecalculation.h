#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/simple/simplecalculation.h"

#include <QString>
#include <optional>

// The finds and simple sections of II-3 to II-8 run again.
namespace calc::simple {

// A find as it went, with the section of the calculate button when a length is given: h from
// 1000i as the find stored it in its slope text field.
Recalculation withSection(std::optional<Check> failed, const Figures& figures, const std::optional<QString>& advice,
                          std::optional<double> length);

// The find of II-5 to II-8 with the diameter the screen wrote into its input; the advice compares
// the size the list names, or the typed diameter.
Recalculation recalculate(const Material& material, const CalculationRequest& request);

}  // namespace calc::simple
