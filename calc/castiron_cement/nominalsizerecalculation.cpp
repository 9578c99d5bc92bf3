#include "calc/castiron_cement/nominalsizerecalculation.h"

#include "calc/castiron_cement/asbestoscementcalculation.h"
#include "calc/castiron_cement/castironcalculation.h"
#include "calc/common/sizemeasure.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"
#include "calc/simple/simplerecalculation.h"

namespace calc {

namespace {

template <class CalculationInput>
Recalculation recalculate(CalculationInput input, const CalculationRequest& request,
                          nominalsize::Result (*calculate)(const CalculationInput&))
{
    input.flow = request.conditions.flow;
    input.typedDiameter = request.size.isEmpty();
    input.size = input.typedDiameter ? readBack(request.diameterMm) : parseValue(request.size);
    const nominalsize::Result result = calculate(input);
    return simple::withSection(result.failed, result.figures, result.advice.text, request.length);
}

}  // namespace

Recalculation recalculateCastIron(const CalculationRequest& request)
{
    castiron::CalculationInput input;
    input.condition = choiceAt(request.conditions.chosen, 1) == 1 ? castiron::Condition::New : castiron::Condition::NonNew;
    return recalculate(input, request, castiron::calculate);
}

Recalculation recalculateAsbestosCement(const CalculationRequest& request)
{
    asbestoscement::CalculationInput input;
    input.type = choiceAt(request.conditions.chosen, 0) + 1;
    input.pressureClass = asbestoscement::PressureClass(choiceAt(request.conditions.chosen, 1));
    return recalculate(input, request, asbestoscement::calculate);
}

}  // namespace calc
