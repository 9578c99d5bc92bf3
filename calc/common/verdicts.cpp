#include "calc/common/verdicts.h"

#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"

#include <cmath>

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
    // The bands name whole millimetres; a size between them, or past any int, has none.
    const bool whole = namedSize == std::floor(namedSize) && std::abs(namedSize) <= 1e9;
    verdict.inBand = calculated && whole && bands.inBand(int(namedSize));
    for (const EconomicBand& band : table.bands)
        if (bands.inBand(band.size)) {
            verdict.recommendedSize = band.size;
            break;
        }
    verdict.noBandAdvice = adviceForNoBand(q).text.value_or(QString());
    return verdict;
}

}  // namespace calc
