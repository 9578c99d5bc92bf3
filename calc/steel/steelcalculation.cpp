#include "calc/steel/steelcalculation.h"

#include "calc/common/flowarithmetic.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"

#include <cmath>

namespace calc::steel {

double calculationDiameter(double outerDiameter, double wall, PipeCondition condition)
{
    return condition == PipeCondition::NonNew ? outerDiameter - 2 * wall - 1 : outerDiameter - 2 * wall;
}

namespace {

void find(const SteelInput& input, SteelResult& result)
{
    if (input.flow.value <= 0) {
        result.failed = Check::FlowZero;
        return;
    }
    if (!input.typedDiameter && input.outerDiameter <= 0) {
        result.failed = Check::NoSizeChosen;
        return;
    }
    if (!input.typedDiameter && input.wall <= 0) {
        result.failed = Check::NoWallChosen;
        return;
    }
    if (input.diameterMm <= 0) {
        result.failed = Check::DiameterZero;
        return;
    }
    const double d = input.diameterMm * std::pow(10.0, -3);
    const double q = flowCubicMetresPerSecond(input.flow.value, input.flow.unit);
    if (!flowIsShowable(q)) {
        result.failed = Check::NotComputable;
        return;
    }
    result.figures.flow = q;
    const double v = meanVelocity(q, d);

    if (input.system == SystemKind::HotWater && input.temperature <= 0) {
        result.failed = Check::TemperatureMissing;
        return;
    }
    const double nu = std::pow(10.0, -6) * input.viscosityE6;
    const double lambda = input.condition == PipeCondition::NonNew ? nonNewFrictionFactor(d, v, nu)
                                                                   : newFrictionFactor(d, v, nu);
    const double i = slope(v, d, nu, input.condition);
    const double thousandI = 1000.0 * i;
    if (!allFinite({v, thousandI, thousandI * gravity, d * 1000.0})) {
        result.failed = Check::NotComputable;
        return;
    }
    Figures& figures = result.figures;
    figures.diameterMm = d * 1000.0;
    figures.viscosity = nu;
    figures.lambda = lambda;
    figures.velocity = v;
    figures.slope = i;
    figures.thousandI = thousandI;
    figures.slopePressure = thousandI * gravity;
    result.velocityWarning = velocityWarning(v, input.systemTypePosition);
}

SteelSection section(const SteelInput& input, Figures& figures, bool found)
{
    SteelSection section;
    double k = 0.0;
    const bool hasK = localLossShare(input.system, input.systemTypePosition, k);
    if (hasK)
        figures.localShare = k;
    section.shareText = shareText(figures.localShare);

    const SteelSectionInput& asked = *input.section;
    if (asked.length <= 0) {
        section.failed = Check::LengthZero;
        return section;
    }
    // The section reads 1000i back from the text that the find stores it as.
    const double thousandI = found ? parseValue(storedNumberText(*figures.thousandI)) : asked.storedThousandI;
    const SteelSectionHeadLoss loss = sectionHeadLoss(asked.length, thousandI, k, asked.withLocalLosses);
    if (!allFinite({loss.headLoss, loss.pressure})) {
        section.failed = Check::NotComputable;
        return section;
    }
    figures.headLoss = loss.headLoss;
    figures.headLossPressure = loss.pressure;
    section.text = loss.text;
    section.tooltip = loss.tooltip;
    return section;
}

}  // namespace

QString shareText(std::optional<double> k) { return QStringLiteral("k=") + (k ? numberText(*k) : QString()); }

SteelResult calculate(const SteelInput& input)
{
    SteelResult result;
    find(input, result);
    // A failed find does not stop the section: it goes on with the 1000i stored before.
    if (input.section)
        result.section = section(input, result.figures, !result.failed);
    return result;
}

}  // namespace calc::steel
