#include "calc/castiron_cement/cementdescription.h"

#include "calc/castiron_cement/asbestoscement.h"
#include "calc/castiron_cement/castiron.h"
#include "calc/common/calculationdescription.h"
#include "calc/common/numbertext.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"

namespace calc {

using namespace description;

namespace {

// The lines every table of the family writes around its own slope formula.
// i = lead · v²/dp^1,190 · (1 + 3,51/v)^0,190, the formula of both cement pipes.
QString cementSlopeLine(const QString& lead, const QString& leadNumbers, double v, double d, double i)
{
    return QStringLiteral("i = %1 · v²/dp^1,190 · (1 + 3,51/v)^0,190 = %2 · %3²/%4^1,190 · (1 + 3,51/%3)^0,190 = %5")
        .arg(lead, leadNumbers, approx(v), numberText(d), approx(i));
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
    const QString dp = numberText(request.diameterMm);
    if (catalogPipe && !isNew && catalogPipe->size < 300)
        pipe << QStringLiteral("dp = dв − 1 = %1 − 1 = %2 мм")
                    .arg(numberText(parseValue(QString::fromLatin1(catalogPipe->inner).replace(u',', u'.'))), dp);
    else
        pipe << (catalogPipe ? QStringLiteral("dp = dв = %1 мм") : QStringLiteral("dp = %1 мм")).arg(dp);
    pipe << (isNew ? QStringLiteral("Трубы новые") : QStringLiteral("Трубы неновые"));
    const std::optional<double> lambda = outcome.figures.lambda;
    const FormulaBranch branch = outcome.branch;
    return classicRecord(request, outcome, pipe, [isNew, lambda, branch](double v, double d, double i) -> QStringList {
        if (isNew && lambda)
            return {QStringLiteral("λ = 0,0144/dp^0,284 · (1 + 2,36/v)^0,284 = 0,0144/%1^0,284 · (1 + 2,36/%2)^0,284 = %3")
                        .arg(numberText(d), approx(v), approx(*lambda)),
                    QStringLiteral("i = λ · 1/dp · v²/2g = %1 · 1/%2 · %3²/19,62 = %4")
                        .arg(approx(*lambda), numberText(d), approx(v), approx(i))};
        if (branch == FormulaBranch::CastIronFast)
            return {QStringLiteral("v ≥ 1,2 м/сек: i = 0,00107 · v²/dp^1,3 = 0,00107 · %1²/%2^1,3 = %3")
                        .arg(approx(v), numberText(d), approx(i))};
        return {QStringLiteral("v < 1,2 м/сек: i = 0,000912 · v²/dp^1,3 · (1 + 0,867/v)^0,3 = "
                               "0,000912 · %1²/%2^1,3 · (1 + 0,867/%1)^0,3 = %3")
                    .arg(approx(v), numberText(d), approx(i))};
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
         << (inner > 0 ? QStringLiteral("dp = dв = %1 мм") : QStringLiteral("dp = %1 мм")).arg(numberText(request.diameterMm));
    return classicRecord(request, outcome, pipe, [](double v, double d, double i) -> QStringList {
        return {cementSlopeLine(QStringLiteral("0,000561"), QStringLiteral("0,000561"), v, d, i)};
    });
}

QStringList describeReinforcedConcrete(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const QStringList pipe{pipeLine(request, QStringLiteral("условный проход %1 мм").arg(request.size)),
                           QStringLiteral("dp = %1 мм").arg(numberText(request.diameterMm))};
    return classicRecord(request, outcome, pipe, [](double v, double d, double i) -> QStringList {
        return {QStringLiteral("φ = 1"),
                cementSlopeLine(QStringLiteral("0,000802 · φ"), QStringLiteral("0,000802 · 1"), v, d, i)};
    });
}

}  // namespace calc
