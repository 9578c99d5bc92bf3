#include "calc/common/sizemeasure.h"

#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"

namespace calc {

double readBack(double value) { return parseValue(storedNumberText(value)); }

SizeMeasure sizeMeasure(std::optional<Check> failed, const Figures& figures, std::optional<double> exceededVelocity)
{
    SizeMeasure measure{failed, figures, QString(), false};
    if (!failed && exceededVelocity)
        measure.velocityJudgement = QStringLiteral("скорость больше ") + numberText(*exceededVelocity) + QStringLiteral(" м/с");
    return measure;
}

void markEconomic(SizeMeasure& measure, const EconomicTable& table, double namedSize)
{
    if (measure.failed || !measure.figures.flow)
        return;
    // The bands name whole millimetres; a size between them has none.
    const int size = int(namedSize);
    measure.economic = size == namedSize && EconomicAdvice(*measure.figures.flow, table).inBand(size);
}

SizeRecommendation recommendation(const EconomicTable& table, const TypedFlow& flow,
                                  const std::function<AdviceLabelWrites(double flow)>& adviceForNoBand)
{
    if (flow.value <= 0)
        return {};
    const double q = flowCubicMetresPerSecond(flow.value, flow.unit);
    if (!flowIsShowable(q))
        return {};
    SizeRecommendation recommended;
    const EconomicAdvice bands(q, table);
    for (const EconomicBand& band : table.bands)
        if (bands.inBand(band.size)) {
            recommended.size = band.size;
            break;
        }
    recommended.text = adviceForNoBand(q).text.value_or(QString());
    return recommended;
}

}  // namespace calc
