#include "calc/simple/simpleoutcome.h"

#include "calc/common/valueparse.h"
#include "calc/common/verdicts.h"

namespace calc::simple {

CalculationOutcome withSection(std::optional<Check> failed, const Figures& figures, const std::optional<QString>& advice,
                               std::optional<double> length, double lastFound)
{
    CalculationOutcome outcome;
    outcome.failed = failed;
    outcome.figures = figures;
    outcome.advice = advice.value_or(QString());
    if (!length)
        return outcome;
    // The screens keep 1000i as text between the find and the section.
    const double thousandI = failed ? lastFound : figures.thousandI.value_or(0);
    const Result section = sectionHeadLoss(*length, readBack(thousandI));
    outcome.sectionFailed = section.failed;
    if (!failed)
        outcome.failed = section.failed;
    outcome.figures.headLoss = section.figures.headLoss;
    outcome.figures.headLossPressure = section.figures.headLossPressure;
    outcome.headLossText = section.headLossText;
    return outcome;
}

namespace {

// The one reading of a request as this calculation's input: the diameter as the request carries
// it, the advice comparing the size the request names (or the typed diameter).
Input input(const Material& material, const CalculationRequest& request)
{
    return {.material = material,
            .flow = request.conditions.flow,
            .diameterMm = request.diameterMm,
            .comparedSize = request.size.isEmpty() ? request.diameterMm : parseValue(request.size)};
}

}  // namespace

CalculationOutcome outcome(const Material& material, const CalculationRequest& request)
{
    const Input asked = input(material, request);
    const Result result = calculate(asked);
    const auto calculateFound = [&material](const CalculationRequest& found) { return simple::outcome(material, found); };
    const double lastFound = result.failed ? lastFoundThousandI(request, calculateFound) : 0;
    CalculationOutcome outcome = withSection(result.failed, result.figures,
                                             result.advice ? result.advice->text : std::nullopt, request.length, lastFound);
    outcome.adviceLabel = result.advice;
    if (material.velocityVerdict && !result.failed)
        outcome.velocity = material.velocityVerdict(*result.figures.flow, *result.figures.velocity);
    if (material.bands) {
        constexpr double noVelocity = 0;
        outcome.economic = economicVerdict(material.bands(), asked.flow, asked.comparedSize, !result.failed,
                                           [advice = material.advice](double flow) {
                                               return advice(flow, noVelocity, noBandSize);
                                           });
    }
    return outcome;
}

}  // namespace calc::simple
