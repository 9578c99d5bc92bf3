#include "calc/common/calculationdescription.h"

#include "calc/common/flowarithmetic.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"

#include <QRegularExpression>
#include <cmath>

namespace calc::description {

QString shown(double value, int decimals) { return numberText(roundHalfEven(value, decimals)); }

QString timesMillionth(double valueE6) { return exactText(valueE6) + QStringLiteral("·10⁻⁶"); }

Term viscosityTerm(double viscosity) { return exact(viscosity, timesMillionth(viscosity * 1e6)); }

Term metres(double diameterMm) { return exact(diameterMm / 1000); }

QString handbookSource()
{
    return QStringLiteral("[1] Таблицы для гидравлического расчета водопроводных труб. Справочное пособие.");
}

QString documentName(const QString& designation)
{
    QString name = designation;
    if (name.startsWith(QStringLiteral("CП")))
        name.replace(0, 1, QStringLiteral("С"));
    static const QRegularExpression joined(QStringLiteral("^(СП|ГОСТ)(\\d)"));
    return name.replace(joined, QStringLiteral("\\1 \\2"));
}

QString pipeLine(const CalculationRequest& request, const QString& catalogSize)
{
    return QStringLiteral("Труба: ")
           + (request.size.isEmpty() ? QStringLiteral("диаметр задан вручную") : catalogSize);
}

QString viscosityLine(double viscosity)
{
    return QStringLiteral("ν = ") + timesMillionth(viscosity * 1e6) + QStringLiteral(" м²/с");
}

void addFlowLine(RecordLines& record, const CalculationRequest& request, double flow)
{
    // Eight decimals as typed or converted, never in the "5e-05" form.
    const QString litres = exactText(roundHalfEven(1000 * flow, 8)) + QStringLiteral(" л/сек");
    const QString cubic = exactText(roundHalfEven(3600 * flow, 8)) + QStringLiteral(" м куб/ч");
    const bool typedInLitres = request.conditions.flow.unit == FlowUnit::LitresPerSecond;
    record.setFigure(QStringLiteral("Q"), flow);
    record.line(QStringLiteral("Q = ") + (typedInLitres ? litres : cubic) + QStringLiteral(" = ")
                    + (typedInLitres ? cubic : litres) + QStringLiteral(" = %1 м³/с"),
                {figure(QStringLiteral("Q"))});
}

void addVelocityLine(RecordLines& record, double diameterMm, double velocity)
{
    record.setFigure(QStringLiteral("v"), velocity);
    record.text(QStringLiteral("dp = %1 мм = %2 м").arg(exactText(diameterMm), exactText(diameterMm / 1000)));
    record.formula(QStringLiteral("v = 4·Q/(π·d²) = 4·%1/(π·%2²) = %3 м/с"),
                   {figure(QStringLiteral("Q")), metres(diameterMm)},
                   [](const std::vector<double>& x) { return 4 * x[0] / (pi() * x[1] * x[1]); }, QStringLiteral("v"));
}

void addThousandILines(RecordLines& record, const Figures& figures)
{
    if (!figures.slope || !figures.thousandI || !figures.slopePressure)
        return;
    record.setFigure(QStringLiteral("1000i"), *figures.thousandI);
    record.setFigure(QStringLiteral("1000·g·i"), *figures.slopePressure);
    record.formula(QStringLiteral("1000i = 1000·%1 = %2 м/км"), {figure(QStringLiteral("i"))},
                   [](const std::vector<double>& x) { return 1000 * x[0]; }, QStringLiteral("1000i"));
    record.formula(QStringLiteral("потери давления на 1 м: 1000·g·i = 1000·9,80665·%1 = %2 Па/м"),
                   {figure(QStringLiteral("i"))}, [](const std::vector<double>& x) { return 1000 * gravity * x[0]; },
                   QStringLiteral("1000·g·i"));
}

void addSimpleSectionLines(RecordLines& record, const CalculationRequest& request, const Figures& figures)
{
    if (!request.length || !figures.headLoss || !figures.headLossPressure || !figures.thousandI)
        return;
    record.setFigure(QStringLiteral("h"), *figures.headLoss);
    record.setFigure(QStringLiteral("1000·g·h"), *figures.headLossPressure);
    record.text(QStringLiteral("Длина участка L = %1 м").arg(exactText(*request.length)));
    record.formula(QStringLiteral("h = i·L = %1·%2 = %3 м"), {figure(QStringLiteral("i")), exact(*request.length)},
                   [](const std::vector<double>& x) { return x[0] * x[1]; }, QStringLiteral("h"));
    record.formula(QStringLiteral("потери давления 1000·g·h = 1000·9,80665·%1 = %2 Па"), {figure(QStringLiteral("h"))},
                   [](const std::vector<double>& x) { return 1000 * gravity * x[0]; }, QStringLiteral("1000·g·h"));
}

void addAdvice(RecordLines& record, const CalculationOutcome& outcome)
{
    for (const QString& text : {outcome.velocityWarning, outcome.advice})
        if (!text.isEmpty())
            record.text(text);
    if (outcome.velocity && outcome.velocity->exceeded && record.hasFigure(QStringLiteral("v")))
        record.line(QStringLiteral("Скорость v = %1 м/с больше предельной скорости %2 м/с").arg(QStringLiteral("%1"),
                                                                                      exactText(outcome.velocity->limit)),
                    {figure(QStringLiteral("v"))});
}

QStringList classicRecord(const CalculationRequest& request, const CalculationOutcome& outcome, const QStringList& pipe,
                          const std::function<void(RecordLines& record, const Term& d)>& slopeLines)
{
    const Figures& figures = outcome.figures;
    RecordLines record;
    record.text(pipe);
    if (figures.flow)
        addFlowLine(record, request, *figures.flow);
    if (figures.flow && figures.diameterMm && figures.velocity && figures.slope) {
        addVelocityLine(record, *figures.diameterMm, *figures.velocity);
        record.setFigure(QStringLiteral("i"), *figures.slope);
        slopeLines(record, metres(*figures.diameterMm));
        addThousandILines(record, figures);
    }
    addSimpleSectionLines(record, request, figures);
    addAdvice(record, outcome);
    return record.written();
}

}  // namespace calc::description
