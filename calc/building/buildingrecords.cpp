#include "calc/building/buildingrecords.h"

#include "calc/building/buildinghydraulics.h"
#include "calc/building/coppercatalog.h"
#include "calc/building/pexalpexcatalog.h"
#include "calc/building/pexcatalog.h"
#include "calc/common/valueparse.h"

namespace calc::building {

namespace {

// The system, its temperature and the heat carrier, from the system's position among `kinds`.
QList<TableCondition> systemConditions(Material material, const QStringList& captions, const QList<SystemKind>& kinds,
                                  int systemPosition)
{
    auto kindAt = [kinds, systemPosition](const ConditionChoices& earlier) {
        const int chosen = choiceAt(earlier, systemPosition);
        return chosen >= 0 && chosen < kinds.size() ? kinds.at(chosen) : SystemKind::ColdWater;
    };
    return {fixedCondition(QStringLiteral("система"), captions, 0),
            {QStringLiteral("температура, °С"),
             [material, kindAt](const ConditionChoices& earlier) {
                 const SystemKind kind = kindAt(earlier);
                 return kind == SystemKind::ColdWater ? QStringList() : temperatures(material, kind);
             },
             -1},
            {QStringLiteral("теплоноситель"),
             [kindAt](const ConditionChoices& earlier) {
                 return kindAt(earlier) == SystemKind::Heating
                            ? QStringList{QStringLiteral("вода"), QStringLiteral("другой")}
                            : QStringList();
             },
             0}};
}

// The lists hold outer diameters; the inner one is the calculation diameter.
QList<CatalogSize> outerDiameterSizes(const QStringList& outerDiameters, const std::function<double(double)>& inner)
{
    return sizesOfItems(outerDiameters, [inner](const QString& outer) { return inner(parseValue(outer)); });
}

const QStringList polymerSystems{QStringLiteral("холодного водоснабжения"), QStringLiteral(" горячего водоснабжения"),
                                 QStringLiteral("отопления")};
const QList<SystemKind> polymerKinds{SystemKind::ColdWater, SystemKind::HotWater, SystemKind::Heating};

}  // namespace

TableRecord copperRecord()
{
    return {9,
            QStringLiteral("для медных труб СП40-108-2004"),
            {{QStringLiteral("СП 40-108-2004"), QStringLiteral("sp40_108_2004.doc")}},
            9,
            systemConditions(Material::Copper,
                             {QStringLiteral("холодного водоснабжения"),
                              QStringLiteral("циркуляционного горячего водоснабжения"),
                              QStringLiteral("подающие системы горячего водоснабжения"),
                              QStringLiteral("системы отопления")},
                             {SystemKind::ColdWater, SystemKind::HotWater, SystemKind::HotWaterSupply, SystemKind::Heating},
                             0),
            [](const ConditionChoices&) {
                QList<CatalogSize> sizes;
                for (const QString& outer : copper::outerDiameters())
                    for (const QString& wall : copper::walls(parseValue(outer)))
                        sizes.append({outer + QStringLiteral(" × ") + wall, parseValue(outer) - 2 * parseValue(wall)});
                return sizes;
            }};
}

TableRecord pexRecord()
{
    const QStringList series{QStringLiteral("SDR 13,6 (S6,3)"), QStringLiteral("SDR 11 (S5)"), QStringLiteral("SDR 9 (4)"),
                             QStringLiteral("SDR 7,4 (S3,2)"), QStringLiteral("SDR 6 (2,5)")};
    QList<TableCondition> conditions{fixedCondition(QStringLiteral("серия"), series, 0)};
    conditions += systemConditions(Material::Pex, polymerSystems, polymerKinds, 1);
    return {10,
            QStringLiteral("для труб из сшитого полиэтилена (PEX) СП 41-109-2005"),
            {{QStringLiteral("СП 41-109-2005"), QStringLiteral("sp41_109_2005.doc")}},
            10,
            conditions,
            [](const ConditionChoices& chosen) {
                const int position = choiceAt(chosen, 0);
                if (position < 0 || position > int(pex::Series::Sdr6))
                    return QList<CatalogSize>();
                const auto series = pex::Series(position);
                return outerDiameterSizes(pex::outerDiameters(series),
                                          [series](double outer) { return pex::innerDiameter(outer, series); });
            }};
}

TableRecord pexAlPexRecord()
{
    return {11,
            QStringLiteral("для металлопластиковых труб (PEX-AL-PEX)"),
            {{QStringLiteral("CП40-102-2000"), QStringLiteral("sp40_102_2000.doc")},
             {QStringLiteral("СП 41-102-98"), QStringLiteral("sp41_102_98.doc")}},
            11,
            systemConditions(Material::PexAlPex,
                             {QStringLiteral("Холодного водоснабжения"), QStringLiteral("Горячего водоснабжения"),
                              QStringLiteral("Отопления")},
                             polymerKinds, 0),
            [](const ConditionChoices&) { return outerDiameterSizes(pexalpex::outerDiameters(), pexalpex::innerDiameter); }};
}

}  // namespace calc::building
