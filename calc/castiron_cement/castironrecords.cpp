#include "calc/castiron_cement/castironrecords.h"

#include "calc/castiron_cement/asbestoscement.h"
#include "calc/castiron_cement/asbestoscementcalculation.h"
#include "calc/castiron_cement/castiron.h"
#include "calc/castiron_cement/castironcalculation.h"
#include "calc/castiron_cement/cementdescription.h"
#include "calc/castiron_cement/nominalsizerecalculation.h"
#include "calc/castiron_cement/reinforcedconcrete.h"
#include "calc/common/sizemeasure.h"
#include "calc/common/valueparse.h"
#include "calc/simple/simplemeasure.h"
#include "calc/simple/simplerecalculation.h"

namespace calc {

namespace {

// The find of a screen whose list names nominal sizes, with this one chosen: the screen reads
// the size back from the label that shows the list item.
template <class CalculationInput>
SizeMeasure measureNominalSize(CalculationInput input, const SizeQuery& query, const CatalogSize& size,
                               const EconomicTable& table, nominalsize::Result (*calculate)(const CalculationInput&))
{
    input.flow = query.flow;
    input.size = parseValue(size.designation);
    const nominalsize::Result result = calculate(input);
    SizeMeasure measured = sizeMeasure(result.failed, result.figures);
    markEconomic(measured, table, input.size);
    return measured;
}

simple::Advising reinforcedConcreteAdvising()
{
    return {reinforcedconcrete::economicTable(), reinforcedconcrete::tooFastAdvice, reinforcedconcrete::warningVelocity};
}

}  // namespace

TableRecord castIronRecord()
{
    using namespace castiron;
    return {3,
            QStringLiteral("для чугунных труб d=50...1200мм (ГОСТ 9583-75 и ГОСТ 21053-75)"),
            {{QStringLiteral("ГОСТ 9583-75"), QStringLiteral("g9583.doc")}},
            3,
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
            [](const SizeQuery& query, const CatalogSize& size) {
                CalculationInput input;
                input.condition = choiceAt(query.chosen, 1) == 1 ? Condition::New : Condition::NonNew;
                return measureNominalSize(input, query, size, economicTable(), castiron::calculate);
            },
            [](const SizeQuery& query) {
                return recommendation(economicTable(), query.flow,
                                      [](double flow) { return castiron::advice(flow, std::nullopt); });
            }, describeCastIron,
            recalculateCastIron};
}

TableRecord asbestosCementRecord()
{
    using namespace asbestoscement;
    const QStringList classes{QStringLiteral("ВТ6"), QStringLiteral("ВТ9"), QStringLiteral("ВТ12"),
                              QStringLiteral("ВТ15")};
    return {4,
            QStringLiteral("для асбестоцементных труб ВТ6, ВТ9, ВТ12, ВТ15 (ГОСТ 539-80)"),
            {{QStringLiteral("ГОСТ 539-80"), QStringLiteral("g539.doc")}},
            4,
            {fixedCondition(QStringLiteral("тип труб по размерам"),
                            {QStringLiteral("Тип 1"), QStringLiteral("Тип 2"), QStringLiteral("Тип 3")}, 0),
             // Type 1 pipes are not made in ВТ15.
             {QStringLiteral("класс"),
              [classes](const ConditionChoices& earlier) {
                  return choiceAt(earlier, 0) == 0 ? classes.mid(0, 3) : classes;
              },
              0}},
            [](const ConditionChoices& chosen) {
                const int type = choiceAt(chosen, 0) + 1;
                const int pressureClass = choiceAt(chosen, 1);
                QList<CatalogSize> sizes;
                if (type < 1 || pressureClass < 0)
                    return sizes;
                // A size the catalog does not hold in this class and type is calculated with its
                // nominal size, as the calculator does.
                for (const QString& item : asbestoscement::sizes(type)) {
                    const int inner = innerDiameter(parseValue(item), PressureClass(pressureClass), type);
                    sizes.append({item, inner > 0 ? double(inner) : parseValue(item)});
                }
                return sizes;
            },
            [](const SizeQuery& query, const CatalogSize& size) {
                CalculationInput input;
                input.type = choiceAt(query.chosen, 0) + 1;
                input.pressureClass = PressureClass(choiceAt(query.chosen, 1));
                return measureNominalSize(input, query, size, economicTable(), asbestoscement::calculate);
            },
            [](const SizeQuery& query) {
                return recommendation(economicTable(), query.flow,
                                      [](double flow) { return asbestoscement::advice(flow, noBandSize); });
            }, describeAsbestosCement,
            recalculateAsbestosCement};
}

TableRecord reinforcedConcreteRecord()
{
    return {6,
            QStringLiteral("для  железебетонных труб  ГОСТ 12586.0-83"),
            {{QStringLiteral("ГОСТ 12586.0-83"), QStringLiteral("g12586.doc")}},
            6,
            {},
            [](const ConditionChoices&) { return sizesOfItems(reinforcedconcrete::sizes(), parseValue); },
            [advising = reinforcedConcreteAdvising()](const SizeQuery& query, const CatalogSize& size) {
                return simple::measure(reinforcedconcrete::material, query, size, advising);
            },
            [advising = reinforcedConcreteAdvising()](const SizeQuery& query) {
                return simple::recommend(reinforcedconcrete::material, advising, query);
            }, describeReinforcedConcrete,
            [](const CalculationRequest& request) { return simple::recalculate(reinforcedconcrete::material, request); }};
}

}  // namespace calc
