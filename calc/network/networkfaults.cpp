#include "calc/network/networkfaults.h"

#include "calc/carrier/heatload.h"
#include "calc/common/numbertext.h"
#include "calc/fixtures/fixtureflow.h"
#include "calc/network/networktree.h"

#include <cmath>

namespace calc::network {

namespace {

QString inColumn(const QString& section, const QString& column, const QString& fault)
{
    return QStringLiteral("Участок «%1», графа «%2»: %3").arg(section, column, fault);
}

bool atLeastZero(double value) { return std::isfinite(value) && value >= 0; }

// The first fault of the checks in their order.
template <typename... Faults>
QString firstOf(const Faults&... faults)
{
    for (const QString& fault : {faults...})
        if (!fault.isEmpty())
            return fault;
    return {};
}

// A node left empty makes the table a list, not a fault: only a name too long is refused here.
QString rowFault(const NetworkSection& section)
{
    const QString& number = section.number;
    for (const auto& [column, name] : {std::pair{startColumn, section.start}, std::pair{endColumn, section.end}})
        if (!nodeName(name).isEmpty()) {
            const QString fault = nodeNameFault(number, column, name);
            if (!fault.isEmpty())
                return fault;
        }
    return firstOf(section.fixturesAtEnd ? fixturesFault(number, *section.fixturesAtEnd) : QString(),
                   section.endHeight ? endHeightFault(number, *section.endHeight) : QString(),
                   section.endHead ? endHeadFault(number, *section.endHead) : QString(),
                   section.unitAtEnd ? unitFault(number, *section.unitAtEnd) : QString());
}

QString headFault(double value, const QString& named)
{
    return atLeastZero(value) ? QString() : named + QStringLiteral(" не могут быть отрицательными");
}

}  // namespace

QString nodeNameFault(const QString& section, const QString& column, const QString& name)
{
    const QString node = nodeName(name);
    if (node.isEmpty())
        return inColumn(section, column, QStringLiteral("имя узла не задано"));
    if (node.size() > maxNodeNameLength)
        return inColumn(section, column,
                        QStringLiteral("имя узла длиннее %1 знаков").arg(maxNodeNameLength));
    return {};
}

QString endHeightFault(const QString& section, double height)
{
    return atLeastZero(height) ? QString()
                               : inColumn(section, heightColumn,
                                          QStringLiteral("высота прибора над вводом не может быть отрицательной"));
}

QString endHeadFault(const QString& section, double head)
{
    return atLeastZero(head) ? QString()
                             : inColumn(section, freeHeadColumn,
                                        QStringLiteral("свободный напор у прибора не может быть отрицательным"));
}

QString fixturesFault(const QString& section, const FixturesAtEnd& fixtures)
{
    const double n = fixtures.count;
    if (!atLeastZero(n) || n != std::floor(n) || n > fixtures::maxFixtures)
        return inColumn(section, fixturesColumn,
                        QStringLiteral("число приборов должно быть целым числом от 0 до ")
                            + numberText(fixtures::maxFixtures));
    if (!atLeastZero(fixtures.consumers) || fixtures.consumers > fixtures::maxConsumers)
        return inColumn(section, consumersColumn,
                        QStringLiteral("число потребителей должно быть от 0 до ") + numberText(fixtures::maxConsumers));
    return {};
}

QString unitFault(const QString& section, const UnitAtEnd& unit)
{
    if (!std::isfinite(unit.heat) || unit.heat <= 0)
        return inColumn(section, heatColumn, QStringLiteral("у прибора нет тепловой нагрузки"));
    if (unit.heat > carrier::maxLoad)
        return inColumn(section, heatColumn,
                        QStringLiteral("тепловая нагрузка больше ") + numberText(carrier::maxLoad) + QStringLiteral(" Вт"));
    if (!atLeastZero(unit.pressureLoss))
        return inColumn(section, unitLossColumn,
                        QStringLiteral("потери давления в приборе не могут быть отрицательными"));
    return {};
}

QString waterSystemFault(const WaterSupplySystem& system)
{
    const double q0 = system.fixtureFlow;
    if (!std::isfinite(q0) || q0 < fixtures::minFixtureFlow || q0 > fixtures::maxFixtureFlow)
        return QStringLiteral("Расход прибора q0 должен быть от %1 до %2 л/с")
            .arg(numberText(fixtures::minFixtureFlow), numberText(fixtures::maxFixtureFlow));
    const double norm = system.hourNorm;
    if (!std::isfinite(norm) || norm <= 0 || norm > fixtures::maxHourNorm)
        return QStringLiteral("Норма расхода q_hr,u должна быть больше 0 и не больше %1 л/ч")
            .arg(numberText(fixtures::maxHourNorm));
    if (!std::isfinite(system.velocityLimit) || system.velocityLimit <= 0)
        return QStringLiteral("Предельная скорость должна быть больше нуля");
    const QString guaranteed =
        system.guaranteed && !atLeastZero(*system.guaranteed)
            ? QStringLiteral("Гарантированный напор H_g не может быть отрицательным")
            : QString();
    return firstOf(headFault(system.meters, QStringLiteral("Потери напора в водомерах ΣH_вод")),
                   headFault(system.heater, QStringLiteral("Потери напора в водонагревателе H_тепл")),
                   headFault(system.inlet, QStringLiteral("Потери напора на вводе H_ввод")), guaranteed);
}

QString heatingSystemFault(const HeatingSystem& system)
{
    const double drop = system.temperatureDrop;
    if (!std::isfinite(drop) || drop <= 0)
        return QStringLiteral("Разность температур Δt должна быть больше нуля");
    if (drop < carrier::minTemperatureDrop || drop > carrier::maxTemperatureDrop)
        return QStringLiteral("Разность температур Δt должна быть от %1 до %2 °С")
            .arg(numberText(carrier::minTemperatureDrop), numberText(carrier::maxTemperatureDrop));
    if (!std::isfinite(system.reserve) || system.reserve < 0 || system.reserve > 1)
        return QStringLiteral("Запас напора насоса должен быть от 0 до 100 %");
    if (!std::isfinite(system.heatCapacity) || system.heatCapacity < carrier::minHeatCapacity
        || system.heatCapacity > carrier::maxHeatCapacity)
        return QStringLiteral("Теплоёмкость теплоносителя c не задана или вне пределов от %1 до %2 кДж/(кг·К)")
            .arg(numberText(carrier::minHeatCapacity), numberText(carrier::maxHeatCapacity));
    if (!std::isfinite(system.density) || system.density <= 0)
        return QStringLiteral("Плотность теплоносителя ρ не задана");
    return {};
}

QString waterInputFault(const QList<NetworkSection>& sections, const WaterSupplySystem& system)
{
    for (const NetworkSection& section : sections)
        if (const QString fault = rowFault(section); !fault.isEmpty())
            return fault;
    return waterSystemFault(system);
}

QString heatingInputFault(const QList<NetworkSection>& sections, const HeatingSystem& system)
{
    for (const NetworkSection& section : sections)
        if (const QString fault = rowFault(section); !fault.isEmpty())
            return fault;
    return heatingSystemFault(system);
}

}  // namespace calc::network
