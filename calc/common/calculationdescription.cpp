#include "calc/common/calculationdescription.h"

#include "calc/common/flowarithmetic.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/fixtures/fixtureflow.h"

#include <cmath>

namespace calc::description {

QString shown(double value, int decimals) { return numberText(roundHalfEven(value, decimals)); }

QString approx(double value)
{
    if (value == 0 || !std::isfinite(value))
        return numberText(value);
    const int decimals = 3 - int(std::floor(std::log10(std::abs(value))));
    return numberText(roundHalfEven(value, decimals));
}

QString timesMillionth(double valueE6) { return approx(valueE6) + QStringLiteral("·10⁻⁶"); }

QString pipeLine(const CalculationRequest& request, const QString& catalogSize)
{
    return QStringLiteral("Труба: ")
           + (request.size.isEmpty() ? QStringLiteral("диаметр задан вручную") : catalogSize);
}

QString viscosityLine(double viscosity)
{
    return QStringLiteral("ν = ") + timesMillionth(viscosity * 1e6) + QStringLiteral(" м²/с");
}

QString flowLine(const CalculationRequest& request, double flow)
{
    const QString litres = shown(1000 * flow, 8) + QStringLiteral(" л/сек");
    const QString cubic = shown(3600 * flow, 8) + QStringLiteral(" м куб/ч");
    const bool typedInLitres = request.conditions.flow.unit == FlowUnit::LitresPerSecond;
    return QStringLiteral("Q = %1 = %2 = %3 м³/с")
        .arg(typedInLitres ? litres : cubic, typedInLitres ? cubic : litres, approx(flow));
}

QString velocityLine(double flow, double diameterMm, double velocity)
{
    return QStringLiteral("v = 4·Q/(π·d²) = 4·%1/(π·%2²) = %3 м/с")
        .arg(approx(flow), numberText(diameterMm / 1000), shown(velocity, 3));
}

QStringList thousandILines(const Figures& figures)
{
    if (!figures.slope || !figures.thousandI || !figures.slopePressure)
        return {};
    return {QStringLiteral("1000i = 1000·%1 = %2").arg(approx(*figures.slope), shown(*figures.thousandI, 3)),
            QStringLiteral("потери давления на 1 м: 1000·g·i = 1000·9,80665·%1 = %2 Па/м")
                .arg(approx(*figures.slope), shown(*figures.slopePressure, 2))};
}

QStringList simpleSectionLines(const CalculationRequest& request, const Figures& figures)
{
    if (!request.length || !figures.headLoss || !figures.headLossPressure || !figures.thousandI)
        return {};
    const QString length = numberText(*request.length);
    return {QStringLiteral("Длина участка L = %1 м").arg(length),
            QStringLiteral("h = i · L = %1·%2 = %3 м").arg(approx(*figures.thousandI / 1000), length,
                                                            shown(*figures.headLoss, 3)),
            QStringLiteral("потери давления 1000·g·h = %1 Па").arg(shown(*figures.headLossPressure, 2))};
}

QStringList shownAdvice(const CalculationOutcome& outcome)
{
    QStringList lines;
    for (const QString& text : {outcome.velocityWarning, outcome.advice})
        if (!text.isEmpty())
            lines << text;
    return lines;
}

QStringList classicRecord(const CalculationRequest& request, const CalculationOutcome& outcome, const QStringList& pipe,
                          const std::function<QStringList(double v, double d, double i)>& slopeLines)
{
    const Figures& figures = outcome.figures;
    QStringList lines = pipe;
    if (figures.flow)
        lines << flowLine(request, *figures.flow);
    if (figures.flow && figures.diameterMm && figures.velocity && figures.slope)
        lines << velocityLine(*figures.flow, *figures.diameterMm, *figures.velocity)
              << slopeLines(*figures.velocity, *figures.diameterMm / 1000, *figures.slope) << thousandILines(figures);
    lines << simpleSectionLines(request, figures) << shownAdvice(outcome);
    return lines;
}

QStringList recordLines(const TableRecord& record, const CalculationRequest& request,
                        const CalculationOutcome& outcome)
{
    QStringList lines{QStringLiteral("Таблица II-%1: %2").arg(record.number).arg(record.title.simplified())};
    if (!record.documents.isEmpty())
        lines << QStringLiteral("Нормативный документ: ") + record.documents.front().designation;
    if (request.fixtures)
        lines << fixtures::recordLines(*request.fixtures);
    if (record.describe)
        lines << record.describe(request, outcome);
    return lines;
}

}  // namespace calc::description
