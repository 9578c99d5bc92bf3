#include "calc/steel/steeldescription.h"

#include "calc/common/calculationdescription.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"
#include "calc/common/flowarithmetic.h"
#include "calc/steel/steelhydraulics.h"

#include <cmath>

namespace calc::steel {

using namespace description;

namespace {

enum Position { State, System, Temperature, SystemType };

QStringList pipeLines(const CalculationRequest& request, bool nonNew)
{
    const QStringList parts = request.size.split(QStringLiteral(" × "));
    if (request.size.isEmpty() || parts.size() != 2)
        return {pipeLine(request, {}),
                QStringLiteral("dp = %1 мм").arg(exactText(request.diameterMm))};
    const QString outer = exactText(parseValue(parts.at(0)));
    const QString wall = exactText(parseValue(parts.at(1)));
    const QString dp = exactText(request.diameterMm);
    return {pipeLine(request, QStringLiteral("dн = %1 мм, s = %2 мм").arg(outer, wall)),
            nonNew ? QStringLiteral("dp = dн − 2·s − 1 = %1 − 2·%2 − 1 = %3 мм").arg(outer, wall, dp)
                   : QStringLiteral("dp = dн − 2·s = %1 − 2·%2 = %3 мм").arg(outer, wall, dp)};
}

QStringList waterLines(const CalculationRequest& request, const Figures& figures)
{
    const ConditionChoices& chosen = request.conditions.chosen;
    QStringList lines;
    if (choiceAt(chosen, State) == 1)
        lines << QStringLiteral("Трубы новые");
    else if (request.size.isEmpty())
        lines << QStringLiteral("Трубы неновые (dp задан вручную и принят без вычета 1 мм)");
    else
        lines << QStringLiteral("Трубы неновые");
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

void addFrictionLines(RecordLines& record, FormulaBranch branch, const Term& d, double v, double nu)
{
    const Term viscosity = viscosityTerm(nu);
    const Term velocity = figure(QStringLiteral("v"));
    if (branch == FormulaBranch::SteelQuadratic || branch == FormulaBranch::SteelTransitional) {
        record.setFigure(QStringLiteral("v/ν"), v / nu);
        record.formula(branch == FormulaBranch::SteelQuadratic
                           ? QStringLiteral("v/ν = %1/(%2) = %3 м⁻¹ ≥ 9,2·10⁵ м⁻¹: квадратичная область")
                           : QStringLiteral("v/ν = %1/(%2) = %3 м⁻¹ < 9,2·10⁵ м⁻¹: переходная область"),
                       {velocity, viscosity}, [](const std::vector<double>& x) { return x[0] / x[1]; },
                       QStringLiteral("v/ν"));
    }
    if (branch == FormulaBranch::SteelQuadratic)
        record.formula(QStringLiteral("λ = 0,021/dp^0,3 = 0,021/%1^0,3 = %2"), {d},
                       [](const std::vector<double>& x) { return 0.021 / std::pow(x[0], 0.3); }, QStringLiteral("λ"));
    else if (branch == FormulaBranch::SteelTransitional)
        record.formula(QStringLiteral("λ = 1/dp^0,3 · (1,5·10⁻⁶ + ν/v)^0,3 = 1/%1^0,3 · (1,5·10⁻⁶ + %2/%3)^0,3 = %4"),
                       {d, viscosity, velocity},
                       [](const std::vector<double>& x) {
                           return 1 / std::pow(x[0], 0.3) * std::pow(1.5e-6 + x[1] / x[2], 0.3);
                       },
                       QStringLiteral("λ"));
    else
        record.formula(QStringLiteral("λ = 0,312/dp^0,226 · (1,9·10⁻⁶ + ν/v)^0,226 = "
                                      "0,312/%1^0,226 · (1,9·10⁻⁶ + %2/%3)^0,226 = %4"),
                       {d, viscosity, velocity},
                       [](const std::vector<double>& x) {
                           return 0.312 / std::pow(x[0], 0.226) * std::pow(1.9e-6 + x[1] / x[2], 0.226);
                       },
                       QStringLiteral("λ"));
}

void addSectionLines(RecordLines& record, const CalculationRequest& request, const Figures& figures)
{
    if (!request.length || !figures.headLoss || !figures.headLossPressure || !figures.thousandI)
        return;
    const double length = *request.length;
    record.setFigure(QStringLiteral("H"), *figures.headLoss);
    record.setFigure(QStringLiteral("1000·g·H"), *figures.headLossPressure);
    record.text(QStringLiteral("Длина участка L = %1 м").arg(exactText(length)));
    if (request.localLosses.counted) {
        const SystemKind kind = choiceAt(request.conditions.chosen, System) == 1 ? SystemKind::HotWater : SystemKind::ColdWater;
        const QStringList types = systemTypes(kind);
        const int position = choiceAt(request.conditions.chosen, SystemType);
        const double k = figures.localShare.value_or(0);
        // The cold-water shares stand in the current code as in the older one; the hot-water ones
        // are cited from the code they were taken from.
        record.text(QStringLiteral("Местные сопротивления, %1: k = %2 (%3)")
                        .arg(position >= 0 && position < types.size() ? types.at(position) : QString(), exactText(k),
                             kind == SystemKind::ColdWater ? QStringLiteral("СП 30.13330.2020, 8.28")
                                                           : QStringLiteral("СНиП 2.04.01-85*")));
        record.formula(QStringLiteral("H = i·L·(1+k) = %1·%2·(1+%3) = %4 м"),
                       {figure(QStringLiteral("i")), exact(length), exact(k)},
                       [](const std::vector<double>& x) { return x[0] * x[1] * (1 + x[2]); }, QStringLiteral("H"));
    } else {
        record.formula(QStringLiteral("H = i·L = %1·%2 = %3 м"), {figure(QStringLiteral("i")), exact(length)},
                       [](const std::vector<double>& x) { return x[0] * x[1]; }, QStringLiteral("H"));
    }
    record.formula(QStringLiteral("потери давления 1000·g·H = 1000·9,80665·%1 = %2 Па"), {figure(QStringLiteral("H"))},
                   [](const std::vector<double>& x) { return 1000 * gravity * x[0]; }, QStringLiteral("1000·g·H"));
}

}  // namespace

QStringList describeCalculation(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    const bool nonNew = choiceAt(request.conditions.chosen, State) != 1;
    RecordLines record;
    record.text(pipeLines(request, nonNew));
    record.text(waterLines(request, figures));
    if (figures.flow)
        addFlowLine(record, request, *figures.flow);
    if (figures.flow && figures.diameterMm && figures.velocity && figures.viscosity && figures.lambda && figures.slope) {
        const Term d = metres(*figures.diameterMm);
        addVelocityLine(record, *figures.diameterMm, *figures.velocity);
        record.setFigure(QStringLiteral("λ"), *figures.lambda);
        record.setFigure(QStringLiteral("i"), *figures.slope);
        addFrictionLines(record, outcome.branch, d, *figures.velocity, *figures.viscosity);
        record.formula(QStringLiteral("i = λ · 1/dp · v²/2g = %1 · 1/%2 · %3²/19,62 = %4"),
                       {figure(QStringLiteral("λ")), d, figure(QStringLiteral("v"))},
                       [](const std::vector<double>& x) { return x[0] / x[1] * x[2] * x[2] / 19.62; },
                       QStringLiteral("i"));
        addThousandILines(record, figures);
    }
    addSectionLines(record, request, figures);
    addAdvice(record, outcome);
    return record.written();
}

}  // namespace calc::steel
