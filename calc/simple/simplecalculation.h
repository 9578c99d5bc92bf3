#pragma once

#include "calc/common/calculation.h"
#include "calc/common/calculationrequest.h"
#include "calc/common/economicadvice.h"

#include <QString>
#include <optional>

// The calculation of the tables whose find takes the diameter as it stands (II-5 to II-8): a
// flow, a calculation diameter and the material's slope formula give v and 1000i; a section
// length gives the simple head loss h = L·1000i/1000.
namespace calc::simple {

// What sets one table's material apart. Each family names its own, so that this calculation
// depends on no family.
struct Material {
    double (*slope)(double velocity, double diameter) = nullptr;  // i; v in m/s, d in m
    // The economic advice of a find (flow in m³/s, velocity in m/s, the size compared with the
    // bands); none on the tables that give no advice.
    AdviceLabelWrites (*advice)(double flow, double velocity, double comparedSize) = nullptr;
    // The bands of the advice, on the tables that give it.
    EconomicTable (*bands)() = nullptr;
    // The warning of a fast flow (flow in m³/s, velocity in m/s), on the tables that give one.
    VelocityVerdict (*velocityVerdict)(double flow, double velocity) = nullptr;
    // λ of the slope, on the tables whose slope formula has one; v in m/s, d in m.
    double (*lambda)(double velocity, double diameter) = nullptr;
};

struct Input {
    Material material{};
    TypedFlow flow{};
    double diameterMm = 0;           // the calculation diameter, typed or taken from the catalog
    double comparedSize = 0;         // what the advice compares with its bands
    std::optional<double> length{};  // section length, m; none asks for no section
};

struct Result {
    std::optional<Check> failed;
    // On every check after the flow's, diameterMm; from the diameter on, the flow (its tooltip);
    // on success v, i, 1000i, Па/м, λ where the material has one and, with a length, H and its
    // pressure.
    Figures figures;
    std::optional<AdviceLabelWrites> advice;  // on success, on the tables that advise
    QString headLossText;                     // "h = i · L = 0,05 м"
    QString headLossTooltip;                  // "потери давления  490,33 Па"
};

// Checks, in this order: the flow, the diameter, a flow and diameter that can be computed, a
// velocity and 1000i that can be shown; then the section when a length is given.
Result calculate(const Input& input);

// The section head loss from a 1000i: the one of a calculation, or on a screen the one its last
// successful find stored. Only H, its pressure and the texts are set.
Result sectionHeadLoss(double length, double thousandI);

}  // namespace calc::simple
