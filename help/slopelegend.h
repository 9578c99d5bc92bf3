#pragma once

#include "help/formula.h"

#include <QString>

namespace help {

class HelpPage;

// The one-formula windows (II-4 to II-8): their formula, then the legend of the slope, the
// velocity and the calculation diameter.
void addSlopeFormula(HelpPage& page, formula::Part slope);

// i = lead · v²/dp^1,190 · (1 + 3,51/v)^0,190, the slope of the cement-based pipes.
formula::Part cementSlope(const QString& lead);
// i = lead · v^1,774/dp^1,226, the slope of the plastic and glass pipes.
formula::Part smoothPipeSlope(const QString& lead);

}  // namespace help
