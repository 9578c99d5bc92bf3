#pragma once

#include <QStringList>

// Glass-fibre reinforced plastic pipes, СП 40-104-2001: the list holds inner diameters.
namespace calc::plastic_glass::glassfibre {
QStringList innerDiameters();
}

// Glass pipes, ГОСТ 8894-86: outer diameters, each with one inner diameter.
namespace calc::plastic_glass::glass {
QStringList outerDiameters();
// 0 when the outer diameter is not in the catalog.
double innerDiameter(const QString& outerDiameterItem);
}  // namespace calc::plastic_glass::glass
