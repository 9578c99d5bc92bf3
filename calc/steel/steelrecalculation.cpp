#include "calc/steel/steelrecalculation.h"

#include "calc/common/sizemeasure.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"
#include "calc/steel/steelcalculation.h"

namespace calc::steel {

namespace {

enum Position { State, System, Temperature, SystemType };

}  // namespace

Recalculation recalculate(const CalculationRequest& request)
{
    const ConditionChoices& chosen = request.conditions.chosen;
    SteelInput input;
    input.condition = choiceAt(chosen, State) == 1 ? PipeCondition::New : PipeCondition::NonNew;
    input.systemTypePosition = choiceAt(chosen, SystemType);
    input.viscosityE6 = readBack(coldWaterViscosityE6);
    if (choiceAt(chosen, System) == 1) {
        input.system = SystemKind::HotWater;
        const QString temperature = hotWaterTemperatures().value(choiceAt(chosen, Temperature));
        if (!temperature.isEmpty()) {
            input.temperature = parseValue(temperature);
            input.viscosityE6 = readBack(hotWaterViscosityE6(temperature));
        }
    }
    input.typedDiameter = request.size.isEmpty();
    if (!input.typedDiameter) {
        const QStringList pipe = request.size.split(QStringLiteral(" × "));
        input.outerDiameter = readBack(parseValue(pipe.value(0)));
        input.wall = readBack(parseValue(pipe.value(1)));
    }
    input.diameterMm = readBack(request.diameterMm);
    input.flow = request.conditions.flow;
    if (request.length)
        input.section = SteelSectionInput{*request.length, request.localLosses.counted, 0};

    const SteelResult result = calculate(input);
    Recalculation again;
    again.failed = result.failed;
    again.results.figures = result.figures;
    again.results.velocityWarning = result.velocityWarning;
    if (result.section) {
        if (!again.failed)
            again.failed = result.section->failed;
        again.results.headLossText = result.section->text;
    }
    return again;
}

}  // namespace calc::steel
