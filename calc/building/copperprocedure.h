#pragma once

#include "calc/building/buildinghydraulics.h"

#include <QString>

namespace calc::building {

class BuildingPanel;

// What the copper screen's own panels hold when "Рассчитать" is clicked.
struct CopperPipe {
    SystemKind kind;
    QString innerDiameter;  // Text2
    QString wall;           // the chosen wall thickness state field
    bool typedDiameter;     // "другой" ticked
};

// Validates, computes and shows everything of a copper section, stopping at the first failed
// check with what it had already written left on screen.
void runCopperProcedure(BuildingPanel& panel, const CopperPipe& pipe);

}  // namespace calc::building
