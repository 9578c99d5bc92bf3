#pragma once

#include <QStringList>

// Copper pipes, table 3 of СП 40-108-2004: outer diameters and their wall thicknesses.
namespace calc::building::copper {

QStringList outerDiameters();
// Walls of an outer diameter (compared for equality); empty when it is not in the catalog.
QStringList walls(double outerDiameter);
// The pipe as the lists name it together: "15 × 1.0".
QString designation(const QString& outerDiameter, const QString& wall);

}  // namespace calc::building::copper
