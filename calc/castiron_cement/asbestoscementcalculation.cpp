#include "calc/castiron_cement/asbestoscementcalculation.h"

namespace calc::asbestoscement {
namespace {

const AdviceWording adviceWording{
    .leadIn = [](int size) { return QStringLiteral("Применение трубы с условным проходом %1мм при расходе ").arg(size); },
    .justifiedEnding = [](int) { return QStringLiteral("экономически обосновано"); },
    .separator = QStringLiteral("м куб/ч "),
    .recommendation = [](int size) { return QStringLiteral("рекомендуется использовать трубу с условным проходом %1мм").arg(size); },
};

}  // namespace

nominalsize::Result calculate(const CalculationInput& input)
{
    // A size without a pipe of the chosen class and type is calculated as its own bore.
    const int inner = input.typedDiameter ? 0 : innerDiameter(input.size, input.pressureClass, input.type);
    std::optional<nominalsize::CatalogPipe> row;
    if (inner > 0)
        row = nominalsize::CatalogPipe{double(inner), pipeTooltip(int(input.size), input.pressureClass, input.type)};
    const double size = input.size;
    return nominalsize::calculate(input, row,
                                  {.slope = [](double v, double dp) { return nominalsize::SlopeFigures{slope(v, dp), {}}; },
                                   .advice = [size](double flow) { return advice(flow, size); }});
}

AdviceLabelWrites advice(double flow, double size)
{
    EconomicAdvice advice(flow, economicTable());
    if (advice.inBand(100) && size == 100)
        advice.setText(QStringLiteral(" "));
    // 5 l/s, the open lower bound of the first band, counts as below the range.
    if (advice.litresPerSecond() <= 5)
        advice.recommend(advice.recommendationText(
            QStringLiteral("м куб/ч "), QStringLiteral("рекомендуется использовать трубу с условным проходом менее 100мм")));
    advice.applySizeRules(size, adviceWording, {.recommendationOnly = 100});
    if (advice.litresPerSecond() > 689)
        advice.recommend(QStringLiteral("Большая скорость! ")
                         + advice.recommendationText(QStringLiteral("м куб/ч "),
                                                     QStringLiteral(" рекомендуется использовать трубу с диаметром более 500мм")));
    return advice.writes();
}

}  // namespace calc::asbestoscement
