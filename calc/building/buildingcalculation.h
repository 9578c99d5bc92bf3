#pragma once

#include "calc/building/buildinghydraulics.h"
#include "calc/building/buildingtexts.h"
#include "calc/common/calculation.h"
#include "calc/common/calculationrequest.h"

#include <array>
#include <optional>

// One section of a copper, PEX or PEX-AL-PEX pipe, computed from its conditions alone.
namespace calc::building {

enum class HeatCarrier { Water, Other };

struct FittingCount {
    bool ticked = false;
    double count = 0;  // a count, or the coefficient itself for the free row
};

struct SectionInput {
    Material material = Material::Copper;
    SystemKind kind = SystemKind::ColdWater;
    double temperature = 0;  // t, °C; 0 when none is chosen
    HeatCarrier carrier = HeatCarrier::Water;
    // Another carrier applied from the reference at its own temperature, which stands for the
    // screen's choice of one.
    bool referenceCarrier = false;
    double typedDensity = 0;      // ρ of another carrier, kg/m³
    double typedViscosityE6 = 0;  // ν·10^6 of another carrier, mm²/s
    double diameterMm = 0;        // inner diameter, from the catalog or typed
    bool typedDiameter = false;   // copper: "другой" is ticked
    bool wallChosen = false;      // copper: a wall thickness is chosen
    TypedFlow flow;
    double length = 0;  // m
    std::array<FittingCount, fittingRows> fittings{};
    FittingCount otherResistance;
};

struct SectionResult {
    std::optional<Check> failed;
    Figures figures;
    std::optional<VelocityAdvice> advice;       // set once the advice step has run
    std::optional<double> viscosityE6;          // written back into the ν·10^6 input
    std::optional<double> waterDensity;         // written back into the ρ input for water
    std::optional<FrictionIntermediates> friction;  // set with Re and λ
    QString stopReason;  // why it stopped once v was known, in a few words
};

// Each procedure keeps its own order of checks; a stopped one keeps what it had shown.
SectionResult copperSection(const SectionInput& input);
SectionResult polymerSection(const SectionInput& input);
SectionResult calculateSection(const SectionInput& input);

}  // namespace calc::building
