#pragma once

#include <QStringList>

// Metal-polymer PEX-AL-PEX pipes: outer diameters and wall thicknesses.
namespace calc::building::pexalpex {

QStringList outerDiameters();
// dв = dн − 2·s, mm; with no catalog wall s = 0.
double innerDiameter(double outerDiameter);

}  // namespace calc::building::pexalpex
