#pragma once

#include "calc/common/economicadvice.h"

#include <QString>
#include <QStringList>

// Asbestos-cement pressure water pipes, ГОСТ 539-80.
namespace calc::asbestoscement {

enum class PressureClass { VT6, VT9, VT12, VT15 };

// The nominal sizes offered for a dimensional type (1, 2 or 3).
QStringList sizes(int type);

// Inner diameter in mm of a catalog pipe; 0 when the catalog has no such pipe.
int innerDiameter(double size, PressureClass pressureClass, int type);

// "условный проход d=200мм; труба ВТ9 тип2; внутренний диаметр dв=196мм"
QString pipeTooltip(int size, PressureClass pressureClass, int type);

// Hydraulic slope i of new and used pipes alike; v in m/s, dp in m.
double slope(double v, double dp);

// Economic flows by nominal size, upper bound included.
EconomicTable economicTable();

}  // namespace calc::asbestoscement
