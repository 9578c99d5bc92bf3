#include "calc/common/flowarithmetic.h"

#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"

#include <cmath>

namespace calc {

double pi() { return 4.0 * std::atan(1.0); }

double flowCubicMetresPerSecond(double typedFlow, FlowUnit unit)
{
    return unit == FlowUnit::LitresPerSecond ? typedFlow * std::pow(10.0, -3) : typedFlow / 3600.0;
}

double meanVelocity(double flow, double diameterMetres) { return 4.0 * flow / (pi() * diameterMetres * diameterMetres); }

QString flowTooltip(double flow)
{
    return QStringLiteral("Расход ") + numberText(roundHalfEven(1000.0 * flow, 8)) + QStringLiteral("л/сек= ")
           + numberText(roundHalfEven(3600.0 * flow, 8)) + QStringLiteral("м куб/ч");
}

bool flowIsShowable(double flow) { return allFinite({flow, 1000.0 * flow, 3600.0 * flow}); }

QString slopePressureTooltip(double thousandI)
{
    return QStringLiteral("потери давления на 1м   ") + numberText(roundHalfEven(thousandI * gravity, 2))
           + QStringLiteral(" Па/м");
}

QString velocityText(double velocity) { return numberText(roundHalfEven(velocity, 3)); }

QString thousandIText(double thousandI) { return numberText(roundHalfEven(thousandI, 3)); }

SectionHeadLoss simpleSectionHeadLoss(double length, double thousandI)
{
    SectionHeadLoss loss;
    loss.headLoss = length * thousandI / 1000.0;
    loss.pressure = length * gravity * thousandI;
    loss.text = QStringLiteral("h = i · L = ") + numberText(roundHalfEven(loss.headLoss, 3)) + QStringLiteral(" м");
    loss.tooltip = headLossPressureTooltip(loss.pressure);
    return loss;
}

QString headLossPressureTooltip(double pressure)
{
    return QStringLiteral("потери давления  ") + numberText(roundHalfEven(pressure, 2)) + QStringLiteral(" Па");
}

bool allFinite(std::initializer_list<double> values)
{
    for (double value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

}  // namespace calc
