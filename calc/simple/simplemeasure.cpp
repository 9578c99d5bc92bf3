#include "calc/simple/simplemeasure.h"

#include "calc/common/sizemeasure.h"
#include "calc/common/valueparse.h"

namespace calc::simple {

SizeMeasure measure(const Material& material, const SizeQuery& query, const CatalogSize& size,
                    const std::optional<Advising>& advising)
{
    const Input input{.material = material,
                      .flow = query.flow,
                      .diameterMm = readBack(size.calculationDiameterMm),
                      .comparedSize = parseValue(size.designation)};
    const Result result = calculate(input);
    if (!advising)
        return sizeMeasure(result.failed, result.figures);
    const bool warned = result.advice && result.advice->text == advising->tooFastAdvice;
    SizeMeasure measured = sizeMeasure(result.failed, result.figures,
                                       warned ? std::optional<double>(advising->warningVelocity) : std::nullopt);
    markEconomic(measured, advising->table, input.comparedSize);
    return measured;
}

SizeRecommendation recommend(const Material& material, const Advising& advising, const SizeQuery& query)
{
    constexpr double noVelocity = 0;
    return recommendation(advising.table, query.flow,
                          [advice = material.advice](double flow) { return advice(flow, noVelocity, noBandSize); });
}

}  // namespace calc::simple
