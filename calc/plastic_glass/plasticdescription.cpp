#include "calc/plastic_glass/plasticdescription.h"

#include "calc/common/calculationdescription.h"
#include "calc/common/numbertext.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"
#include "calc/plastic_glass/glasscatalogs.h"
#include "calc/plastic_glass/polyethylenecatalog.h"

#include <cmath>
#include <iterator>

namespace calc::plastic_glass {

using namespace description;

namespace {

// i = coefficient · v^1,774/dp^1,226, the formula of the smooth pipes.
void addSmoothSlopeLine(RecordLines& record, double coefficient, const Term& d)
{
    const QString written = exactText(coefficient);
    record.formula(QStringLiteral("i = ") + written + QStringLiteral(" · v^1,774/dp^1,226 = ") + written
                       + QStringLiteral(" · %1^1,774/%2^1,226 = %3"),
                   {figure(QStringLiteral("v")), d},
                   [coefficient](const std::vector<double>& x) {
                       return coefficient * std::pow(x[0], 1.774) / std::pow(x[1], 1.226);
                   },
                   QStringLiteral("i"));
}

QString dpLine(const CalculationRequest& request)
{
    return QStringLiteral("dp = %1 мм").arg(exactText(request.diameterMm));
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
                                      .arg(outer, pe::caption(pe::allSeries[seriesPosition]).simplified(), exactText(wall)))
             << QStringLiteral("dp = dн − 2·e = %1 − 2·%2 = %3 мм").arg(outer, exactText(wall), exactText(request.diameterMm));
    } else {
        pipe << pipeLine(request, QStringLiteral("dн = %1 мм").arg(request.size)) << dpLine(request);
    }
    return classicRecord(request, outcome, pipe,
                         [](RecordLines& record, const Term& d) { addSmoothSlopeLine(record, 0.000685, d); });
}

QStringList describeGlassFibre(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const QStringList pipe{pipeLine(request, QStringLiteral("внутренний диаметр %1 мм").arg(request.size)), dpLine(request)};
    const double lambda = outcome.figures.lambda.value_or(0);
    return classicRecord(request, outcome, pipe, [lambda](RecordLines& record, const Term& d) {
        const Term v = figure(QStringLiteral("v"));
        record.setFigure(QStringLiteral("λ"), lambda);
        record.formula(QStringLiteral("λ = 0,0146 · (v · dp)^−0,226 = 0,0146 · (%1 · %2)^−0,226 = %3"), {v, d},
                       [](const std::vector<double>& x) { return 0.0146 * std::pow(x[0] * x[1], -0.226); },
                       QStringLiteral("λ"));
        record.formula(QStringLiteral("i = λ · v²/(2g · dp) = %1 · %2²/(19,62 · %3) = %4"), {figure(QStringLiteral("λ")), v, d},
                       [](const std::vector<double>& x) { return x[0] * x[1] * x[1] / (19.62 * x[2]); },
                       QStringLiteral("i"));
    });
}

QStringList describeGlass(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const QStringList pipe{pipeLine(request, QStringLiteral("dн = %1 мм").arg(request.size)),
                           (request.size.isEmpty() ? QStringLiteral("dp = %1 мм") : QStringLiteral("dp = dв = %1 мм"))
                               .arg(exactText(request.diameterMm))};
    return classicRecord(request, outcome, pipe,
                         [](RecordLines& record, const Term& d) { addSmoothSlopeLine(record, 0.000745, d); });
}

}  // namespace calc::plastic_glass
