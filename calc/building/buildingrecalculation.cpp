#include "calc/building/buildingrecalculation.h"

#include "calc/building/buildingtexts.h"
#include "calc/common/sizemeasure.h"

namespace calc::building {

Recalculation recalculate(SectionInput input, const CalculationRequest& request)
{
    input.diameterMm = readBack(request.diameterMm);
    input.typedDiameter = request.size.isEmpty();
    input.wallChosen = !input.typedDiameter;
    input.length = request.length.value_or(0);
    const LocalLosses& losses = request.localLosses;
    for (int row = 0; row < fittingRows && row < losses.fittingCounts.size(); ++row)
        input.fittings[row] = {losses.fittingCounts.at(row) != 0, losses.fittingCounts.at(row)};
    if (losses.otherResistance)
        input.otherResistance = {true, *losses.otherResistance};

    const SectionResult result = calculateSection(input);
    Recalculation again{result.failed, {result.figures, QString(), QString(), QString()}};
    if (result.advice)
        again.results.advice = result.advice->label.text.value_or(QString());
    if (result.failed)
        return again;
    const Figures& figures = result.figures;
    if (figures.pressureDrop)
        again.results.headLossText = heatingDropResult(input.material, *figures.pressureDrop);
    else if (figures.headLoss)
        again.results.headLossText = headLossResult(input.material, *figures.headLoss);
    return again;
}

}  // namespace calc::building
