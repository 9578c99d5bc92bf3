#include "report/sectionfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <optional>

namespace report {

namespace {

const QString formatName = QStringLiteral("talvertable-sections");
const QString litresPerSecond = QStringLiteral("l/s");
const QString cubicMetresPerHour = QStringLiteral("m3/h");

QJsonArray numbers(const QList<double>& values)
{
    QJsonArray array;
    for (double value : values)
        array.append(value);
    return array;
}

QJsonObject sectionObject(const Section& section)
{
    const calc::CalculationRequest& request = section.request;
    QJsonObject object{
        {QStringLiteral("number"), section.number},
        {QStringLiteral("table"), request.table},
        {QStringLiteral("conditions"), numbers({request.conditions.chosen.begin(), request.conditions.chosen.end()})},
        {QStringLiteral("flow"), request.conditions.flow.value},
        {QStringLiteral("flowUnit"),
         request.conditions.flow.unit == calc::FlowUnit::LitresPerSecond ? litresPerSecond : cubicMetresPerHour},
        {QStringLiteral("size"), request.size},
        {QStringLiteral("diameterMm"), request.diameterMm},
    };
    if (request.conditions.carrierViscosityE6 != 0 || request.conditions.carrierDensity != 0) {
        object.insert(QStringLiteral("carrierViscosityE6"), request.conditions.carrierViscosityE6);
        object.insert(QStringLiteral("carrierDensity"), request.conditions.carrierDensity);
    }
    if (request.length)
        object.insert(QStringLiteral("length"), *request.length);
    const calc::LocalLosses& losses = request.localLosses;
    if (losses.counted)
        object.insert(QStringLiteral("localLossesCounted"), true);
    if (!losses.fittingCounts.isEmpty())
        object.insert(QStringLiteral("fittingCounts"), numbers(losses.fittingCounts));
    if (losses.otherResistance)
        object.insert(QStringLiteral("otherResistance"), *losses.otherResistance);
    return object;
}

// The reading of one section's object; a missing or mistyped field names the field.
class SectionReader {
public:
    explicit SectionReader(const QJsonObject& object) : object(object) {}

    QString missing;  // the first field that is missing or of the wrong type

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

std::optional<calc::CalculationRequest> readRequest(SectionReader& reader)
{
    calc::CalculationRequest request;
    request.table = int(reader.number("table").value_or(0));
    for (double choice : reader.numbers("conditions"))
        request.conditions.chosen << int(choice);
    request.conditions.flow.value = reader.number("flow").value_or(0);
    const QString unit = reader.text("flowUnit");
    if (unit != litresPerSecond && unit != cubicMetresPerHour && reader.missing.isEmpty())
        reader.missing = QStringLiteral("flowUnit");
    request.conditions.flow.unit =
        unit == cubicMetresPerHour ? calc::FlowUnit::CubicMetresPerHour : calc::FlowUnit::LitresPerSecond;
    request.conditions.carrierViscosityE6 = reader.number("carrierViscosityE6", false).value_or(0);
    request.conditions.carrierDensity = reader.number("carrierDensity", false).value_or(0);
    request.size = reader.text("size");
    request.diameterMm = reader.number("diameterMm").value_or(0);
    request.length = reader.number("length", false);
    request.localLosses.counted = reader.flag("localLossesCounted");
    request.localLosses.fittingCounts = reader.numbers("fittingCounts", false);
    request.localLosses.otherResistance = reader.number("otherResistance", false);
    if (!reader.missing.isEmpty())
        return std::nullopt;
    return request;
}

QString sectionName(int position, const QString& number)
{
    return number.isEmpty() ? QStringLiteral("участок в строке %1").arg(position + 1)
                            : QStringLiteral("участок «%1»").arg(number);
}

SectionsRead failure(const QString& error) { return {{}, error}; }

}  // namespace

QByteArray sectionsFile(const QList<Section>& sections)
{
    QJsonArray array;
    for (const Section& section : sections)
        array.append(sectionObject(section));
    const QJsonObject root{{QStringLiteral("format"), formatName},
                           {QStringLiteral("version"), sectionsFormatVersion},
                           {QStringLiteral("sections"), array}};
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
    if (!version.isDouble() || version.toDouble() < 1)
        return failure(QStringLiteral("Файл поврежден: нет версии формата."));
    if (version.toDouble() > sectionsFormatVersion)
        return failure(QStringLiteral("Файл записан более новой версией программы (версия формата %1, "
                                      "эта программа читает версию %2).")
                           .arg(version.toDouble())
                           .arg(sectionsFormatVersion));
    const QJsonValue sections = root.value(QStringLiteral("sections"));
    if (!sections.isArray())
        return failure(QStringLiteral("Файл поврежден: нет списка участков."));

    SectionsRead read;
    const QJsonArray array = sections.toArray();
    for (int position = 0; position < array.size(); ++position) {
        SectionReader reader(array.at(position).toObject());
        const QString number = reader.text("number");
        const std::optional<calc::CalculationRequest> request =
            array.at(position).isObject() ? readRequest(reader) : std::nullopt;
        if (!request)
            return failure(QStringLiteral("Файл поврежден: %1, поле «%2».")
                               .arg(sectionName(position, number), reader.missing.isEmpty() ? QStringLiteral("number") : reader.missing));
        const SectionCalculation calculated = calculateSection(records, number, *request);
        if (calculated.failed)
            return failure(QStringLiteral("По сохраненным данным не рассчитывается %1 (таблица II-%2).")
                               .arg(sectionName(position, number))
                               .arg(request->table));
        read.sections << calculated.section;
    }
    return read;
}

}  // namespace report
