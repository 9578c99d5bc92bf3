#include "calc/simple/simplerecalculation.h"

#include "calc/common/sizemeasure.h"
#include "calc/common/valueparse.h"

namespace calc::simple {

Recalculation withSection(std::optional<Check> failed, const Figures& figures, const std::optional<QString>& advice,
                          std::optional<double> length)
{
    Recalculation again{failed, {figures, QString(), advice.value_or(QString()), QString()}};
    if (failed || !length)
        return again;
    const Result section = sectionHeadLoss(*length, readBack(figures.thousandI.value_or(0)));
    again.failed = section.failed;
    again.results.figures.headLoss = section.figures.headLoss;
    again.results.figures.headLossPressure = section.figures.headLossPressure;
    again.results.headLossText = section.headLossText;
    return again;
}

Recalculation recalculate(const Material& material, const CalculationRequest& request)
{
    const Input input{.material = material,
                      .flow = request.conditions.flow,
                      .diameterMm = readBack(request.diameterMm),
                      .comparedSize = request.size.isEmpty() ? readBack(request.diameterMm) : parseValue(request.size)};
    const Result result = calculate(input);
    return withSection(result.failed, result.figures,
                       result.advice ? result.advice->text : std::nullopt, request.length);
}

}  // namespace calc::simple
