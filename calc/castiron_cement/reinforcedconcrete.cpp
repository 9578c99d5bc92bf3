#include "calc/castiron_cement/reinforcedconcrete.h"

#include <cmath>
#include <limits>

namespace calc::reinforcedconcrete {
namespace {

constexpr EconomicBand ranges[] = {
    {500, 35, 364},     {600, 364, 420},    {700, 420, 599},    {800, 599, 809},
    {900, 809, 1053},   {1000, 1053, 1444}, {1200, 1444, 1896}, {1400, 1896, 2697},
    {1600, 2697, std::numeric_limits<double>::infinity()},
};

const AdviceWording wording{
    .leadIn = [](int size) { return QStringLiteral("Применение трубы с условным проходом %1мм при расходе ").arg(size); },
    .justifiedEnding = [](int) { return QStringLiteral("экономически обосновано.  "); },
    .separator = QStringLiteral("м куб/ч, "),
    .recommendation = [](int size) { return QStringLiteral("рекомендуется использовать трубу с условным проходом %1мм").arg(size); },
};

}  // namespace

QStringList sizes() { return {"500", "600", "700", "800", "900", "1000", "1200", "1400", "1600"}; }

double slope(double velocity, double diameter)
{
    return 0.000802 * velocity * velocity / std::pow(diameter, 1.19) * std::pow(1.0 + 3.51 / velocity, 0.19);
}

EconomicTable economicTable() { return {ranges, BoundRule::UpperIncluded}; }

AdviceLabelWrites economicAdvice(double flow, double velocity, double size)
{
    EconomicAdvice advice(flow, economicTable());
    // 35 l/s, the open lower bound of the first band, counts as below the range.
    if (advice.litresPerSecond() <= 35)
        advice.recommend(advice.recommendationText(
            wording.separator, QStringLiteral("рекомендуется использовать трубу с условным проходом меньше 500мм")));
    if (advice.inBand(500) && size == 500) {
        advice.setColour(justifiedColour);
        advice.empty();
    }
    // Another size in the band of 500 gets its recommendation, as every larger band does.
    advice.applySizeRules(size, wording, {.recommendationOnly = 500});
    if (velocityVerdict(flow, velocity).exceeded)
        advice.recommend(tooFastAdvice);
    return advice.writes();
}

VelocityVerdict velocityVerdict(double flow, double velocity)
{
    return {warningVelocity, 1000.0 * flow > 2697 && velocity > warningVelocity};
}

}  // namespace calc::reinforcedconcrete
