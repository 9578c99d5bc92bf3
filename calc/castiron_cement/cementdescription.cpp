#include "calc/castiron_cement/cementdescription.h"

#include "calc/castiron_cement/asbestoscement.h"
#include "calc/castiron_cement/castiron.h"
#include "calc/common/calculationdescription.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"

#include <cmath>

namespace calc {

using namespace description;

namespace {

Term velocity() { return figure(QStringLiteral("v")); }

// i = lead · v²/dp^1,190 · (1 + 3,51/v)^0,190, the formula of both cement pipes.
void addCementSlopeLine(RecordLines& record, const QString& lead, const QString& leadNumbers, double coefficient,
                        const Term& d)
{
    record.formula(QStringLiteral("i = ") + lead + QStringLiteral(" · v²/dp^1,190 · (1 + 3,51/v)^0,190 = ") + leadNumbers
                       + QStringLiteral(" · %1²/%2^1,190 · (1 + 3,51/%1)^0,190 = %3"),
                   {velocity(), d},
                   [coefficient](const std::vector<double>& x) {
                       return coefficient * x[0] * x[0] / std::pow(x[1], 1.19) * std::pow(1 + 3.51 / x[0], 0.19);
                   },
                   QStringLiteral("i"));
}

}  // namespace

QStringList describeCastIron(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    using namespace castiron;
    const bool isNew = choiceAt(request.conditions.chosen, 1) == 1;
    const QString pipeClass = choiceAt(request.conditions.chosen, 0) == 1 ? QStringLiteral("А") : QStringLiteral("ЛА");
    QStringList pipe;
    const Pipe* catalogPipe = request.size.isEmpty() ? nullptr : findPipe(parseValue(request.size));
    pipe << pipeLine(request, QStringLiteral("условный проход %1 мм, класс %2").arg(request.size, pipeClass));
    const QString dp = exactText(request.diameterMm);
    if (catalogPipe && !isNew && catalogPipe->size < 300)
        pipe << QStringLiteral("dp = dв − 1 = %1 − 1 = %2 мм")
                    .arg(exactText(parseValue(QString::fromLatin1(catalogPipe->inner).replace(u',', u'.'))), dp);
    else
        pipe << (catalogPipe ? QStringLiteral("dp = dв = %1 мм") : QStringLiteral("dp = %1 мм")).arg(dp);
    pipe << (isNew ? QStringLiteral("Трубы новые") : QStringLiteral("Трубы неновые"));
    const std::optional<double> lambda = outcome.figures.lambda;
    const FormulaBranch branch = outcome.branch;
    return classicRecord(request, outcome, pipe, [isNew, lambda, branch](RecordLines& record, const Term& d) {
        if (isNew && lambda) {
            record.setFigure(QStringLiteral("λ"), *lambda);
            record.formula(
                QStringLiteral("λ = 0,0144/dp^0,284 · (1 + 2,36/v)^0,284 = 0,0144/%1^0,284 · (1 + 2,36/%2)^0,284 = %3"),
                {d, velocity()},
                [](const std::vector<double>& x) {
                    return 0.0144 / std::pow(x[0], 0.284) * std::pow(1 + 2.36 / x[1], 0.284);
                },
                QStringLiteral("λ"));
            record.formula(QStringLiteral("i = λ · 1/dp · v²/2g = %1 · 1/%2 · %3²/19,62 = %4"),
                           {figure(QStringLiteral("λ")), d, velocity()},
                           [](const std::vector<double>& x) { return x[0] / x[1] * x[2] * x[2] / 19.62; },
                           QStringLiteral("i"));
        } else if (branch == FormulaBranch::CastIronFast) {
            record.formula(QStringLiteral("v ≥ 1,2 м/с: i = 0,00107 · v²/dp^1,3 = 0,00107 · %1²/%2^1,3 = %3"),
                           {velocity(), d},
                           [](const std::vector<double>& x) { return 0.00107 * x[0] * x[0] / std::pow(x[1], 1.3); },
                           QStringLiteral("i"));
        } else {
            record.formula(QStringLiteral("v < 1,2 м/с: i = 0,000912 · v²/dp^1,3 · (1 + 0,867/v)^0,3 = "
                                          "0,000912 · %1²/%2^1,3 · (1 + 0,867/%1)^0,3 = %3"),
                           {velocity(), d},
                           [](const std::vector<double>& x) {
                               return 0.000912 * x[0] * x[0] / std::pow(x[1], 1.3) * std::pow(1 + 0.867 / x[0], 0.3);
                           },
                           QStringLiteral("i"));
        }
    });
}

QStringList describeAsbestosCement(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    using namespace asbestoscement;
    const int type = choiceAt(request.conditions.chosen, 0) + 1;
    const int pressureClass = choiceAt(request.conditions.chosen, 1);
    QStringList pipe;
    const int inner = request.size.isEmpty() || pressureClass < 0
                          ? 0
                          : innerDiameter(parseValue(request.size), PressureClass(pressureClass), type);
    pipe << pipeLine(request, inner > 0 ? pipeTooltip(int(parseValue(request.size)), PressureClass(pressureClass), type)
                                       : QStringLiteral("условный проход %1 мм").arg(request.size))
         << (inner > 0 ? QStringLiteral("dp = dв = %1 мм") : QStringLiteral("dp = %1 мм")).arg(exactText(request.diameterMm));
    return classicRecord(request, outcome, pipe, [](RecordLines& record, const Term& d) {
        addCementSlopeLine(record, QStringLiteral("0,000561"), QStringLiteral("0,000561"), 0.000561, d);
    });
}

QStringList describeReinforcedConcrete(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const QStringList pipe{pipeLine(request, QStringLiteral("условный проход %1 мм").arg(request.size)),
                           QStringLiteral("dp = %1 мм").arg(exactText(request.diameterMm))};
    return classicRecord(request, outcome, pipe, [](RecordLines& record, const Term& d) {
        record.text(QStringLiteral("φ = 1 (коэффициент, зависящий от качества внутренней поверхности стенки трубы)"));
        addCementSlopeLine(record, QStringLiteral("0,000802 · φ"), QStringLiteral("0,000802 · 1"), 0.000802, d);
    });
}

}  // namespace calc
