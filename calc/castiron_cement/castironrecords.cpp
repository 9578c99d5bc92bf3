#include "calc/castiron_cement/castironrecords.h"

#include "calc/castiron_cement/asbestoscement.h"
#include "calc/castiron_cement/asbestoscementcalculation.h"
#include "calc/castiron_cement/castiron.h"
#include "calc/castiron_cement/castironcalculation.h"
#include "calc/castiron_cement/cementdescription.h"
#include "calc/castiron_cement/reinforcedconcrete.h"
#include "calc/common/verdicts.h"
#include "calc/common/valueparse.h"
#include "calc/simple/simpleoutcome.h"

namespace calc {

namespace {

// The one reading of a request as a nominal-size calculation's input, on top of the table's own
// conditions: the request names the nominal size, or none for a typed diameter.
template <class CalculationInput>
CalculationInput nominalSizeInput(CalculationInput input, const CalculationRequest& request)
{
    input.flow = request.conditions.flow;
    input.typedDiameter = request.size.isEmpty();
    input.size = input.typedDiameter ? request.diameterMm : parseValue(request.size);
    return input;
}

// tableOutcome is the table's calculation, which calculates the last find of the request again.
template <class CalculationInput>
CalculationOutcome nominalSizeOutcome(const CalculationInput& input, const CalculationRequest& request,
                                      nominalsize::Result (*calculate)(const CalculationInput&),
                                      CalculationOutcome (*tableOutcome)(const CalculationRequest&),
                                      const EconomicTable& table,
                                      const std::function<AdviceLabelWrites(double flow)>& adviceForNoBand)
{
    const nominalsize::Result result = calculate(input);
    const double lastFound = result.failed ? lastFoundThousandI(request, tableOutcome) : 0;
    CalculationOutcome outcome =
        simple::withSection(result.failed, result.figures, result.advice.text, request.length, lastFound);
    outcome.adviceLabel = result.advice;
    if (result.sizeCaption)
        outcome.shownSize = ShownSize{*result.sizeCaption, result.size, result.diameterTooltip.value_or(QString())};
    outcome.economic = economicVerdict(table, input.flow, input.size, !result.failed, adviceForNoBand);
    return outcome;
}

castiron::CalculationInput castIronInput(const CalculationRequest& request)
{
    castiron::CalculationInput input;
    input.condition = choiceAt(request.conditions.chosen, 1) == 1 ? castiron::Condition::New : castiron::Condition::NonNew;
    return nominalSizeInput(input, request);
}

CalculationOutcome castIronOutcome(const CalculationRequest& request)
{
    const castiron::CalculationInput input = castIronInput(request);
    CalculationOutcome outcome = nominalSizeOutcome(input, request, castiron::calculate, castIronOutcome,
                                                    castiron::economicTable(),
                                                    [](double flow) { return castiron::advice(flow, std::nullopt); });
    if (outcome.figures.velocity && input.condition == castiron::Condition::NonNew)
        outcome.branch = castiron::fastFormula(*outcome.figures.velocity) ? FormulaBranch::CastIronFast
                                                                          : FormulaBranch::CastIronSlow;
    return outcome;
}

CalculationOutcome asbestosCementOutcome(const CalculationRequest& request)
{
    asbestoscement::CalculationInput input;
    input.type = choiceAt(request.conditions.chosen, 0) + 1;
    input.pressureClass = asbestoscement::PressureClass(choiceAt(request.conditions.chosen, 1));
    return nominalSizeOutcome(nominalSizeInput(input, request), request, asbestoscement::calculate,
                              asbestosCementOutcome, asbestoscement::economicTable(),
                              [](double flow) { return asbestoscement::advice(flow, noBandSize); });
}

}  // namespace

TableRecord castIronRecord()
{
    using namespace castiron;
    return {3,
            QStringLiteral("для чугунных труб d=50...1200мм (ГОСТ 9583-75 и ГОСТ 21053-75)"),
            {{QStringLiteral("ГОСТ 9583-75"), QStringLiteral("g9583.doc")}},
            {fixedCondition(QStringLiteral("класс"),
                            {QStringLiteral("Класс ЛА"), QStringLiteral("Класс А")}, 0),
             fixedCondition(QStringLiteral("трубы"), {QStringLiteral("неновые"), QStringLiteral("новые")}, 0)},
            [](const ConditionChoices& chosen) {
                const int pipeClass = choiceAt(chosen, 0);
                const int state = choiceAt(chosen, 1);
                QList<CatalogSize> sizes;
                if (pipeClass < 0 || state < 0)
                    return sizes;
                const auto condition = state == 0 ? castiron::Condition::NonNew : castiron::Condition::New;
                for (const QString& item : castiron::sizes(pipeClass == 0 ? PipeClass::LA : PipeClass::A))
                    if (const Pipe* pipe = findPipe(parseValue(item)))
                        sizes.append({item, calculationDiameter(*pipe, condition)});
                return sizes;
            },
            describeCastIron,
            castIronOutcome,
            {},
            QStringLiteral("чугунные")};
}

TableRecord asbestosCementRecord()
{
    using namespace asbestoscement;
    const QStringList classes{QStringLiteral("ВТ6"), QStringLiteral("ВТ9"), QStringLiteral("ВТ12"),
                              QStringLiteral("ВТ15")};
    return {4,
            QStringLiteral("для асбестоцементных труб ВТ6, ВТ9, ВТ12, ВТ15 (ГОСТ 539-80)"),
            {{QStringLiteral("ГОСТ 539-80"), QStringLiteral("g539.doc")}},
            {fixedCondition(QStringLiteral("тип труб по размерам"),
                            {QStringLiteral("Тип 1"), QStringLiteral("Тип 2"), QStringLiteral("Тип 3")}, 0),
             // Type 1 pipes are not made in ВТ15.
             {QStringLiteral("класс"),
              [classes](const ConditionChoices& earlier) {
                  return choiceAt(earlier, 0) == 0 ? classes.mid(0, 3) : classes;
              },
              0, true}},
            [](const ConditionChoices& chosen) {
                const int type = choiceAt(chosen, 0) + 1;
                const int pressureClass = choiceAt(chosen, 1);
                QList<CatalogSize> sizes;
                if (type < 1 || pressureClass < 0)
                    return sizes;
                // A size the catalog does not hold in this class and type is calculated with its
                // nominal size, as the calculator does.
                for (const QString& item : asbestoscement::sizes(type)) {
                    const double size = parseValue(item);
                    const int inner = innerDiameter(size, PressureClass(pressureClass), type);
                    if (inner > 0)
                        sizes.append({item, double(inner), pipeTooltip(int(size), PressureClass(pressureClass), type)});
                    else
                        sizes.append({item, size});
                }
                return sizes;
            },
            describeAsbestosCement,
            asbestosCementOutcome,
            {},
            QStringLiteral("асбестоцементные")};
}

TableRecord reinforcedConcreteRecord()
{
    return {6,
            QStringLiteral("для  железебетонных труб  ГОСТ 12586.0-83"),
            {{QStringLiteral("ГОСТ 12586.0-83"), QStringLiteral("g12586.doc")}},
            {},
            [](const ConditionChoices&) { return sizesOfItems(reinforcedconcrete::sizes(), parseValue); },
            describeReinforcedConcrete,
            [](const CalculationRequest& request) { return simple::outcome(reinforcedconcrete::material, request); },
            {},
            QStringLiteral("железобетонные")};
}

}  // namespace calc
