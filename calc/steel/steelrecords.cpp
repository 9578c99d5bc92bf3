#include "calc/steel/steelrecords.h"

#include "calc/common/verdicts.h"
#include "calc/common/valueparse.h"
#include "calc/steel/electricweldedcatalog.h"
#include "calc/steel/steelcalculation.h"
#include "calc/steel/steeldescription.h"
#include "calc/steel/steelhydraulics.h"
#include "calc/steel/watergascatalog.h"

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

// What a steel record builds once: its pipes in list order as the screen keeps a chosen one.
struct SteelCatalog {
    QList<CatalogPipe> pipes;
};

std::shared_ptr<const SteelCatalog> steelCatalog(const QStringList& outerDiameters, QStringList (*walls)(double))
{
    auto catalog = std::make_shared<SteelCatalog>();
    for (const QString& outer : outerDiameters)
        for (const QString& wall : walls(parseValue(outer))) {
            const CatalogPipe pipe{outer + QStringLiteral(" × ") + wall, parseValue(outer), parseValue(wall)};
            catalog->pipes.append(pipe);
        }
    return catalog;
}

PipeCondition conditionAt(const ConditionChoices& chosen)
{
    return choiceAt(chosen, State) == 1 ? PipeCondition::New : PipeCondition::NonNew;
}

// Every wall of every outer diameter, each with the calculation diameter as the screen writes it
// into its diameter input and reads it back.
QList<CatalogSize> steelSizes(const ConditionChoices& chosen, const SteelCatalog& catalog)
{
    if (choiceAt(chosen, State) < 0)
        return {};
    QList<CatalogSize> sizes;
    for (const CatalogPipe& pipe : catalog.pipes)
        sizes.append({pipe.designation, readBack(calculationDiameter(pipe.outer, pipe.wall, conditionAt(chosen)))});
    return sizes;
}

// The one reading of a request as the steel calculation's input: the pipe is named
// "outer × wall" by the lists (either missing while not chosen), the conditions are in the order
// of the steel records. ν is taken as the screens' state field Label23 keeps it: as text.
SteelInput steelInput(const CalculationRequest& request)
{
    const ConditionChoices& chosen = request.conditions.chosen;
    SteelInput input;
    input.condition = conditionAt(chosen);
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
        input.outerDiameter = parseValue(pipe.value(0));
        input.wall = parseValue(pipe.value(1));
    }
    input.diameterMm = request.diameterMm;
    input.flow = request.conditions.flow;
    if (request.length)
        input.section = SteelSectionInput{*request.length, request.localLosses.counted, 0};
    return input;
}

CalculationOutcome steelOutcome(const CalculationRequest& request)
{
    SteelInput input = steelInput(request);
    // A find that stops does not stop the section: it goes on with the 1000i of the last find
    // that went through, read back as the screens keep it.
    if (input.section)
        input.section->storedThousandI = readBack(lastFoundThousandI(request, steelOutcome));
    const SteelResult result = steel::calculate(input);
    CalculationOutcome outcome;
    outcome.failed = result.failed;
    outcome.figures = result.figures;
    outcome.velocityWarning = result.velocityWarning;
    const Figures& figures = result.figures;
    if (!result.failed && figures.velocity) {
        const std::optional<double> exceeded = exceededVelocityLimit(*figures.velocity, input.systemTypePosition);
        outcome.velocity = VelocityVerdict{exceeded.value_or(velocityLimit(input.systemTypePosition)), exceeded.has_value()};
    }
    if (!result.failed && figures.velocity && figures.viscosity && input.condition == PipeCondition::NonNew)
        outcome.branch = quadraticRegime(*figures.velocity, *figures.viscosity) ? FormulaBranch::SteelQuadratic
                                                                                : FormulaBranch::SteelTransitional;
    if (result.section) {
        outcome.sectionFailed = result.section->failed;
        if (!outcome.failed)
            outcome.failed = result.section->failed;
        outcome.headLossText = result.section->text;
    }
    return outcome;
}

TableRecord steelRecord(int number, const QString& title, const QString& shortName, const StandardDocument& document,
                        const QStringList& outerDiameters, QStringList (*walls)(double))
{
    const std::shared_ptr<const SteelCatalog> catalog = steelCatalog(outerDiameters, walls);
    TableRecord record{number,
            title,
            {document},
            steelConditions(),
            [catalog](const ConditionChoices& chosen) { return steelSizes(chosen, *catalog); },
            describeCalculation,
            steelOutcome};
    record.shortName = shortName;
    return record;
}

}  // namespace

TableRecord waterGasRecord()
{
    return steelRecord(1, QStringLiteral("трубы стальные (газовые) d=6...150мм  (ГОСТ3262-75)"),
                       QStringLiteral("стальные водогазопроводные"),
                       {QStringLiteral("ГОСТ 3262-75"), QStringLiteral("g3262.doc")}, watergas::outerDiameters(),
                       watergas::walls);
}

TableRecord electricWeldedRecord()
{
    return steelRecord(2, QStringLiteral("трубы стальные ГОСТ 10704-91"), QStringLiteral("стальные электросварные"),
                       {QStringLiteral("ГОСТ 10704-91"), QStringLiteral("g10704.doc")},
                       electricwelded::outerDiameters(), electricwelded::walls);
}

}  // namespace calc::steel
