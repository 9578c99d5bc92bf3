#include "calc/plastic_glass/plasticdescription.h"

#include "calc/common/calculationdescription.h"
#include "calc/common/numbertext.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"
#include "calc/plastic_glass/glasscatalogs.h"
#include "calc/plastic_glass/polyethylenecatalog.h"

#include <iterator>

namespace calc::plastic_glass {

using namespace description;

namespace {

// i = coefficient · v^1,774/dp^1,226, the formula of the smooth pipes.
QString smoothSlopeLine(const QString& coefficient, double v, double d, double i)
{
    return QStringLiteral("i = %1 · v^1,774/dp^1,226 = %1 · %2^1,774/%3^1,226 = %4")
        .arg(coefficient, approx(v), numberText(d), approx(i));
}

QString dpLine(const CalculationRequest& request)
{
    return QStringLiteral("dp = %1 мм").arg(numberText(request.diameterMm));
}

}  // namespace

QStringList describePolyethylene(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    namespace pe = polyethylene;
    const int material = choiceAt(request.conditions.chosen, 0);
    const int seriesPosition = choiceAt(request.conditions.chosen, 1);
    QStringList pipe;
    if (material >= 0 && material < int(std::size(pe::materials)))
        pipe << QStringLiteral("Материал: ") + pe::caption(pe::materials[material]);
    const bool hasSeries = seriesPosition >= 0 && seriesPosition < int(std::size(pe::allSeries));
    const double wall = hasSeries && !request.size.isEmpty()
                            ? pe::wall(pe::allSeries[seriesPosition], parseValue(request.size)) : 0;
    if (wall > 0) {
        const QString outer = numberText(parseValue(request.size));
        pipe << pipeLine(request, QStringLiteral("dн = %1 мм, %2, e = %3 мм")
                                      .arg(outer, pe::caption(pe::allSeries[seriesPosition]), numberText(wall)))
             << QStringLiteral("dp = dн − 2·e = %1 − 2·%2 = %3 мм").arg(outer, numberText(wall), numberText(request.diameterMm));
    } else {
        pipe << pipeLine(request, QStringLiteral("dн = %1 мм").arg(request.size)) << dpLine(request);
    }
    return classicRecord(request, outcome, pipe, [](double v, double d, double i) -> QStringList {
        return {smoothSlopeLine(QStringLiteral("0,000685"), v, d, i)};
    });
}

QStringList describeGlassFibre(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const QStringList pipe{pipeLine(request, QStringLiteral("внутренний диаметр %1 мм").arg(request.size)), dpLine(request)};
    const double lambda = outcome.figures.lambda.value_or(0);
    return classicRecord(request, outcome, pipe, [lambda](double v, double d, double i) -> QStringList {
        return {QStringLiteral("λ = 0,0146 · (v · dp)^−0,226 = 0,0146 · (%1 · %2)^−0,226 = %3")
                    .arg(approx(v), numberText(d), approx(lambda)),
                QStringLiteral("i = λ · v²/(2g · dp) = %1 · %2²/(19,62 · %3) = %4")
                    .arg(approx(lambda), approx(v), numberText(d), approx(i))};
    });
}

QStringList describeGlass(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const QStringList pipe{pipeLine(request, QStringLiteral("dн = %1 мм").arg(request.size)),
                           (request.size.isEmpty() ? QStringLiteral("dp = %1 мм") : QStringLiteral("dp = dв = %1 мм"))
                               .arg(numberText(request.diameterMm))};
    return classicRecord(request, outcome, pipe, [](double v, double d, double i) -> QStringList {
        return {smoothSlopeLine(QStringLiteral("0,000745"), v, d, i)};
    });
}

}  // namespace calc::plastic_glass
