#pragma once

#include <QStringList>

// PEX pipes, table 1 of СП 41-109-2005: outer diameters by series, walls and tolerances.
namespace calc::building::pex {

enum class Series { Sdr13_6, Sdr11, Sdr9, Sdr7_4, Sdr6 };

QStringList outerDiameters(Series series);

// dв = 0.5·(2·dн + δD − 4·e − 2·δe), mm; dн itself for a pipe the series does not hold.
double innerDiameter(double outerDiameter, Series series);

}  // namespace calc::building::pex
