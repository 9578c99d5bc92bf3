#pragma once

// Hydraulic slope i (m/m) of the plastic and glass pipes; v in m/s, d in m.
namespace calc::plastic_glass {

double polyethyleneSlope(double velocity, double diameter);
// Darcy–Weisbach with λ = 0.0146·(v·d)^−0.226.
double glassFibreLambda(double velocity, double diameter);
double glassFibreSlope(double velocity, double diameter);
double glassSlope(double velocity, double diameter);

}  // namespace calc::plastic_glass
