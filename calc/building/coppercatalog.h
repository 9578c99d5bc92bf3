#pragma once

#include <QStringList>

// Copper pipes, table 3 of СП 40-108-2004: outer diameters and their wall thicknesses.
namespace calc::building::copper {

QStringList outerDiameters();
// Walls of an outer diameter (compared for equality); empty when it is not in the catalog.
QStringList walls(double outerDiameter);

}  // namespace calc::building::copper
