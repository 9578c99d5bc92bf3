#pragma once

#include "calc/common/calculationrequest.h"

#include <QString>
#include <QStringList>

// Hydraulics of copper, PEX and PEX-AL-PEX pipes in building water and heating systems.
namespace calc::building {

enum class Material { Copper, Pex, PexAlPex };

using SystemKind = BuildingSystem;

bool isHotWater(SystemKind kind);

// Velocity limit of the system, m/s.
double velocityLimit(SystemKind kind);

// Items of the temperature list.
QStringList temperatures(Material material, SystemKind kind);

// ν·10^6 of water at a listed temperature; 0 when the table has no value.
double waterViscosityE6(Material material, double temperature);
inline constexpr double coldWaterViscosityE6 = 1.3;

// Density of heating water, kg/m³; 0 when the table has no value.
double heatingWaterDensity(double temperature);

// Equivalent roughness of the pipe wall, m.
double wallRoughness(Material material);

// The twelve counted fittings; rows are numbered from 1.
inline constexpr int fittingRows = 12;
QString fittingCaption(Material material, int row);
double fittingCoefficient(Material material, int row);
// Resource path of the row's line drawing.
QString fittingDrawing(Material material, int row);

// lg x = ln x / ln 10.
double lg(double x);

struct FrictionFactor {
    double reynolds;       // Re = v·d/ν
    double roughReynolds;  // Re_кв = 500·d/Δ, where the rough regime begins
    double b;              // 1 + lg Re / lg Re_кв, at most 2
    double a;              // A = 3.7·d/Δ
    double lambda;
};
// d in m, v in m/s, ν in m²/s, Δ in m.
FrictionFactor frictionFactor(double d, double v, double nu, double roughness);

// Slope of a polymer pipe, i = λ·v²/(2·9.81·d).
double polymerSlope(double v, double d, double lambda);
// Copper, cold water and hot-water circulation: i = 0.0161·ν^0.25·v^1.75·d^−1.25.
double copperSlope(double v, double d, double nu);
// Copper, hot-water supply.
double copperSupplySlope(double v, double d, double reynolds);
// Specific pressure loss of a heating pipe, R = ρ·λ·v²/(2d) Па/м, with the heat carrier's density ρ.
double heatingSpecificLoss(double lambda, double v, double d, double density);
// Pressure per metre of a slope, 1000·g·i Па/м.
double slopePressure(double slope);

// Σξ of the fitting counts (0 for an unticked row) and the free coefficient, added in row order.
double localResistanceSum(Material material, const double (&counts)[fittingRows], double other);

// H = i·L + Σξ·v²/19.62, m.
double sectionHeadLoss(double slope, double length, double resistanceSum, double v);
// Z = Σξ·v²·(0.5·ρ), Па.
double localPressureLoss(double resistanceSum, double v, double density);

// Faster than the system's limit; a velocity equal to the limit is acceptable.
bool tooFast(double v, SystemKind kind);

}  // namespace calc::building
