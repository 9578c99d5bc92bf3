#pragma once

#include "calc/common/calculation.h"
#include "calc/steel/steelhydraulics.h"

#include <QString>
#include <optional>

namespace calc::steel {

// Calculation diameter of a catalog pipe, mm; non-new pipes lose 1 mm of bore to corrosion and
// deposits.
double calculationDiameter(double outerDiameter, double wall, PipeCondition condition);

// The section of a calculate: its length and whether local losses count.
struct SteelSectionInput {
    double length = 0;  // m
    bool withLocalLosses = false;
    // 1000i that the last successful find stored; the section uses it when this find fails.
    double storedThousandI = 0;
};

// Everything a steel find, and a calculate with its section, depends on.
struct SteelInput {
    PipeCondition condition = PipeCondition::NonNew;
    SystemKind system = SystemKind::ColdWater;
    int systemTypePosition = 0;  // position in systemTypes(system); the warning and k depend on it
    double temperature = 0;      // °C of hot water; 0 when none is chosen
    double viscosityE6 = coldWaterViscosityE6;  // ν·10^6 of the water

    bool typedDiameter = false;  // the diameter is typed, not chosen from the catalog
    double outerDiameter = 0;    // dн of the chosen pipe, mm; 0 when none
    double wall = 0;             // s of the chosen pipe, mm; 0 when none
    double diameterMm = 0;       // calculation diameter: calculationDiameter() or as typed

    TypedFlow flow;
    std::optional<SteelSectionInput> section;  // none for a find alone
};

struct SteelSection {
    std::optional<Check> failed;  // LengthZero or NotComputable
    QString shareText;            // "k=0,3"; "k=" alone when the system type has no k
    QString text;                 // "H = i·L·(1+k)= 0,26 м"
    QString tooltip;              // "потери давления  2549,73 Па"
};

struct SteelResult {
    std::optional<Check> failed;  // the check that stopped the find
    // On a successful find: flow, diameterMm, viscosity, lambda, velocity, slope, thousandI and
    // slopePressure; the flow alone once its tooltip is shown. A section adds localShare (when the
    // system type has one) and, when it passes its checks, headLoss and headLossPressure.
    Figures figures;
    QString velocityWarning;
    std::optional<SteelSection> section;  // set when the input has one
};

SteelResult calculate(const SteelInput& input);

// "k=0,3" for the k of a system type; "k=" alone for none.
QString shareText(std::optional<double> k);

}  // namespace calc::steel
