#pragma once

#include "calc/common/economicadvice.h"

#include <QString>
#include <QStringList>

// Cast-iron pressure water pipes, ГОСТ 9583-75 and ГОСТ 21053-75.
namespace calc::castiron {

enum class PipeClass { LA, A };
enum class Condition { NonNew, New };

struct Pipe {
    int size;                       // nominal, mm
    PipeClass pipeClass;
    const char* inner;              // dв in mm, as the tooltips write it
    const char* nonNewCalculation;  // dp of non-new pipes in mm, as the tooltips write it
};

// The nominal sizes a class offers, smallest first.
QStringList sizes(PipeClass pipeClass);

// The catalog row of exactly this nominal size, or none.
const Pipe* findPipe(double size);

// Calculation diameter in mm: below 300 mm non-new pipes lose 1 mm to deposits.
double calculationDiameter(const Pipe& pipe, Condition condition);

// Tooltip of the diameter input for a catalog pipe.
QString diameterTooltip(const Pipe& pipe, Condition condition);

// Friction factor λ of new pipes; dp in m, v in m/s.
double newPipeLambda(double dp, double v);

// Non-new pipe at v ≥ 1,2 m/s, whose slope leaves out the transition term.
bool fastFormula(double v);

// Hydraulic slope i; v in m/s, dp in m.
double slope(double v, double dp, Condition condition);

// Economic flows by nominal size, lower bound included.
EconomicTable economicTable();

}  // namespace calc::castiron
