#pragma once

#include "calc/common/flowarithmetic.h"

#include <optional>

namespace calc {

// The checks of a calculation that can stop it; each screen words its own message for each.
enum class Check {
    FlowZero,
    DiameterZero,        // no diameter, or one of 0 or less
    NoSizeChosen,        // nothing chosen in the first catalog list
    NoWallChosen,        // an outer diameter chosen but no wall
    TemperatureMissing,
    ViscosityMissing,
    DensityMissing,
    LengthZero,
    NotComputable,       // a result that is not a finite number
};

// The flow as typed, in its unit.
struct TypedFlow {
    double value = 0;  // value parse of the flow input
    FlowUnit unit = FlowUnit::LitresPerSecond;
};

// Every figure a calculation gives, in the units of the formulas. On success every figure that
// the family's formulas have is set. When a check stops the calculation, a figure is set only
// when the screen shows it before that check, so that showing what is set leaves the screen as
// the documented order of its handler leaves it.
struct Figures {
    std::optional<double> flow;              // Q, m³/s (the flow tooltip shows it)
    std::optional<double> diameterMm;        // calculation diameter, mm
    std::optional<double> viscosity;         // ν, m²/s
    std::optional<double> density;           // ρ, kg/m³
    std::optional<double> reynolds;          // Re
    std::optional<double> lambda;            // λ
    std::optional<double> velocity;          // v, m/s
    std::optional<double> slope;             // i, m/m
    std::optional<double> thousandI;         // 1000i
    std::optional<double> slopePressure;     // 1000·g·i, Па/м
    std::optional<double> specificLoss;      // R, Па/м (heating)
    std::optional<double> localShare;        // k of the steel sections
    std::optional<double> resistanceSum;     // Σξ
    std::optional<double> headLoss;          // H, m
    std::optional<double> headLossPressure;  // 1000·g·H, Па
    std::optional<double> localPressureLoss; // Z, Па
    std::optional<double> pressureDrop;      // ΔP, Па
};

}  // namespace calc
