#pragma once

#include "calc/common/calculation.h"
#include "calc/common/economicadvice.h"

#include <QString>
#include <functional>
#include <optional>

// The calculation that the cast-iron and asbestos-cement tables share: the size value is a
// nominal size whose catalog row gives the calculation diameter, or a typed calculation diameter.
namespace calc::nominalsize {

struct Input {
    double size = 0;             // mm: the chosen nominal size, or the typed calculation diameter
    bool typedDiameter = false;  // a typed diameter takes no catalog row
    TypedFlow flow;
    std::optional<double> sectionLength;  // m; none: the section is not calculated
};

// The catalog row of a nominal size, as the table's conditions give it.
struct CatalogPipe {
    double diameterMm;  // calculation diameter
    QString tooltip;    // of the diameter input
};

struct Result {
    std::optional<Check> failed;
    Figures figures;
    // "d=" before a nominal size, "dp=" before a typed diameter; set once the flow is accepted.
    std::optional<QString> sizeCaption;
    std::optional<double> size;              // the size value, mm
    std::optional<QString> diameterTooltip;  // set when a catalog row gave the calculation diameter
    AdviceLabelWrites advice;
};

struct SlopeFigures {
    double slope;  // i
    std::optional<double> lambda;
};

// The table's formulas: i from dp (m) and v (m/s); the advice for a flow in m³/s.
struct Formulas {
    std::function<SlopeFigures(double v, double dp)> slope;
    std::function<AdviceLabelWrites(double flow)> advice;
};

// Checks the flow, then the size; a size without a catalog row is its own calculation diameter.
Result calculate(const Input& input, const std::optional<CatalogPipe>& pipe, const Formulas& formulas);

}  // namespace calc::nominalsize
