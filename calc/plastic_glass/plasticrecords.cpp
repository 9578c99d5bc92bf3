#include "calc/plastic_glass/plasticrecords.h"

#include "calc/common/valueparse.h"
#include "calc/plastic_glass/glasscatalogs.h"
#include "calc/plastic_glass/plasticdescription.h"
#include "calc/plastic_glass/plasticglassmaterials.h"
#include "calc/plastic_glass/polyethylenecatalog.h"
#include "calc/simple/simpleoutcome.h"

#include <algorithm>
#include <iterator>

namespace calc {

TableRecord polyethyleneRecord()
{
    namespace pe = plastic_glass::polyethylene;
    QStringList materials;
    for (pe::Material material : pe::materials)
        materials << pe::caption(material);
    QStringList series;
    for (pe::Series each : pe::allSeries)
        series << pe::caption(each);
    const int firstMaterialSeries =
        int(std::distance(std::begin(pe::allSeries),
                          std::find(std::begin(pe::allSeries), std::end(pe::allSeries), pe::defaultSeries(pe::materials[0]))));
    return {5,
            QStringLiteral(" для пластмассовых труб (ГОСТ 18599-2001)"),
            {{QStringLiteral("ГОСТ 18599-2001"), QStringLiteral("g18599.doc")}},
            {fixedCondition(QStringLiteral("полиэтилен"), materials, 0),
             unchosenAllowed(fixedCondition(QStringLiteral("серия"), series, firstMaterialSeries))},
            [](const ConditionChoices& chosen) {
                const int material = choiceAt(chosen, 0);
                const int seriesPosition = choiceAt(chosen, 1);
                if (material < 0 || material >= int(std::size(pe::materials)) || seriesPosition < 0
                    || seriesPosition >= int(std::size(pe::allSeries)))
                    return QList<CatalogSize>();
                const pe::Series series = pe::allSeries[seriesPosition];
                return sizesOfItems(pe::sizes(pe::materials[material], series),
                                    [series](const QString& item) { return pe::innerDiameter(series, item); });
            },
            plastic_glass::describePolyethylene,
            [](const CalculationRequest& request) { return simple::outcome(plastic_glass::polyethyleneMaterial, request); },
            {},
            QStringLiteral("полиэтиленовые"),
            {0, 1}};
}

TableRecord glassFibreRecord()
{
    TableRecord record{7,
            QStringLiteral("для  стеклопластиковых труб СП 40-104-2001"),
            {{QStringLiteral("СП 40-104-2001"), QStringLiteral("sp40_104_2001.doc")}},
            {},
            [](const ConditionChoices&) {
                return sizesOfItems(plastic_glass::glassfibre::innerDiameters(), parseValue);
            },
            plastic_glass::describeGlassFibre,
            [](const CalculationRequest& request) { return simple::outcome(plastic_glass::glassFibreMaterial, request); },
            {},
            QStringLiteral("стеклопластиковые")};
    record.formulaSource = QStringLiteral("СП 40-104-2001");
    return record;
}

TableRecord glassRecord()
{
    return {8,
            QStringLiteral("для стеклянных труб ГОСТ 8894-86"),
            {{QStringLiteral("ГОСТ 8894-86"), QStringLiteral("g8894.doc")}},
            {},
            [](const ConditionChoices&) {
                return sizesOfItems(plastic_glass::glass::outerDiameters(), plastic_glass::glass::innerDiameter);
            },
            plastic_glass::describeGlass,
            [](const CalculationRequest& request) { return simple::outcome(plastic_glass::glassMaterial, request); },
            {},
            QStringLiteral("стеклянные")};
}

}  // namespace calc
