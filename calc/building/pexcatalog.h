#pragma once

#include <QStringList>
#include <optional>

// PEX pipes, table 1 of СП 41-109-2005: outer diameters by series, walls and tolerances.
namespace calc::building::pex {

enum class Series { Sdr13_6, Sdr11, Sdr9, Sdr7_4, Sdr6 };

QStringList outerDiameters(Series series);

// The catalog's figures of one pipe, mm: the wall e, its tolerance δe and that of dн, δD.
struct WallFigures {
    double e;
    double wallTolerance;
    double outerTolerance;
};
std::optional<WallFigures> wallFigures(double outerDiameter, Series series);

// dв = 0.5·(2·dн + δD − 4·e − 2·δe), mm; dн itself for a pipe the series does not hold.
double innerDiameter(double outerDiameter, Series series);

}  // namespace calc::building::pex
