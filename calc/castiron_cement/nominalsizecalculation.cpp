#include "calc/castiron_cement/nominalsizecalculation.h"

#include "calc/simple/simplecalculation.h"

#include <cmath>

namespace calc::nominalsize {

Result calculate(const Input& input, const std::optional<CatalogPipe>& pipe, const Formulas& formulas)
{
    Result result;
    if (input.flow.value <= 0) {
        result.failed = Check::FlowZero;
        return result;
    }
    result.sizeCaption = input.typedDiameter ? QStringLiteral("dp=") : QStringLiteral("d=");
    if (input.size <= 0) {
        result.failed = Check::DiameterZero;
        return result;
    }

    const double dpMm = pipe ? pipe->diameterMm : input.size;
    const double dp = dpMm * std::pow(10.0, -3);
    const double flow = flowCubicMetresPerSecond(input.flow.value, input.flow.unit);
    const double v = meanVelocity(flow, dp);
    const SlopeFigures slope = formulas.slope(v, dp);
    const double thousandI = 1000.0 * slope.slope;
    if (!flowIsShowable(flow) || !allFinite({input.size, v, thousandI, thousandI * gravity})) {
        result.failed = Check::NotComputable;
        return result;
    }

    result.size = input.size;
    if (pipe)
        result.diameterTooltip = pipe->tooltip;
    Figures& figures = result.figures;
    figures.flow = flow;
    figures.diameterMm = dpMm;
    figures.velocity = v;
    figures.lambda = slope.lambda;
    figures.slope = slope.slope;
    figures.thousandI = thousandI;
    figures.slopePressure = thousandI * gravity;
    result.advice = formulas.advice(flow);

    if (input.sectionLength) {
        const simple::Result found = simple::sectionHeadLoss(*input.sectionLength, thousandI);
        result.failed = found.failed;
        figures.headLoss = found.figures.headLoss;
        figures.headLossPressure = found.figures.headLossPressure;
    }
    return result;
}

}  // namespace calc::nominalsize
