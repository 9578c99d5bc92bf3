#pragma once

#include "calc/building/buildinghydraulics.h"

#include <QString>

namespace calc::building {

class BuildingPanel;

// Validates, computes and shows everything of a PEX or PEX-AL-PEX section, stopping at the first
// failed check with what it had already written left on screen.
void runPolymerProcedure(BuildingPanel& panel, SystemKind kind, const QString& innerDiameter);

}  // namespace calc::building
