#include "calc/plastic_glass/plasticglasshydraulics.h"

#include <cmath>

namespace calc::plastic_glass {

double polyethyleneSlope(double velocity, double diameter)
{
    return 0.000685 * std::pow(velocity, 1.774) / std::pow(diameter, 1.226);
}

double glassFibreLambda(double velocity, double diameter) { return 0.0146 * std::pow(velocity * diameter, -0.226); }

double glassFibreSlope(double velocity, double diameter)
{
    const double lambda = glassFibreLambda(velocity, diameter);
    // 19.62 stands for 2g in the handbook's formula.
    return lambda * velocity * velocity / (19.62 * diameter);
}

double glassSlope(double velocity, double diameter)
{
    return 0.000745 * std::pow(velocity, 1.774) / std::pow(diameter, 1.226);
}

}  // namespace calc::plastic_glass
