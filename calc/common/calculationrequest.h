#pragma once

#include "calc/common/calculation.h"

#include <QList>
#include <QString>
#include <optional>

namespace calc {

// The choice made for each condition of a table, by the position of the choice in its list, in
// the order of the table's conditions; -1 (or a missing entry) where nothing is chosen.
using ConditionChoices = QList<int>;

// The conditions of a calculator and a flow, for which every size of its catalog is measured.
struct SizeQuery {
    ConditionChoices chosen;
    TypedFlow flow;
    // ν·10^6, mm²/s, and ρ, kg/m³, typed for a heat carrier other than water; 0 where none.
    double carrierViscosityE6 = 0;
    double carrierDensity = 0;
};


// The local losses of a section as the user set them.
struct LocalLosses {
    bool counted = false;           // steel: the local losses are counted (k)
    QList<double> fittingCounts;    // building: the count of each fitting row in order, 0 unticked
    std::optional<double> otherResistance;  // building: ξ of the free row, when ticked
};

// One calculation as a calculator ran it: all that the user set, enough to run it again.
struct CalculationRequest {
    int table = 0;             // 1 for II-1
    SizeQuery conditions{};    // the record's condition choices, the flow and unit, ν and ρ typed
    QString size{};            // the catalog size as the lists name it; empty for a typed diameter
    double diameterMm = 0;     // the calculation diameter the calculation took
    std::optional<double> length{};  // section length, m; none for a find alone
    LocalLosses localLosses{};
};

// What the calculation gave, as the calculator shows it.
struct CalculationResults {
    Figures figures;           // every figure of the calculation
    QString velocityWarning;   // the warning below the results, as shown; empty when none
    QString advice;            // the advice label as shown (economic or velocity advice)
    QString headLossText;      // the section's result line as shown: "H = i·L·(1+k)= 0,26 м"
};

// A calculation run again: the check that stopped it, or its results.
struct Recalculation {
    std::optional<Check> failed;
    CalculationResults results;
};

}  // namespace calc
