#pragma once

#include <QString>
#include <QStringList>

// Water-gas steel pipes, ГОСТ 3262-75: outer diameters, nominal sizes, walls and their series.
namespace calc::steel::watergas {

QStringList outerDiameters();
// Nominal size of an outer diameter; 0 when it is not in the catalog.
double nominalSize(double outerDiameter);
QStringList walls(double outerDiameter);
// "трубы легкие", "трубы обыкновенные" or "трубы усиленные" for (dу, s); empty when unknown.
QString series(double nominalSize, double wall);

}  // namespace calc::steel::watergas
