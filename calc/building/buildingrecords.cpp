#include "calc/building/buildingrecords.h"

#include "calc/building/buildingcalculation.h"
#include "calc/building/buildingdescription.h"
#include "calc/building/buildinghydraulics.h"
#include "calc/building/buildingtexts.h"
#include "calc/building/coppercatalog.h"
#include "calc/building/pexalpexcatalog.h"
#include "calc/building/pexcatalog.h"
#include "calc/common/verdicts.h"
#include "calc/common/valueparse.h"

#include <memory>

namespace calc::building {

namespace {

// A screen's system options with, for the choice at systemPosition, its temperature and its heat
// carrier after it; built once per record.
struct SystemOptions {
    Material material;
    QList<SystemKind> kinds;
    int systemPosition;
    QList<QList<double>> temperatures;  // the values of each kind's temperature list

    SystemKind kindAt(const ConditionChoices& chosen) const
    {
        const int position = choiceAt(chosen, systemPosition);
        return position >= 0 && position < kinds.size() ? kinds.at(position) : SystemKind::ColdWater;
    }
};

std::shared_ptr<const SystemOptions> systemOptions(Material material, const QList<SystemKind>& kinds, int systemPosition)
{
    auto built = std::make_shared<SystemOptions>(SystemOptions{material, kinds, systemPosition, {}});
    for (SystemKind kind : kinds) {
        QList<double> values;
        if (kind != SystemKind::ColdWater)
            for (const QString& item : temperatures(material, kind))
                values.append(parseValue(item));
        built->temperatures.append(values);
    }
    return built;
}

QList<TableCondition> systemConditions(const std::shared_ptr<const SystemOptions>& systems, const QStringList& captions)
{
    return {fixedCondition(QStringLiteral("система"), captions, 0),
            {QStringLiteral("температура, °С"),
             [systems](const ConditionChoices& earlier) {
                 const SystemKind kind = systems->kindAt(earlier);
                 return kind == SystemKind::ColdWater ? QStringList() : temperatures(systems->material, kind);
             },
             -1},
            {QStringLiteral("теплоноситель"),
             [systems](const ConditionChoices& earlier) {
                 return systems->kindAt(earlier) == SystemKind::Heating
                            ? QStringList{QStringLiteral("вода"), QStringLiteral("другой")}
                            : QStringList();
             },
             0}};
}

// The one reading of a request as a building section. A find alone takes a section of 1 m: v, i
// and R do not depend on the length. A copper pipe is named "outer × wall" by the lists, the wall
// missing while none is chosen.
SectionInput sectionInput(const CalculationRequest& request, const SystemOptions& systems)
{
    const ConditionChoices& chosen = request.conditions.chosen;
    const int system = choiceAt(chosen, systems.systemPosition);
    const int temperature = choiceAt(chosen, systems.systemPosition + 1);
    SectionInput input;
    input.material = systems.material;
    input.kind = systems.kindAt(chosen);
    if (request.conditions.temperature)
        input.temperature = *request.conditions.temperature;
    else if (system >= 0 && system < systems.temperatures.size() && temperature >= 0
             && temperature < systems.temperatures.at(system).size())
        input.temperature = systems.temperatures.at(system).at(temperature);
    if (input.kind == SystemKind::Heating && choiceAt(chosen, systems.systemPosition + 2) == 1) {
        input.carrier = HeatCarrier::Other;
        input.typedDensity = request.conditions.carrierDensity;
        input.typedViscosityE6 = request.conditions.carrierViscosityE6;
        if (request.carrier) {
            input.referenceCarrier = true;
            if (input.temperature == 0)
                input.temperature = request.carrier->temperature;
        }
    }
    input.flow = request.conditions.flow;
    input.diameterMm = request.diameterMm;
    input.typedDiameter = request.size.isEmpty();
    input.wallChosen = !input.typedDiameter && parseValue(request.size.section(QStringLiteral(" × "), 1)) != 0;
    input.length = request.length.value_or(1);
    const LocalLosses& losses = request.localLosses;
    for (int row = 0; row < fittingRows && row < losses.fittingCounts.size(); ++row)
        input.fittings[row] = {losses.fittingCounts.at(row) != 0, losses.fittingCounts.at(row)};
    if (losses.otherResistance)
        input.otherResistance = {true, *losses.otherResistance};
    return input;
}

CalculationOutcome buildingOutcome(const CalculationRequest& request, const SystemOptions& systems)
{
    const SectionInput input = sectionInput(request, systems);
    const SectionResult result = calculateSection(input);
    CalculationOutcome outcome;
    outcome.failed = result.failed;
    outcome.figures = result.figures;
    outcome.friction = result.friction;
    outcome.system = input.kind;
    outcome.stopReason = result.stopReason;
    outcome.viscosityE6 = result.viscosityE6;
    outcome.waterDensity = result.waterDensity;
    if (result.advice) {
        outcome.advice = result.advice->label.text.value_or(QString());
        outcome.adviceLabel = result.advice->label;
        outcome.adviceTooltip = result.advice->tooltip;
    }
    if (result.failed)
        return outcome;
    const Figures& figures = result.figures;
    outcome.velocity = VelocityVerdict{velocityLimit(input.kind), tooFast(*figures.velocity, input.kind)};
    if (!request.length) {
        outcome.figures.headLoss.reset();
        outcome.figures.headLossPressure.reset();
        outcome.figures.pressureDrop.reset();
        return outcome;
    }
    if (figures.pressureDrop)
        outcome.headLossText = heatingDropResult(input.material, *figures.pressureDrop);
    else if (figures.headLoss)
        outcome.headLossText = headLossResult(input.material, *figures.headLoss);
    return outcome;
}

using Sizes = std::function<QList<CatalogSize>(const ConditionChoices& chosen)>;

// The table's own conditions (a series) name the pipe with its size; the system's follow them.
TableRecord buildingRecord(int number, const QString& title, const QString& shortName,
                           const QList<StandardDocument>& documents, const QString& formulaSource,
                           QList<TableCondition> conditions,
                           const std::shared_ptr<const SystemOptions>& systems, const QStringList& systemCaptions,
                           const Sizes& sizes)
{
    QList<int> naming;
    for (int position = 0; position < conditions.size(); ++position)
        naming << position;
    conditions += systemConditions(systems, systemCaptions);
    QStringList fittings;
    for (int row = 1; row <= fittingRows; ++row)
        fittings << fittingCaption(systems->material, row);
    return {number,
            title,
            documents,
            conditions,
            sizes,
            describer(systems->material),
            [systems](const CalculationRequest& request) { return buildingOutcome(request, *systems); },
            fittings,
            shortName,
            naming,
            3,
            [systems](const ConditionChoices& chosen) { return systems->kindAt(chosen) == SystemKind::Heating; },
            formulaSource};
}

// The lists hold outer diameters; the inner one is the calculation diameter, as the screen writes
// it into its diameter input and reads it back.
QList<CatalogSize> outerDiameterSizes(const QStringList& outerDiameters, const std::function<double(double)>& inner)
{
    return sizesOfItems(outerDiameters, [inner](const QString& outer) { return readBack(inner(parseValue(outer))); });
}

const QStringList polymerSystems{QStringLiteral("холодного водоснабжения"), QStringLiteral(" горячего водоснабжения"),
                                 QStringLiteral("отопления")};
const QList<SystemKind> polymerKinds{SystemKind::ColdWater, SystemKind::HotWater, SystemKind::Heating};

}  // namespace

TableRecord copperRecord()
{
    return buildingRecord(
        9, QStringLiteral("для медных труб СП40-108-2004"), QStringLiteral("медные"),
        {{QStringLiteral("СП 40-108-2004"), QStringLiteral("sp40_108_2004.doc")}}, QStringLiteral("СП 40-108-2004"), {},
        systemOptions(Material::Copper,
                {SystemKind::ColdWater, SystemKind::HotWater, SystemKind::HotWaterSupply, SystemKind::Heating}, 0),
        {QStringLiteral("холодного водоснабжения"), QStringLiteral("циркуляционного горячего водоснабжения"),
         QStringLiteral("подающие системы горячего водоснабжения"), QStringLiteral("системы отопления")},
        [](const ConditionChoices&) {
            QList<CatalogSize> sizes;
            for (const QString& outer : copper::outerDiameters())
                for (const QString& wall : copper::walls(parseValue(outer)))
                    sizes.append({copper::designation(outer, wall), readBack(parseValue(outer) - 2 * parseValue(wall))});
            return sizes;
        });
}

TableRecord pexRecord()
{
    const QStringList series{QStringLiteral("SDR 13,6 (S6,3)"), QStringLiteral("SDR 11 (S5)"), QStringLiteral("SDR 9 (4)"),
                             QStringLiteral("SDR 7,4 (S3,2)"), QStringLiteral("SDR 6 (2,5)")};
    return buildingRecord(10, QStringLiteral("для труб из сшитого полиэтилена (PEX) СП 41-109-2005"), QStringLiteral("PEX"),
                          {{QStringLiteral("СП 41-109-2005"), QStringLiteral("sp41_109_2005.doc")}}, QStringLiteral("СП 41-109-2005"),
                          {fixedCondition(QStringLiteral("серия"), series, 0)}, systemOptions(Material::Pex, polymerKinds, 1),
                          polymerSystems, [](const ConditionChoices& chosen) {
                              const int position = choiceAt(chosen, 0);
                              if (position < 0 || position > int(pex::Series::Sdr6))
                                  return QList<CatalogSize>();
                              const auto series = pex::Series(position);
                              return outerDiameterSizes(pex::outerDiameters(series), [series](double outer) {
                                  return pex::innerDiameter(outer, series);
                              });
                          });
}

TableRecord pexAlPexRecord()
{
    return buildingRecord(11, QStringLiteral("для металлопластиковых труб (PEX-AL-PEX)"), QStringLiteral("PEX-AL-PEX"),
                          {{QStringLiteral("CП40-102-2000"), QStringLiteral("sp40_102_2000.doc")},
                           {QStringLiteral("СП 41-102-98"), QStringLiteral("sp41_102_98.doc")}},
                          QStringLiteral("СП 41-102-98"),
                          {}, systemOptions(Material::PexAlPex, polymerKinds, 0),
                          {QStringLiteral("Холодного водоснабжения"), QStringLiteral("Горячего водоснабжения"),
                           QStringLiteral("Отопления")},
                          [](const ConditionChoices&) {
                              return outerDiameterSizes(pexalpex::outerDiameters(), pexalpex::innerDiameter);
                          });
}

}  // namespace calc::building
