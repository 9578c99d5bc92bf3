#include "report/sectionfile.h"

#include "calc/carrier/carrierreference.h"
#include "calc/carrier/heatload.h"
#include "calc/common/namedrequest.h"
#include "calc/fixtures/fixtureflow.h"
#include "calc/fixtures/fixturekinds.h"
#include "calc/network/networktree.h"
#include "report/networkfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cmath>
#include <optional>

namespace report {

namespace {

const QString formatName = QStringLiteral("talvertable-sections");
const QString litresPerSecond = QStringLiteral("l/s");
const QString cubicMetresPerHour = QStringLiteral("m3/h");

QJsonObject sectionObject(const Section& section, const calc::TableRecord& record)
{
    const calc::CalculationRequest& request = section.request;
    QJsonObject conditions;
    for (const calc::NamedChoice& choice : calc::namedChoices(record, request.conditions.chosen))
        conditions.insert(choice.condition, choice.item);
    QJsonObject object{
        {QStringLiteral("number"), section.number},
        {QStringLiteral("table"), request.table},
        {QStringLiteral("conditions"), conditions},
        {QStringLiteral("flow"), request.conditions.flow.value},
        {QStringLiteral("flowUnit"),
         request.conditions.flow.unit == calc::FlowUnit::LitresPerSecond ? litresPerSecond : cubicMetresPerHour},
    };
    if (request.size.isEmpty())
        object.insert(QStringLiteral("diameter"), request.diameterMm);
    else
        object.insert(QStringLiteral("size"), request.size);
    if (request.conditions.carrierViscosityE6 != 0 || request.conditions.carrierDensity != 0) {
        QJsonObject carrier{{QStringLiteral("density"), request.conditions.carrierDensity},
                            {QStringLiteral("viscosity"), request.conditions.carrierViscosityE6}};
        if (const std::optional<calc::ReferenceCarrier>& reference = request.carrier) {
            carrier.insert(QStringLiteral("kind"), calc::carrier::fluidName(reference->kind));
            if (reference->kind != calc::CarrierKind::Water)
                carrier.insert(QStringLiteral("concentration"), reference->concentration);
            carrier.insert(QStringLiteral("temperature"), reference->temperature);
            carrier.insert(QStringLiteral("heatCapacity"), reference->heatCapacity);
        }
        object.insert(QStringLiteral("carrier"), carrier);
    }
    if (const std::optional<calc::HeatLoad>& load = request.load)
        object.insert(QStringLiteral("load"), QJsonObject{{QStringLiteral("heat"), load->heat},
                                                          {QStringLiteral("delta"), load->temperatureDrop},
                                                          {QStringLiteral("heatCapacity"), load->heatCapacity}});
    if (const std::optional<calc::FixtureSupply>& fixtures = request.fixtures) {
        QJsonObject supply{{QStringLiteral("count"), fixtures->fixtures},
                           {QStringLiteral("fixtureFlow"), fixtures->fixtureFlow}};
        if (fixtures->probability) {
            supply.insert(QStringLiteral("probability"), *fixtures->probability);
        } else {
            supply.insert(QStringLiteral("consumers"), fixtures->consumers);
            supply.insert(QStringLiteral("hourNorm"), fixtures->hourNorm);
        }
        if (!fixtures->fixtureKind.isEmpty()) {
            supply.insert(QStringLiteral("fixture"), fixtures->fixtureKind);
            supply.insert(QStringLiteral("water"), calc::fixtures::waterName(fixtures->water));
        }
        object.insert(QStringLiteral("fixtures"), supply);
    }
    if (request.length)
        object.insert(QStringLiteral("length"), *request.length);
    const calc::LocalLosses& losses = request.localLosses;
    if (losses.counted)
        object.insert(QStringLiteral("localLosses"), true);
    QJsonObject fittings;
    for (qsizetype row = 0; row < losses.fittingCounts.size() && row < record.fittings.size(); ++row)
        if (losses.fittingCounts.at(row) != 0)
            fittings.insert(record.fittings.at(row), losses.fittingCounts.at(row));
    if (!fittings.isEmpty())
        object.insert(QStringLiteral("fittings"), fittings);
    if (losses.otherResistance)
        object.insert(QStringLiteral("otherResistance"), *losses.otherResistance);
    return object;
}

// The reading of one section's object; a missing or mistyped field names the field.
class SectionReader {
public:
    explicit SectionReader(const QJsonObject& object) : object(object) {}

