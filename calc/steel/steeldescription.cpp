#include "calc/steel/steeldescription.h"

#include "calc/common/calculationdescription.h"
#include "calc/common/numbertext.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"
#include "calc/steel/steelhydraulics.h"

namespace calc::steel {

using namespace description;

namespace {

enum Position { State, System, Temperature, SystemType };

QStringList pipeLines(const CalculationRequest& request, bool nonNew)
{
    const QStringList parts = request.size.split(QStringLiteral(" × "));
    if (request.size.isEmpty() || parts.size() != 2)
        return {pipeLine(request, {}),
                QStringLiteral("dp = %1 мм").arg(numberText(request.diameterMm))};
    const QString outer = numberText(parseValue(parts.at(0)));
    const QString wall = numberText(parseValue(parts.at(1)));
    const QString dp = numberText(request.diameterMm);
    return {pipeLine(request, QStringLiteral("dн = %1 мм, s = %2 мм").arg(outer, wall)),
            nonNew ? QStringLiteral("dp = dн − 2·s − 1 = %1 − 2·%2 − 1 = %3 мм").arg(outer, wall, dp)
                   : QStringLiteral("dp = dн − 2·s = %1 − 2·%2 = %3 мм").arg(outer, wall, dp)};
}

QStringList waterLines(const CalculationRequest& request, const Figures& figures)
{
    const ConditionChoices& chosen = request.conditions.chosen;
    QStringList lines{choiceAt(chosen, State) == 1 ? QStringLiteral("Трубы новые") : QStringLiteral("Трубы неновые")};
    if (choiceAt(chosen, System) == 1) {
        const QStringList temperatures = hotWaterTemperatures();
        const int t = choiceAt(chosen, Temperature);
        lines << QStringLiteral("Система горячего водоснабжения, t = %1 °C")
                     .arg(t >= 0 && t < temperatures.size() ? temperatures.at(t) : QStringLiteral("?"));
    } else {
        lines << QStringLiteral("Система холодного водоснабжения");
    }
    if (figures.viscosity)
        lines << viscosityLine(*figures.viscosity);
    return lines;
}

QStringList frictionLines(FormulaBranch branch, double d, double v, double nu, double lambda)
{
    const QString dp = numberText(d);
    const QString ratio = QStringLiteral("%1/%2").arg(timesMillionth(nu * 1e6), approx(v));
    const QString vOverNu = QStringLiteral("v/ν = %1/(%2) = %3").arg(approx(v), timesMillionth(nu * 1e6), approx(v / nu));
    if (branch == FormulaBranch::SteelQuadratic)
        return {vOverNu + QStringLiteral(" ≥ 9,2·10⁵"),
                QStringLiteral("λ = 0,021/dp^0,3 = 0,021/%1^0,3 = %2").arg(dp, approx(lambda))};
    if (branch == FormulaBranch::SteelTransitional)
        return {vOverNu + QStringLiteral(" < 9,2·10⁵"),
                QStringLiteral("λ = 1/dp^0,3 · (1,5·10⁻⁶ + ν/v)^0,3 = 1/%1^0,3 · (1,5·10⁻⁶ + %2)^0,3 = %3")
                    .arg(dp, ratio, approx(lambda))};
    return {QStringLiteral("λ = 0,312/dp^0,226 · (1,9·10⁻⁶ + ν/v)^0,226 = 0,312/%1^0,226 · (1,9·10⁻⁶ + %2)^0,226 = %3")
                .arg(dp, ratio, approx(lambda))};
}

QStringList sectionLines(const CalculationRequest& request, const Figures& figures)
{
    if (!request.length || !figures.headLoss || !figures.headLossPressure || !figures.thousandI)
        return {};
    const QString length = numberText(*request.length);
    const QString i = approx(*figures.thousandI / 1000);
    QStringList lines{QStringLiteral("Длина участка L = %1 м").arg(length)};
    if (request.localLosses.counted) {
        const SystemKind kind = choiceAt(request.conditions.chosen, System) == 1 ? SystemKind::HotWater : SystemKind::ColdWater;
        const QStringList types = systemTypes(kind);
        const int position = choiceAt(request.conditions.chosen, SystemType);
        const QString k = numberText(figures.localShare.value_or(0));
        lines << QStringLiteral("Местные сопротивления: k = %1 (%2)")
                     .arg(k, position >= 0 && position < types.size() ? types.at(position) : QString())
              << QStringLiteral("H = i·L·(1+k) = %1·%2·(1+%3) = %4 м").arg(i, length, k, shown(*figures.headLoss, 3));
    } else {
        lines << QStringLiteral("H = i·L = %1·%2 = %3 м").arg(i, length, shown(*figures.headLoss, 3));
    }
    lines << QStringLiteral("потери давления 1000·g·H = %1 Па").arg(shown(*figures.headLossPressure, 2));
    return lines;
}

}  // namespace

QStringList describeCalculation(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    const bool nonNew = choiceAt(request.conditions.chosen, State) != 1;
    QStringList lines = pipeLines(request, nonNew);
    lines << waterLines(request, figures);
    if (figures.flow)
        lines << flowLine(request, *figures.flow);
    if (figures.flow && figures.diameterMm && figures.velocity && figures.viscosity && figures.lambda && figures.slope) {
        const double d = *figures.diameterMm / 1000;
        const double v = *figures.velocity;
        lines << velocityLine(*figures.flow, *figures.diameterMm, v)
              << frictionLines(outcome.branch, d, v, *figures.viscosity, *figures.lambda)
              << QStringLiteral("i = λ · 1/dp · v²/2g = %1 · 1/%2 · %3²/19,62 = %4")
                     .arg(approx(*figures.lambda), numberText(d), approx(v), approx(*figures.slope))
              << thousandILines(figures);
    }
    lines << sectionLines(request, figures) << shownAdvice(outcome);
    return lines;
}

}  // namespace calc::steel
