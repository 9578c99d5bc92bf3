#include "calc/steel/steelrecords.h"

#include "calc/common/valueparse.h"
#include "calc/steel/electricweldedcatalog.h"
#include "calc/steel/steelcalculation.h"
#include "calc/steel/steelhydraulics.h"
#include "calc/steel/watergascatalog.h"

namespace calc::steel {

namespace {

enum Position { State, System, Temperature, SystemType };

QList<TableCondition> steelConditions()
{
    return {fixedCondition(QStringLiteral("трубы"), {QStringLiteral("неновые"), QStringLiteral("новые")}, 0),
            fixedCondition(QStringLiteral("система"),
                           {QStringLiteral("холодного водоснабжения"), QStringLiteral("горячего водоснабжения")}, 0),
            {QStringLiteral("температура воды"),
             [](const ConditionChoices& earlier) {
                 return choiceAt(earlier, System) == 1 ? hotWaterTemperatures() : QStringList();
             },
             -1},
            {QStringLiteral("тип системы"),
             [](const ConditionChoices& earlier) {
                 return systemTypes(choiceAt(earlier, System) == 1 ? SystemKind::HotWater : SystemKind::ColdWater);
             },
             -1}};
}

// Every wall of every outer diameter.
QList<CatalogSize> steelSizes(const ConditionChoices& chosen, const QStringList& outerDiameters,
                              QStringList (*walls)(double))
{
    const int state = choiceAt(chosen, State);
    if (state < 0)
        return {};
    QList<CatalogSize> sizes;
    for (const QString& outer : outerDiameters)
        for (const QString& wall : walls(parseValue(outer))) {
            const double bore = calculationDiameter(parseValue(outer), parseValue(wall),
                                                    state == 0 ? PipeCondition::NonNew : PipeCondition::New);
            sizes.append({outer + QStringLiteral(" × ") + wall, bore});
        }
    return sizes;
}

}  // namespace

TableRecord waterGasRecord()
{
    return {1,
            QStringLiteral("трубы стальные (газовые) d=6...150мм  (ГОСТ3262-75)"),
            {{QStringLiteral("ГОСТ 3262-75"), QStringLiteral("g3262.doc")}},
            1,
            steelConditions(),
            [](const ConditionChoices& chosen) {
                return steelSizes(chosen, watergas::outerDiameters(), watergas::walls);
            }};
}

TableRecord electricWeldedRecord()
{
    return {2,
            QStringLiteral("трубы стальные ГОСТ 10704-91"),
            {{QStringLiteral("ГОСТ 10704-91"), QStringLiteral("g10704.doc")}},
            1,
            steelConditions(),
            [](const ConditionChoices& chosen) {
                return steelSizes(chosen, electricwelded::outerDiameters(), electricwelded::walls);
            }};
}

}  // namespace calc::steel