    QString missing;  // the first field that is missing or of the wrong type
    bool flowFollows = false;  // a section of a network may leave its flow to it

    QString text(const char* name, bool required = true)
    {
        const QJsonValue value = object.value(QLatin1String(name));
        if (value.isString())
            return value.toString();
        fail(name, value, required);
        return {};
    }
    std::optional<double> number(const char* name, bool required = true)
    {
        const QJsonValue value = object.value(QLatin1String(name));
        if (value.isDouble())
            return value.toDouble();
        fail(name, value, required);
        return std::nullopt;
    }
    bool flag(const char* name)
    {
        const QJsonValue value = object.value(QLatin1String(name));
        if (!value.isBool())
            fail(name, value, false);
        return value.toBool();
    }
    // The fields of an object, each a text or each a number as `textValues` says, but for the
    // names in `texts`, which are texts; none where the object is missing and not required.
    QList<std::pair<QString, QJsonValue>> members(const char* name, bool textValues, bool required = true,
                                                  const QStringList& texts = {})
    {
        const QJsonValue value = object.value(QLatin1String(name));
        QList<std::pair<QString, QJsonValue>> fields;
        if (!value.isObject()) {
            fail(name, value, required);
            return fields;
        }
        const QJsonObject members = value.toObject();
        for (auto member = members.begin(); member != members.end(); ++member) {
            if (textValues || texts.contains(member.key()) ? !member->isString() : !member->isDouble()) {
                fail(name, QJsonValue(), true);
                return {};
            }
            fields.append({member.key(), member.value()});
        }
        return fields;
    }
    QList<double> numbers(const char* name, bool required = true)
    {
        const QJsonValue value = object.value(QLatin1String(name));
        QList<double> values;
        if (!value.isArray()) {
            fail(name, value, required);
            return values;
        }
        for (const QJsonValue& each : value.toArray()) {
            if (!each.isDouble()) {
                fail(name, QJsonValue(), true);
                return {};
            }
            values << each.toDouble();
        }
        return values;
    }

private:
    void fail(const char* name, const QJsonValue& value, bool required)
    {
        if (missing.isEmpty() && (required || !value.isUndefined()))
            missing = QString::fromLatin1(name);
    }

