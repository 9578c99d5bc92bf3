#include "report/networkfile.h"

#include "calc/network/networkfaults.h"

#include <QStringList>
#include <cmath>

namespace report {

namespace network = calc::network;

namespace {

const QString startKey = QStringLiteral("start");
const QString endKey = QStringLiteral("end");
const QString fixturesKey = QStringLiteral("fixturesAtEnd");
const QString heightKey = QStringLiteral("endHeight");
const QString headKey = QStringLiteral("endHead");
const QString unitKey = QStringLiteral("unitAtEnd");
const QString flowKey = QStringLiteral("flow");

QString fieldFault(const QString& field) { return QStringLiteral("поле «%1»").arg(field); }

// The numbers of an object with exactly these names, in their order; a fault naming the field.
QString readNumbers(const QJsonValue& value, const QString& field, const QStringList& names, QList<double*> targets,
                    const QStringList& optional = {})
{
    if (!value.isObject())
        return fieldFault(field);
    const QJsonObject object = value.toObject();
    for (auto member = object.begin(); member != object.end(); ++member)
        if (!names.contains(member.key()))
            return QStringLiteral("у поля «%1» нет свойства «%2»").arg(field, member.key());
    for (qsizetype k = 0; k < names.size(); ++k) {
        const QJsonValue member = object.value(names.at(k));
        if (member.isUndefined() && optional.contains(names.at(k)))
            continue;
        // Every figure of the network is a number not below zero.
        if (!member.isDouble() || !std::isfinite(member.toDouble()) || member.toDouble() < 0)
            return fieldFault(field + QLatin1Char('.') + names.at(k));
        *targets.at(k) = member.toDouble();
    }
    return {};
}

std::optional<double> optionalNumber(const QJsonObject& object, const QString& key, QString& fault)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return std::nullopt;
    if (!value.isDouble() && fault.isEmpty())
        fault = fieldFault(key);
    return value.toDouble();
}

}  // namespace

void addNetworkFields(QJsonObject& object, const Section& section, bool inNetwork)
{
    if (!section.start.isEmpty())
        object.insert(startKey, section.start);
    if (!section.end.isEmpty())
        object.insert(endKey, section.end);
    if (const auto& fixtures = section.fixturesAtEnd)
        object.insert(fixturesKey, QJsonObject{{QStringLiteral("count"), fixtures->count},
                                               {QStringLiteral("consumers"), fixtures->consumers}});
    if (section.endHeight)
        object.insert(heightKey, *section.endHeight);
    if (section.endHead)
        object.insert(headKey, *section.endHead);
    if (const auto& unit = section.unitAtEnd)
        object.insert(unitKey, QJsonObject{{QStringLiteral("heat"), unit->heat},
                                           {QStringLiteral("pressureLoss"), unit->pressureLoss}});
    if (inNetwork && !section.flowTyped)
        object.remove(flowKey);
}

QJsonObject networkObject(TableKind kind, const NetworkSettings& settings)
{
    if (kind == TableKind::Heating)
        return {{QStringLiteral("temperatureDrop"), settings.heating.temperatureDrop},
                {QStringLiteral("reserve"), settings.heating.reserve},
                {QStringLiteral("bothPipes"), settings.heating.bothPipes}};
    const network::WaterSupplySystem& water = settings.water;
    QJsonObject object{{QStringLiteral("fixtureFlow"), water.fixtureFlow}, {QStringLiteral("hourNorm"), water.hourNorm},
                       {QStringLiteral("velocityLimit"), water.velocityLimit}, {QStringLiteral("meters"), water.meters},
                       {QStringLiteral("heater"), water.heater}, {QStringLiteral("inlet"), water.inlet}};
    if (water.guaranteed)
        object.insert(QStringLiteral("guaranteed"), *water.guaranteed);
    return object;
}

bool flowFollowsNetwork(const QJsonObject& object)
{
    return object.contains(startKey) && object.contains(endKey) && !object.contains(flowKey);
}

