// Any bytes opened as a sections file: the reader never crashes, takes a file whole or names what
// is wrong with it, and a file it takes shows no "nan" or "inf", is written again and read back to
// the same rows, kind and title block. The mutator changes a file that is JSON as JSON: a number,
// a text, a field or a section at a time, so that most mutants still reach the checks of a
// section instead of the JSON parse.
#include "calc/registry/tables.h"
#include "report/sectionfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

const calc::TableRecord* record(int number)
{
    return number >= 1 && number <= calc::tableCount ? &calc::table(number) : nullptr;
}

QList<QStringList> rows(const report::SectionsRead& read)
{
    QList<QStringList> cells;
    for (const report::Table& table : report::sectionsDocument(read.sections, read.kind, read.title).tables)
        cells << table.header << table.rows;
    return cells;
}

// Numbers at the edges of what a calculator takes and past them.
const double edgeNumbers[] = {0,     -1,   1,     0.5,   3e9,    2147483648.0, 1e308, 5e-324, 1e-6, 1e6,
                              1e-3,  0.1,  1e4,   3000,  1e5,    1e-7,         70,    20,     1000, 4.19,
                              977.8, 0.41, 1.3,   -0.0,  1e300,  10000.5,      2.5,   40,     50,   3.635};

// The texts a file holds: its field names, the names of the kinds and units, and a few items.
const char* const edgeTexts[] = {
    "number", "table", "conditions", "flow", "flowUnit", "size", "diameter", "diameterMm", "length", "localLosses",
    "localLossesCounted", "fittings", "fittingCounts", "otherResistance", "carrier", "density", "viscosity", "kind",
    "concentration", "temperature", "heatCapacity", "load", "heat", "delta", "fixtures", "count", "fixtureFlow",
    "probability", "consumers", "hourNorm", "carrierDensity", "carrierViscosityE6", "l/s", "m3/h", "вода",
    "раствор этиленгликоля", "водоснабжение", "отопление", "система", "системы отопления",
    "горячего водоснабжения", "холодного водоснабжения", "теплоноситель", "другой", "температура, °С", "70",
    "15 × 1.0", "110", "", "1", "title", "project", "date", "2026-12-01", "version", "format", "sections"};

QJsonValue mutatedValue(const QJsonValue& value, std::mt19937& random)
{
    switch (random() % 8) {
    case 0:
        return edgeNumbers[random() % std::size(edgeNumbers)];
    case 1:
        return QString::fromUtf8(edgeTexts[random() % std::size(edgeTexts)]);
    case 2:
        return value.isDouble() ? QJsonValue(value.toDouble() * std::ldexp(1.0, int(random() % 21) - 10)) : value;
    case 3:
        return value.isDouble() ? QJsonValue(value.toDouble() + int(random() % 5) - 2) : QJsonValue(true);
    case 4:
        return QJsonValue();
    case 5:
        return QJsonArray{edgeNumbers[random() % std::size(edgeNumbers)]};
    case 6:
        return QJsonObject{};
    default:
        return value.isString() ? QJsonValue(value.toString().left(int(random() % 8))) : value;
    }
}

// One change somewhere in the tree: a value replaced, a field removed or added, an array item
// removed or repeated.
QJsonValue mutated(const QJsonValue& value, std::mt19937& random, int depth = 0)
{
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        const QStringList keys = object.keys();
        const unsigned action = random() % 10;
        if (keys.isEmpty() || action == 0) {
            object.insert(QString::fromUtf8(edgeTexts[random() % std::size(edgeTexts)]),
                          mutatedValue(QJsonValue(1), random));
            return object;
        }
        const QString key = keys.at(int(random() % keys.size()));
        if (action == 1)
            object.remove(key);
        else
            object.insert(key, mutated(object.value(key), random, depth + 1));
        return object;
    }
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        const unsigned action = random() % 10;
        if (array.isEmpty() || depth > 6)
            return mutatedValue(value, random);
        const int at = int(random() % array.size());
        if (action == 0)
            array.removeAt(at);
        else if (action == 1)
            array.append(array.at(at));
        else
            array.replace(at, mutated(array.at(at), random, depth + 1));
        return array;
    }
    return mutatedValue(value, random);
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int randomness)
{
    std::mt19937 random(randomness);
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    if (document.isNull() || random() % 8 == 0)
        return LLVMFuzzerMutate(data, size, maxSize);
    QJsonValue root = document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    for (unsigned changes = 1 + random() % 3; changes > 0; --changes)
        root = mutated(root, random);
    const QByteArray bytes = (root.isObject() ? QJsonDocument(root.toObject()) : QJsonDocument(root.toArray()))
                                 .toJson(QJsonDocument::Compact);
    if (size_t(bytes.size()) > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, bytes.constData(), size_t(bytes.size()));
    return size_t(bytes.size());
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    const report::SectionsRead read = report::readSectionsFile(bytes, record);
    if (!read.error.isEmpty()) {
        require(read.sections.isEmpty(), "a refused file gave sections");
        return 0;
    }
    const QList<QStringList> shown = rows(read);
    // The first cell is the section's number as the file names it.
    for (const QStringList& row : shown)
        for (const QString& cell : row.mid(1))
            require(!cell.contains(QLatin1String("nan"), Qt::CaseInsensitive)
                        && !cell.contains(QLatin1String("inf"), Qt::CaseInsensitive),
                    "a cell of a file taken shows nan or inf");
    const QByteArray written = report::sectionsFile(read.sections, record, read.kind, read.title, read.network);
    const report::SectionsRead again = report::readSectionsFile(written, record);
    if (!again.error.isEmpty())
        std::fprintf(stderr, "%s\n", again.error.toUtf8().constData());
    require(again.error.isEmpty(), "a file taken, written again, is refused");
    require(again.kind == read.kind && again.title == read.title && again.network == read.network,
            "the kind, the title block or the network's figures changed on a round trip");
    require(rows(again) == shown, "the rows changed on a round trip");
    return 0;
}
