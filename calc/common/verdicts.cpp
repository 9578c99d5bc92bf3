#include "calc/common/verdicts.h"

#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"

namespace calc {

double readBack(double value) { return parseValue(storedNumberText(value)); }

std::optional<EconomicVerdict> economicVerdict(const EconomicTable& table, const TypedFlow& flow, double namedSize,
                                               bool calculated,
                                               const std::function<AdviceLabelWrites(double flow)>& adviceForNoBand)
{
    if (flow.value <= 0)
        return std::nullopt;
    const double q = flowCubicMetresPerSecond(flow.value, flow.unit);
    if (!flowIsShowable(q))
        return EconomicVerdict{};
    const EconomicAdvice bands(q, table);
    EconomicVerdict verdict;
    // The bands name whole millimetres; a size between them has none.
    const int size = int(namedSize);
    verdict.inBand = calculated && size == namedSize && bands.inBand(size);
    for (const EconomicBand& band : table.bands)
        if (bands.inBand(band.size)) {
            verdict.recommendedSize = band.size;
            break;
        }
    verdict.noBandAdvice = adviceForNoBand(q).text.value_or(QString());
    return verdict;
}

}  // namespace calc