QString readNetworkFields(const QJsonObject& object, Section& section)
{
    for (const auto& [key, target, column] : {std::tuple{startKey, &section.start, network::startColumn},
                                              std::tuple{endKey, &section.end, network::endColumn}}) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            continue;
        if (!value.isString())
            return fieldFault(key);
        *target = value.toString().trimmed();
        if (const QString fault = network::nodeNameFault(section.number, column, *target); !fault.isEmpty())
            return fault;
    }
    section.flowTyped = !section.start.isEmpty() && !section.end.isEmpty() && object.contains(flowKey);
    if (object.contains(fixturesKey)) {
        network::FixturesAtEnd fixtures;
        if (QString fault = readNumbers(object.value(fixturesKey), fixturesKey, {QStringLiteral("count"), QStringLiteral("consumers")},
                                        {&fixtures.count, &fixtures.consumers}, {QStringLiteral("consumers")});
            !fault.isEmpty())
            return fault;
        if (QString fault = network::fixturesFault(section.number, fixtures); !fault.isEmpty())
            return fault;
        section.fixturesAtEnd = fixtures;
    }
    QString fault;
    section.endHeight = optionalNumber(object, heightKey, fault);
    section.endHead = optionalNumber(object, headKey, fault);
    if (fault.isEmpty() && section.endHeight)
        fault = network::endHeightFault(section.number, *section.endHeight);
    if (fault.isEmpty() && section.endHead)
        fault = network::endHeadFault(section.number, *section.endHead);
    if (!fault.isEmpty())
        return fault;
    if (object.contains(unitKey)) {
        network::UnitAtEnd unit;
        if (QString unitFault = readNumbers(object.value(unitKey), unitKey, {QStringLiteral("heat"), QStringLiteral("pressureLoss")},
                                            {&unit.heat, &unit.pressureLoss});
            !unitFault.isEmpty())
            return unitFault;
        if (QString unitFault = network::unitFault(section.number, unit); !unitFault.isEmpty())
            return unitFault;
        section.unitAtEnd = unit;
    }
    return {};
}

std::optional<TableKind> networkKind(const QJsonValue& value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    return object.contains(QStringLiteral("temperatureDrop")) || object.contains(QStringLiteral("bothPipes"))
               ? TableKind::Heating
               : TableKind::WaterSupply;
}

QString readNetworkSettings(const QJsonValue& value, NetworkSettings& settings)
{
    if (value.isUndefined())
        return {};
    const QString field = QStringLiteral("network");
    if (!value.isObject())
        return fieldFault(field);
    const QJsonObject object = value.toObject();
    if (networkKind(value) == TableKind::Heating) {
        network::HeatingSystem& heating = settings.heating;
        const QJsonValue both = object.value(QStringLiteral("bothPipes"));
        if (!both.isBool())
            return fieldFault(field + QStringLiteral(".bothPipes"));
        heating.bothPipes = both.toBool();
        QJsonObject numbers = object;
        numbers.remove(QStringLiteral("bothPipes"));
        if (QString fault = readNumbers(numbers, field, {QStringLiteral("temperatureDrop"), QStringLiteral("reserve")},
                                        {&heating.temperatureDrop, &heating.reserve});
            !fault.isEmpty())
            return fault;
        network::HeatingSystem own = heating;
        own.heatCapacity = 4;
        own.density = 1;
        return network::heatingSystemFault(own);
    }
    network::WaterSupplySystem& water = settings.water;
    double guaranteed = -1;
    if (QString fault = readNumbers(object, field,
                                    {QStringLiteral("fixtureFlow"), QStringLiteral("hourNorm"), QStringLiteral("velocityLimit"),
                                     QStringLiteral("meters"), QStringLiteral("heater"), QStringLiteral("inlet"),
                                     QStringLiteral("guaranteed")},
                                    {&water.fixtureFlow, &water.hourNorm, &water.velocityLimit, &water.meters, &water.heater,
                                     &water.inlet, &guaranteed},
                                    {QStringLiteral("guaranteed")});
        !fault.isEmpty())
        return fault;
    if (object.contains(QStringLiteral("guaranteed")))
        water.guaranteed = guaranteed;
    // q0 and q_hr,u not set yet are kept as they are: the table says so when it is a network.
    return {};
}

}  // namespace report
