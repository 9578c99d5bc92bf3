#pragma once

#include <QStringList>

// Electric-welded steel pipes, ГОСТ 10704-91: outer diameters and the walls made for each.
namespace calc::steel::electricwelded {

QStringList outerDiameters();
// Walls of an outer diameter, in list order; empty when it is not in the catalog.
QStringList walls(double outerDiameter);

}  // namespace calc::steel::electricwelded
