#include "calc/steel/steelrecords.h"

#include "calc/common/sizemeasure.h"
#include "calc/common/valueparse.h"
#include "calc/steel/electricweldedcatalog.h"
#include "calc/steel/steelcalculation.h"
#include "calc/steel/steeldescription.h"
#include "calc/steel/steelhydraulics.h"
#include "calc/steel/steelrecalculation.h"
#include "calc/steel/watergascatalog.h"

#include <QHash>
#include <memory>

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

// A pipe of the lists as the screen keeps its choice: outer diameter and wall, mm.
struct CatalogPipe {
    QString designation;
    double outer;
    double wall;
};

// What a steel record builds once: its pipes in list order and, by designation, what the screen
// keeps when one is chosen; the water of each listed hot-water temperature.
struct SteelCatalog {
    QList<CatalogPipe> pipes;
    QHash<QString, CatalogPipe> byDesignation;
    struct Water {
        double temperature;  // °C
        double viscosityE6;
    };
    QList<Water> hotWaters;
};

std::shared_ptr<const SteelCatalog> steelCatalog(const QStringList& outerDiameters, QStringList (*walls)(double))
{
    auto catalog = std::make_shared<SteelCatalog>();
    for (const QString& outer : outerDiameters)
        for (const QString& wall : walls(parseValue(outer))) {
            const CatalogPipe pipe{outer + QStringLiteral(" × ") + wall, readBack(parseValue(outer)),
                                   readBack(parseValue(wall))};
            catalog->pipes.append(pipe);
            catalog->byDesignation.insert(pipe.designation, pipe);
        }
    for (const QString& temperature : hotWaterTemperatures())
        catalog->hotWaters.append({parseValue(temperature), readBack(hotWaterViscosityE6(temperature))});
    return catalog;
}

PipeCondition conditionAt(const ConditionChoices& chosen)
{
    return choiceAt(chosen, State) == 1 ? PipeCondition::New : PipeCondition::NonNew;
}

// Every wall of every outer diameter.
QList<CatalogSize> steelSizes(const ConditionChoices& chosen, const SteelCatalog& catalog)
{
    if (choiceAt(chosen, State) < 0)
        return {};
    QList<CatalogSize> sizes;
    for (const CatalogPipe& pipe : catalog.pipes)
        sizes.append({pipe.designation, calculationDiameter(pipe.outer, pipe.wall, conditionAt(chosen))});
    return sizes;
}

// The find of the screen with this pipe chosen from its two lists.
SizeMeasure measure(const SizeQuery& query, const CatalogSize& size, const SteelCatalog& catalog)
{
    SteelInput input;
    input.condition = conditionAt(query.chosen);
    input.systemTypePosition = choiceAt(query.chosen, SystemType);
    input.viscosityE6 = readBack(coldWaterViscosityE6);
    if (choiceAt(query.chosen, System) == 1) {
        input.system = SystemKind::HotWater;
        const int temperature = choiceAt(query.chosen, Temperature);
        if (temperature >= 0 && temperature < catalog.hotWaters.size()) {
            input.temperature = catalog.hotWaters.at(temperature).temperature;
            input.viscosityE6 = catalog.hotWaters.at(temperature).viscosityE6;
        }
    }
    const CatalogPipe pipe = catalog.byDesignation.value(size.designation);
    input.outerDiameter = pipe.outer;
    input.wall = pipe.wall;
    input.diameterMm = readBack(size.calculationDiameterMm);
    input.flow = query.flow;
    const SteelResult result = calculate(input);
    const std::optional<double> velocity = result.figures.velocity;
    return sizeMeasure(result.failed, result.figures,
                       velocity ? exceededVelocityLimit(*velocity, input.systemTypePosition) : std::nullopt);
}

TableRecord steelRecord(int number, const QString& title, const StandardDocument& document,
                        const QStringList& outerDiameters, QStringList (*walls)(double))
{
    const std::shared_ptr<const SteelCatalog> catalog = steelCatalog(outerDiameters, walls);
    return {number,
            title,
            {document},
            1,
            steelConditions(),
            [catalog](const ConditionChoices& chosen) { return steelSizes(chosen, *catalog); },
            [catalog](const SizeQuery& query, const CatalogSize& size) { return measure(query, size, *catalog); },
            {}, describeCalculation,
            recalculate};
}

}  // namespace

TableRecord waterGasRecord()
{
    return steelRecord(1, QStringLiteral("трубы стальные (газовые) d=6...150мм  (ГОСТ3262-75)"),
                       {QStringLiteral("ГОСТ 3262-75"), QStringLiteral("g3262.doc")}, watergas::outerDiameters(),
                       watergas::walls);
}

TableRecord electricWeldedRecord()
{
    return steelRecord(2, QStringLiteral("трубы стальные ГОСТ 10704-91"),
                       {QStringLiteral("ГОСТ 10704-91"), QStringLiteral("g10704.doc")},
                       electricwelded::outerDiameters(), electricwelded::walls);
}

}  // namespace calc::steel