    QJsonObject object;
};

// The fields both versions share: the flow, its unit, the section and its local losses.
void readFlowAndSection(SectionReader& reader, calc::CalculationRequest& request)
{
    request.conditions.flow.value = reader.number("flow", !reader.flowFollows).value_or(0);
    const QString unit = reader.text("flowUnit");
    if (unit != litresPerSecond && unit != cubicMetresPerHour && reader.missing.isEmpty())
        reader.missing = QStringLiteral("flowUnit");
    request.conditions.flow.unit =
        unit == cubicMetresPerHour ? calc::FlowUnit::CubicMetresPerHour : calc::FlowUnit::LitresPerSecond;
    request.length = reader.number("length", false);
    request.localLosses.otherResistance = reader.number("otherResistance", false);
}

// Version 1 kept the conditions and fittings by their positions in the lists of its day, and a
// position even where the other choices leave a list empty (the carrier of water supply, the
// temperature of cold water): there it is no choice.
calc::CalculationRequest readFirstVersion(SectionReader& reader, const calc::TableRecord& record)
{
    calc::CalculationRequest request;
    calc::ConditionChoices chosen;
    for (double choice : reader.numbers("conditions"))
        chosen << (choice == std::floor(choice) && std::abs(choice) < 1e6 ? int(choice) : -2);
    request.conditions.chosen = calc::shownChoices(record, chosen);
    readFlowAndSection(reader, request);
    request.conditions.carrierViscosityE6 = reader.number("carrierViscosityE6", false).value_or(0);
    request.conditions.carrierDensity = reader.number("carrierDensity", false).value_or(0);
    request.size = reader.text("size");
    request.diameterMm = reader.number("diameterMm").value_or(0);
    request.localLosses.counted = reader.flag("localLossesCounted");
    request.localLosses.fittingCounts = reader.numbers("fittingCounts", false);
    return request;
}

// The carrier's ρ and ν; with a kind, the carrier taken from the reference.
void readCarrier(SectionReader& reader, calc::CalculationRequest& request, QString& fault)
{
    calc::ReferenceCarrier reference;
    std::optional<QString> kind;
    for (const auto& [name, value] : reader.members("carrier", false, false, {QStringLiteral("kind")})) {
        if (name == QLatin1StringView("density"))
            request.conditions.carrierDensity = value.toDouble();
        else if (name == QLatin1StringView("viscosity"))
            request.conditions.carrierViscosityE6 = value.toDouble();
        else if (name == QLatin1StringView("kind"))
            kind = value.toString();
        else if (name == QLatin1StringView("concentration"))
            reference.concentration = value.toDouble();
        else if (name == QLatin1StringView("temperature"))
            reference.temperature = value.toDouble();
        else if (name == QLatin1StringView("heatCapacity"))
            reference.heatCapacity = value.toDouble();
        else if (fault.isEmpty())
            fault = QStringLiteral("у теплоносителя нет свойства «%1»").arg(name);
    }
    if (!kind)
        return;
    const std::optional<calc::CarrierKind> known = calc::carrier::fluidOfName(*kind);
    if (!known && fault.isEmpty())
        fault = QStringLiteral("в справочнике нет теплоносителя «%1»").arg(*kind);
    reference.kind = known.value_or(calc::CarrierKind::Water);
    request.carrier = reference;
}

// Q and Δt of the heat load, with the c the flow was worked out with.
void readLoad(SectionReader& reader, calc::CalculationRequest& request, QString& fault)
{
    const auto fields = reader.members("load", false, false);
    if (fields.isEmpty())
        return;
    calc::HeatLoad load;
    for (const auto& [name, value] : fields) {
        if (name == QLatin1StringView("heat"))
            load.heat = value.toDouble();
        else if (name == QLatin1StringView("delta"))
            load.temperatureDrop = value.toDouble();
        else if (name == QLatin1StringView("heatCapacity"))
            load.heatCapacity = value.toDouble();
        else if (fault.isEmpty())
            fault = QStringLiteral("у тепловой нагрузки нет поля «%1»").arg(name);
    }
    request.load = load;
}

// N and q0 of the fixtures, with P or the U and q_hr,u it follows from, and the fixture of
// table А.1 that gave q0.
void readFixtures(SectionReader& reader, calc::CalculationRequest& request, QString& fault)
{
    const auto fields = reader.members("fixtures", false, false, {QStringLiteral("fixture"), QStringLiteral("water")});
    if (fields.isEmpty())
        return;
    calc::FixtureSupply supply;
    std::optional<QString> water;
    for (const auto& [name, value] : fields) {
        if (name == QLatin1StringView("count"))
            supply.fixtures = value.toDouble();
        else if (name == QLatin1StringView("fixtureFlow"))
            supply.fixtureFlow = value.toDouble();
        else if (name == QLatin1StringView("probability"))
            supply.probability = value.toDouble();
        else if (name == QLatin1StringView("consumers"))
            supply.consumers = value.toDouble();
        else if (name == QLatin1StringView("hourNorm"))
            supply.hourNorm = value.toDouble();
        else if (name == QLatin1StringView("fixture"))
            supply.fixtureKind = value.toString();
        else if (name == QLatin1StringView("water"))
            water = value.toString();
        else if (fault.isEmpty())
            fault = QStringLiteral("у расхода по приборам нет поля «%1»").arg(name);
    }
    // A fixture of table А.1 is named with the water of its column.
    const std::optional<calc::FixtureWater> named = water ? calc::fixtures::waterOfName(*water) : std::nullopt;
    if (named)
        supply.water = *named;
    const auto waterFault = [&]() -> QString {
        if (!supply.fixtureKind.isEmpty() && !water)
            return QStringLiteral("у расхода по приборам с прибором нет поля «water»");
        if (water && supply.fixtureKind.isEmpty())
            return QStringLiteral("у расхода по приборам вода «%1» без прибора").arg(*water);
        if (water && !named)
            return QStringLiteral("вода расхода по приборам «%1» не из списка: %2")
                .arg(*water, calc::fixtures::waterNames().join(QStringLiteral(", ")));
        return {};
    };
    if (fault.isEmpty())
        fault = waterFault();
    request.fixtures = supply;
}

// Version 2 names every choice and fitting; a catalog size or a typed diameter.
calc::CalculationRequest readByNames(SectionReader& reader, const calc::TableRecord& record, QString& fault)
{
    calc::CalculationRequest request;
    QList<calc::NamedChoice> named;
    for (const auto& [condition, item] : reader.members("conditions", true))
        named.append({condition, item.toString()});
    const calc::ChoicesRead choices = calc::choicesOfNames(record, named);
    fault = choices.fault;
    request.conditions.chosen = choices.chosen;
    readFlowAndSection(reader, request);
    readCarrier(reader, request, fault);
    readLoad(reader, request, fault);
    readFixtures(reader, request, fault);
    if (std::optional<double> diameter = reader.number("diameter", false))
        request.diameterMm = *diameter;
    else
        request.size = reader.text("size");
    request.localLosses.counted = reader.flag("localLosses");
    const QList<std::pair<QString, QJsonValue>> fittings = reader.members("fittings", false, false);
    if (!record.fittings.isEmpty())
        request.localLosses.fittingCounts = QList<double>(record.fittings.size(), 0);
    for (const auto& [name, count] : fittings) {
        const qsizetype row = record.fittings.indexOf(name);
        if (row < 0 && fault.isEmpty())
            fault = QStringLiteral("в таблице II-%1 нет местного сопротивления «%2»").arg(record.number).arg(name);
        if (row >= 0)
            request.localLosses.fittingCounts[row] = count.toDouble();
    }
    return request;
}

QString sectionName(int position, const QString& number)
{
    return number.isEmpty() ? QStringLiteral("участок в строке %1").arg(position + 1)
                            : QStringLiteral("участок «%1»").arg(number);
}

SectionsRead failure(const QString& error) { return {{}, error}; }

// The record of a table named by a whole number; none for any other value.
const calc::TableRecord* tableRecord(const QJsonValue& table, const RecordLookup& records)
{
    const double number = table.toDouble(-1);
    if (!table.isDouble() || number != std::floor(number) || number < 1 || number > 1000)
        return nullptr;
    return records(int(number));
}

const QString projectKey = QStringLiteral("project");
const QString systemKey = QStringLiteral("system");
const QString authorKey = QStringLiteral("author");
const QString dateKey = QStringLiteral("date");
const QString designationKey = QStringLiteral("designation");

QJsonObject titleObject(const TitleBlock& title)
{
    QJsonObject object;
    for (const auto& [key, text] : {std::pair{projectKey, title.project}, {systemKey, title.system}, {authorKey, title.author},
                                     {designationKey, title.designation}})
        if (!text.isEmpty())
            object.insert(key, text);
    if (title.date.isValid())
        object.insert(dateKey, title.date.toString(Qt::ISODate));
    return object;
}

// The title block of a file, or none when it is not one.
std::optional<TitleBlock> readTitle(const QJsonValue& value)
{
    TitleBlock title;
    if (value.isUndefined())
        return title;
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    for (auto field = object.begin(); field != object.end(); ++field) {
        if (!field->isString())
            return std::nullopt;
        const QString text = field->toString();
        if (field.key() == projectKey)
            title.project = text;
        else if (field.key() == systemKey)
            title.system = text;
        else if (field.key() == authorKey)
            title.author = text;
        else if (field.key() == designationKey)
            title.designation = text;
        else if (field.key() == dateKey && QDate::fromString(text, Qt::ISODate).isValid())
            title.date = QDate::fromString(text, Qt::ISODate);
        else
            return std::nullopt;
    }
    return title;
}

}  // namespace

calc::CheckedRequest requestChecked(const calc::TableRecord& record, const calc::CalculationRequest& request)
{
    calc::CheckedRequest checked = calc::checkedRequest(record, request);
    if (checked.fault.isEmpty())
        checked.fault = calc::carrier::referenceFault(checked.request);
    if (checked.fault.isEmpty())
        checked.fault = calc::fixtures::supplyFault(checked.request);
    return checked;
}

QString loadFault(const Section& section)
{
    const calc::CalculationRequest& request = section.request;
    if (!request.load)
        return {};
    const std::optional<double> density = request.conditions.carrierDensity > 0
                                              ? std::optional(request.conditions.carrierDensity)
                                              : section.outcome.figures.density;
    if (!density)
        return QStringLiteral("тепловая нагрузка у участка без плотности теплоносителя");
    return calc::carrier::loadFlowFault(*request.load, request.conditions.flow, *density);
}

QString storedFault(const calc::TableRecord& record, const Section& section)
{
    const QString fault = requestChecked(record, section.request).fault;
    return fault.isEmpty() ? loadFault(section) : fault;
}

QByteArray sectionsFile(const QList<Section>& sections, const RecordLookup& records, std::optional<TableKind> kind,
                        const TitleBlock& title, const NetworkSettings& network)
{
    QJsonArray array;
    const bool inNetwork = hasEnds(sections);
    for (const Section& section : sections)
        if (const calc::TableRecord* record = records(section.request.table)) {
            QJsonObject object = sectionObject(section, *record);
            addNetworkFields(object, section, inNetwork);
            array.append(object);
        }
    QJsonObject root{{QStringLiteral("format"), formatName},
                     {QStringLiteral("version"), sectionsFormatVersion},
                     {QStringLiteral("sections"), array}};
    if (kind)
        root.insert(QStringLiteral("kind"), kindFileName(*kind));
    if (kind)
        root.insert(QStringLiteral("network"), networkObject(*kind, network));
    const QJsonObject block = titleObject(title);
    if (!block.isEmpty())
        root.insert(QStringLiteral("title"), block);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SectionsRead readSectionsFile(const QByteArray& bytes, const RecordLookup& records)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return failure(QStringLiteral("Файл поврежден или это не файл таблицы участков: %1 (позиция %2).")
                           .arg(parse.errorString())
                           .arg(parse.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != formatName)
        return failure(QStringLiteral("Это не файл таблицы участков."));
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        return failure(QStringLiteral("Файл поврежден: нет версии формата."));
    if (version.toDouble() > sectionsFormatVersion)
        return failure(QStringLiteral("Файл записан более новой версией программы (версия формата %1, "
                                      "эта программа читает версию %2).")
                           .arg(version.toDouble())
                           .arg(sectionsFormatVersion));
    const QJsonValue sections = root.value(QStringLiteral("sections"));
    if (!sections.isArray())
        return failure(QStringLiteral("Файл поврежден: нет списка участков."));

    const std::optional<TitleBlock> title = readTitle(root.value(QStringLiteral("title")));
    if (!title)
        return failure(QStringLiteral("Файл поврежден: поле «title»."));
    const QJsonValue kindValue = root.value(QStringLiteral("kind"));
    std::optional<TableKind> kind = kindOfFileName(kindValue.toString());
    if (!kindValue.isUndefined() && !kind)
        return failure(QStringLiteral("Файл поврежден: поле «kind»."));

    const QJsonArray array = sections.toArray();
    if (array.size() > sectionsLimit)
        return failure(QStringLiteral("В файле %1 участков, больше %2, которые читает программа.")
                           .arg(array.size())
                           .arg(sectionsLimit));
    SectionsRead read;
    if (const QString fault = version.toInt() >= 3 ? readNetworkSettings(root.value(QStringLiteral("network")), read.network)
                                                   : QString();
        !fault.isEmpty())
        return failure(QStringLiteral("Файл поврежден: %1.").arg(fault));
    int followingFlow = -1;  // the first section that leaves its flow to the network
    for (int position = 0; position < array.size(); ++position) {
        SectionReader reader(array.at(position).toObject());
        reader.flowFollows = version.toInt() >= 3 && flowFollowsNetwork(array.at(position).toObject());
        const QString number = reader.text("number");
        const QString name = sectionName(position, number);
        if (!array.at(position).isObject() || !reader.missing.isEmpty())
            return failure(QStringLiteral("Файл поврежден: %1, поле «number».").arg(name));
        const QJsonValue table = array.at(position).toObject().value(QStringLiteral("table"));
        const calc::TableRecord* record = tableRecord(table, records);
        if (!record)
            return failure(QStringLiteral("Файл поврежден: %1, нет таблицы «%2».")
                               .arg(name, table.isDouble() ? QString::number(table.toDouble(), 'g', 15) : table.toVariant().toString()));
        QString fault;
        calc::CalculationRequest request =
            version.toInt() == 1 ? readFirstVersion(reader, *record) : readByNames(reader, *record, fault);
        request.table = record->number;
        if (!reader.missing.isEmpty())
            return failure(QStringLiteral("Файл поврежден: %1, поле «%2».").arg(name, reader.missing));
        // A flow the network gives is checked as any sound one would be.
        if (reader.flowFollows)
            request.conditions.flow.value = 1;
        const calc::CheckedRequest checked = requestChecked(*record, request);
        if (fault.isEmpty())
            fault = checked.fault;
        if (!fault.isEmpty())
            return failure(QStringLiteral("Файл поврежден: %1: %2.").arg(name, fault));
        if (reader.flowFollows) {
            // The network gives the flow: the section is checked and calculated with it once the
            // table is whole.
            SectionCalculation own = calculateSection(records, number, checked.request);
            own.section.outcome = {};
            own.section.request = checked.request;
            own.section.request.conditions.flow.value = 0;
            if (const QString networkFault = readNetworkFields(array.at(position).toObject(), own.section); !networkFault.isEmpty())
                return failure(QStringLiteral("Файл поврежден: %1: %2.").arg(name, networkFault));
            if (followingFlow < 0)
                followingFlow = position;
            read.sections << own.section;
            continue;
        }
        SectionCalculation calculated = calculateSection(records, number, checked.request);
        if (!calculated.failed)
            if (const QString networkFault = readNetworkFields(array.at(position).toObject(), calculated.section);
                !networkFault.isEmpty())
                return failure(QStringLiteral("Файл поврежден: %1: %2.").arg(name, networkFault));
        if (calculated.failed)
            return failure(QStringLiteral("По сохраненным данным не рассчитывается %1 (таблица II-%2).")
                               .arg(name)
                               .arg(record->number));
        if (const QString loadWrong = loadFault(calculated.section); !loadWrong.isEmpty())
            return failure(QStringLiteral("Файл поврежден: %1: %2.").arg(name, loadWrong));
        // One system per table: a file of an earlier program may mix them.
        const TableKind sectionKind = kindOf(calculated.section);
        if (kind && *kind != sectionKind)
            return failure(QStringLiteral("В таблице «%1» %2 относится к системе «%3»: в одной таблице одна система.")
                               .arg(kindName(*kind), name, kindName(sectionKind)));
        kind = sectionKind;
        read.sections << calculated.section;
    }
    // The system's figures are those of the table's own system.
    if (version.toInt() >= 3 && root.contains(QStringLiteral("network")) && networkKind(root.value(QStringLiteral("network"))) != kind)
        return failure(QStringLiteral("Файл поврежден: поле «network»."));
    // A flow left to the network needs one to give it: every section with its ends, and a tree.
    if (followingFlow >= 0) {
        QList<calc::network::NetworkSection> ends;
        for (const Section& section : read.sections) {
            calc::network::NetworkSection named;
            named.number = section.number;
            named.start = section.start;
            named.end = section.end;
            ends << named;
        }
        const calc::network::NetworkShape shape = calc::network::shapeOf(ends);
        if (!shape.network || !shape.fault.isEmpty())
            return failure(QStringLiteral("Файл поврежден: %1, поле «flow».")
                               .arg(sectionName(followingFlow, read.sections.at(followingFlow).number)));
    }
    read.kind = kind;
    read.title = *title;
    return read;
}

}  // namespace report
