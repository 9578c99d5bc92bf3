#include "calc/simple/simplecalculation.h"

#include <cmath>

namespace calc::simple {
namespace {

Result stopped(Result result, Check check)
{
    result.failed = check;
    return result;
}

void addSection(Result& result, double length, double thousandI)
{
    const SectionHeadLoss loss = simpleSectionHeadLoss(length, thousandI);
    if (!allFinite({loss.headLoss, loss.pressure})) {
        result.failed = Check::NotComputable;
        return;
    }
    result.figures.headLoss = loss.headLoss;
    result.figures.headLossPressure = loss.pressure;
    result.headLossText = loss.text;
    result.headLossTooltip = loss.tooltip;
}

}  // namespace

Result calculate(const Input& input)
{
    Result result;
    Figures& figures = result.figures;
    if (input.flow.value <= 0)
        return stopped(result, Check::FlowZero);
    figures.diameterMm = input.diameterMm;
    if (input.diameterMm <= 0)
        return stopped(result, Check::DiameterZero);

    const double d = input.diameterMm * std::pow(10.0, -3);
    const double q = flowCubicMetresPerSecond(input.flow.value, input.flow.unit);
    if (!std::isfinite(d) || !flowIsShowable(q))
        return stopped(result, Check::NotComputable);
    figures.flow = q;
    const double v = meanVelocity(q, d);
    const double i = input.material.slope(v, d);
    const double thousandI = 1000.0 * i;
    if (!allFinite({v, thousandI, thousandI * gravity}))
        return stopped(result, Check::NotComputable);
    figures.velocity = v;
    figures.slope = i;
    figures.thousandI = thousandI;
    figures.slopePressure = thousandI * gravity;
    if (input.material.lambda)
        figures.lambda = input.material.lambda(v, d);
    if (input.material.advice)
        result.advice = input.material.advice(q, v, input.comparedSize);
    if (input.length)
        addSection(result, *input.length, thousandI);
    return result;
}

Result sectionHeadLoss(double length, double thousandI)
{
    Result result;
    addSection(result, length, thousandI);
    return result;
}

}  // namespace calc::simple
