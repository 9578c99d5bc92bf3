#include "calc/common/economicadvice.h"

#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"

#include <algorithm>

namespace calc {
namespace {

bool holds(const EconomicBand& band, double litres, bool lowerIncluded, bool upperIncluded)
{
    const bool aboveLower = lowerIncluded ? litres >= band.lower : litres > band.lower;
    const bool belowUpper = upperIncluded ? litres <= band.upper : litres < band.upper;
    return aboveLower && belowUpper;
}

}  // namespace

EconomicAdvice::EconomicAdvice(double flow, std::span<const EconomicBand> table, BoundRule rule)
    : litres(1000.0 * flow), cubicMetresPerHour(3600.0 * flow), bands(table)
{
    for (std::size_t row = 0; row < bands.size(); ++row) {
        const bool lowerIncluded = rule == BoundRule::LowerIncluded
                                   || (rule == BoundRule::UpperIncludedFirstClosed && row == 0);
        const bool upperIncluded = rule != BoundRule::LowerIncluded;
        flags.push_back(holds(bands[row], litres, lowerIncluded, upperIncluded));
    }
}

bool EconomicAdvice::inBand(int size) const
{
    for (std::size_t row = 0; row < bands.size(); ++row)
        if (bands[row].size == size)
            return flags[row];
    return false;
}

bool EconomicAdvice::inAnyBand() const { return std::ranges::find(flags, true) != flags.end(); }

void EconomicAdvice::applySizeRules(std::optional<double> comparedSize, const AdviceWording& wording,
                                    SizeRuleSizes sizes)
{
    for (std::size_t row = 0; row < bands.size(); ++row) {
        const int size = bands[row].size;
        if (size < sizes.from || !flags[row])
            continue;
        const bool compared = comparedSize && *comparedSize == size;
        if (compared && size != sizes.recommendationOnly)
            justify(justifiedText(size, wording));
        if (!compared)
            recommend(recommendationText(wording.separator, wording.recommendation(size)));
    }
}

QString EconomicAdvice::flowFigures() const
{
    return numberText(roundHalfEven(litres, 8)) + QStringLiteral("л/сек =")
           + numberText(roundHalfEven(cubicMetresPerHour, 8));
}

QString EconomicAdvice::justifiedText(int size, const AdviceWording& wording) const
{
    return wording.leadIn(size) + flowFigures() + QStringLiteral("м куб/ч ") + wording.justifiedEnding(size);
}

QString EconomicAdvice::recommendationText(const QString& separator, const QString& recommendation) const
{
    return QStringLiteral("При расходе ") + flowFigures() + separator + recommendation;
}

void EconomicAdvice::justify(const QString& text)
{
    setColour(justifiedColour);
    setText(text);
}

void EconomicAdvice::recommend(const QString& text)
{
    setColour(recommendedColour);
    setText(text);
}

void EconomicAdvice::setText(const QString& text) { written.text = text; }

void EconomicAdvice::setColour(int paletteIndex) { written.colour = paletteIndex; }

}  // namespace calc
