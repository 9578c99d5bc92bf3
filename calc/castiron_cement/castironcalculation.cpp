#include "calc/castiron_cement/castironcalculation.h"

namespace calc::castiron {
namespace {

const AdviceWording adviceWording{
    .leadIn = [](int size) { return QStringLiteral("Применение трубы с условным проходом %1мм при расходе ").arg(size); },
    .justifiedEnding = [](int) { return QStringLiteral("экономически обосновано."); },
    .separator = QStringLiteral("м куб/ч "),
    .recommendation =
        [](int size) {
            return (size <= 300 ? QStringLiteral("рекомендуется использовать трубу класса ЛА, с условным проходом %1мм")
                                : QStringLiteral("рекомендуется использовать трубу класса А, с условным проходом %1мм"))
                .arg(size);
        },
};

}  // namespace

nominalsize::Result calculate(const CalculationInput& input)
{
    const Pipe* pipe = input.typedDiameter ? nullptr : findPipe(input.size);
    std::optional<nominalsize::CatalogPipe> row;
    std::optional<double> catalogSize;
    if (pipe) {
        row = nominalsize::CatalogPipe{calculationDiameter(*pipe, input.condition), diameterTooltip(*pipe, input.condition)};
        catalogSize = pipe->size;
    }
    const Condition condition = input.condition;
    return nominalsize::calculate(
        input, row,
        {.slope =
             [condition](double v, double dp) {
                 return nominalsize::SlopeFigures{
                     slope(v, dp, condition),
                     condition == Condition::New ? std::optional<double>(newPipeLambda(dp, v)) : std::nullopt};
             },
         .advice = [catalogSize](double flow) { return advice(flow, catalogSize); }});
}

AdviceLabelWrites advice(double flow, std::optional<double> catalogSize)
{
    EconomicAdvice advice(flow, economicTable());
    if (flow < 0.45)
        advice.empty();
    advice.applySizeRules(catalogSize, adviceWording, {.from = 80});
    // 3400 l/s closes the last band and belongs to no rule: no advice there either.
    if (advice.litresPerSecond() >= 3400)
        advice.empty();
    if (advice.inBand(50) && catalogSize == 50)
        advice.empty();
    return advice.writes();
}

}  // namespace calc::castiron
