#include "calc/plastic_glass/polyethyleneadvice.h"

namespace calc::plastic_glass::polyethylene {

namespace {
// Flows in l/s for which each pipe is the economical one.
constexpr EconomicBand bands[] = {
    {63, 1.3, 2.1},     {75, 2.1, 3.2},     {90, 3.2, 5.1},     {110, 5.1, 7.6},    {125, 7.6, 10.2},
    {140, 10.2, 11.9},  {160, 11.9, 15.7},  {180, 15.7, 21.1},  {200, 21.1, 28},    {225, 28, 36.1},
    {250, 36.1, 47.9},  {280, 47.9, 68.2},  {315, 68.2, 90.4},  {355, 90.4, 134},   {400, 134, 180},
    {450, 180, 246},    {500, 246, 326},    {560, 326, 451},    {630, 451, 800},
};

const AdviceWording wording{
    .leadIn = [](int size) { return QStringLiteral("Применение трубы диаметром %1мм при расходе ").arg(size); },
    .justifiedEnding = [](int size) {
        return size == 63 ? QStringLiteral("  экономически обосновано") : QStringLiteral("экономически обосновано");
    },
    .separator = QStringLiteral("м куб/ч "),
    .recommendation = [](int size) { return QStringLiteral("рекомендуется использовать трубу диаметром %1мм").arg(size); },
};
}  // namespace

EconomicTable economicTable() { return {bands, BoundRule::UpperIncludedFirstClosed}; }

AdviceLabelWrites economicAdvice(double flow, double velocity, double comparedSize)
{
    EconomicAdvice advice(flow, economicTable());
    advice.applySizeRules(comparedSize, wording);
    const double litres = advice.litresPerSecond();
    if (litres < 1.3 || litres > 800)
        advice.empty();
    if (velocityVerdict(flow, velocity).exceeded)
        advice.recommend(tooFastAdvice);
    return advice.writes();
}

VelocityVerdict velocityVerdict(double flow, double velocity)
{
    return {warningVelocity, velocity > warningVelocity && !EconomicAdvice(flow, economicTable()).inAnyBand()};
}

}  // namespace calc::plastic_glass::polyethylene
