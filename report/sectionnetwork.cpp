#include "report/sectionnetwork.h"

#include "calc/carrier/carrierreference.h"
#include "calc/common/namedrequest.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/network/heatingnetwork.h"
#include "calc/network/waternetwork.h"

namespace report {

namespace network = calc::network;
using calc::numberText;
using calc::roundHalfEven;

bool operator==(const NetworkSettings& a, const NetworkSettings& b)
{
    const auto& w = a.water;
    const auto& v = b.water;
    const auto& h = a.heating;
    const auto& g = b.heating;
    return w.fixtureFlow == v.fixtureFlow && w.hourNorm == v.hourNorm && w.velocityLimit == v.velocityLimit
           && w.meters == v.meters && w.heater == v.heater && w.inlet == v.inlet && w.guaranteed == v.guaranteed
           && h.temperatureDrop == g.temperatureDrop && h.reserve == g.reserve && h.bothPipes == g.bothPipes;
}

namespace {

QList<network::NetworkSection> networkSections(const QList<Section>& sections)
{
    QList<network::NetworkSection> rows;
    rows.reserve(sections.size());
    for (const Section& section : sections)
        rows.append({section.number, section.start, section.end, section.request, section.flowTyped, section.fixturesAtEnd,
                     section.endHeight, section.endHead, section.unitAtEnd});
    return rows;
}

// The row with the network's request and its outcome.
Section computedRow(const Section& row, const calc::CalculationRequest& request, const calc::CalculationOutcome& outcome)
{
    Section shown = row;
    shown.request = request;
    shown.outcome = outcome;
    return shown;
}

bool isNetworkField(Field field)
{
    return isEndField(field) || field == Field::Imbalance || field == Field::Throttle || field == Field::Consumers;
}

// Σ of the figure the table adds from the input down each row's path.
QList<double> pathSums(const QList<Section>& shown, const network::Tree& tree)
{
    QList<double> sums(shown.size(), 0.0);
    for (int row : tree.order) {
        const int feeder = tree.feeder.at(row);
        sums[row] = (feeder >= 0 ? sums.at(feeder) : 0) + summedFigure(shown.at(row)).value_or(0);
    }
    return sums;
}

void computeWater(const QList<Section>& sections, const NetworkSettings& settings, const RecordLookup& records,
                  ComputedTable& table)
{
    const network::WaterNetwork computed = network::waterNetwork(networkSections(sections), settings.water, records);
    table.fault = computed.fault;
    if (!computed.shape.network || !computed.fault.isEmpty())
        return;
    table.network = true;
    table.water = computed;
    for (int row = 0; row < sections.size(); ++row)
        table.shown[row] = computedRow(sections.at(row), computed.sections.at(row).request, computed.sections.at(row).outcome);
    table.running = pathSums(table.shown, computed.shape.tree);
    if (computed.dictating < 0 || !computed.required)
        return;
    table.marked = QSet<int>(computed.dictatingPath.cbegin(), computed.dictatingPath.cend());
    const network::EndHead& end = computed.ends.at(computed.dictating);
    const auto shown = [](double value) { return numberText(roundHalfEven(value, 3)); };
    table.dictating = QStringLiteral("Диктующая точка — узел «%1»: H = z + Σh + Hсв = %2 + %3 + %4 = %5 м")
                          .arg(end.node, shown(end.height), shown(end.pathLoss), shown(end.freeHead), shown(end.head));
    for (const network::EndHead& other : computed.ends)
        table.details << QStringLiteral("Узел «%1»: H = z + Σh + Hсв = %2 + %3 + %4 = %5 м")
                             .arg(other.node, shown(other.height), shown(other.pathLoss), shown(other.freeHead), shown(other.head));
    table.requiredHead = network::requiredHeadText(*computed.required);
    if (settings.water.guaranteed)
        table.booster = network::boosterText(*computed.required, *settings.water.guaranteed);
}

// The carrier of the first row that names it, as the load window takes it: water of the table's
// temperature from the reference, a reference carrier as applied, another by its c and ρ.
void carrierOf(const QList<Section>& sections, const RecordLookup& records, NetworkSettings& settings, ComputedTable& table)
{
    for (const Section& section : sections) {
        const calc::CalculationRequest& request = section.request;
        QString name;
        double capacity = 0;
        double density = 0;
        QString carrierChoice;
        QString temperature;
        if (const calc::TableRecord* record = records(request.table))
            for (const calc::NamedChoice& choice : calc::namedChoices(*record, request.conditions.chosen)) {
                if (choice.condition == QStringLiteral("теплоноситель"))
                    carrierChoice = choice.item;
                else if (choice.condition == QStringLiteral("температура, °С"))
                    temperature = choice.item;
            }
        if (carrierChoice == QStringLiteral("вода") && !temperature.isEmpty()) {
            const calc::carrier::ReferenceAnswer water = calc::carrier::lookUp({calc::carrier::Fluid::Water, QString(), temperature});
            if (water.reading) {
                name = calc::carrier::carrierName(*water.reading);
                capacity = water.reading->shown.heatCapacity;
                density = water.reading->shown.density;
            }
        } else if (request.carrier) {
            density = request.conditions.carrierDensity;
            capacity = request.carrier->heatCapacity;
            name = calc::carrier::carrierName(calc::carrier::readingOf(*request.carrier, density, request.conditions.carrierViscosityE6));
        } else if (request.load) {
            capacity = request.load->heatCapacity;
            density = section.outcome.figures.density.value_or(request.conditions.carrierDensity);
            name = carrierChoice;
        }
        if (capacity <= 0 || density <= 0)
            continue;
        settings.heating.heatCapacity = capacity;
        settings.heating.density = density;
        table.carrierName = name;
        table.carrier = QStringLiteral("Теплоноситель: %1, ρ = %2 кг/м³, c = %3 кДж/(кг·К); Δt = %4 °С")
                   .arg(name, numberText(density), numberText(capacity), numberText(settings.heating.temperatureDrop));
        return;
    }
}

// "2 × отвод, 1 × тройник на ответвление, ξ = 0,5".
QString fittingsText(const Section& section, const RecordLookup& records)
{
    const calc::TableRecord* record = records(section.request.table);
    if (!record)
        return {};
    QStringList parts;
    const QList<double>& counts = section.request.localLosses.fittingCounts;
    for (qsizetype k = 0; k < counts.size() && k < record->fittings.size(); ++k)
        if (counts.at(k) != 0)
            parts << numberText(counts.at(k)) + QStringLiteral(" × ") + record->fittings.at(k);
    if (const std::optional<double>& other = section.request.localLosses.otherResistance; other && *other != 0)
        parts << QStringLiteral("прочие ξ = ") + numberText(roundHalfEven(*other, 3));
    return parts.join(QStringLiteral("; "));
}

void computeHeating(const QList<Section>& sections, NetworkSettings settings, const RecordLookup& records,
                    ComputedTable& table)
{
    carrierOf(sections, records, settings, table);
    table.settings = settings;
    for (const Section& section : sections)
        table.fittings << fittingsText(section, records);
    QStringList fittingLines;
    for (int row = 0; row < sections.size(); ++row)
        if (!table.fittings.at(row).isEmpty())
            fittingLines << QStringLiteral("Участок «%1», Σξ: %2").arg(sections.at(row).number, table.fittings.at(row));
    const network::HeatingNetwork computed = network::heatingNetwork(networkSections(sections), settings.heating, records);
    table.fault = computed.fault;
    if (!computed.shape.network || !computed.fault.isEmpty()) {
        table.details = fittingLines;
        return;
    }
    table.network = true;
    table.heating = computed;
    for (int row = 0; row < sections.size(); ++row)
        table.shown[row] = computedRow(sections.at(row), computed.sections.at(row).request, computed.sections.at(row).outcome);
    table.running = pathSums(table.shown, computed.shape.tree);
    table.marked = QSet<int>(computed.mainPath.cbegin(), computed.mainPath.cend());
    for (int k = 0; k < computed.rings.size(); ++k) {
        const network::Ring& ring = computed.rings.at(k);
        if (k == computed.main)
            continue;
        table.shown[ring.row].imbalance = ring.imbalance;
        table.shown[ring.row].throttle = ring.throttle;
        if (ring.overLimit)
            table.overLimit << ring.row;
    }
    const auto shown = [](double value) { return numberText(roundHalfEven(value, 3)); };
    for (const network::Ring& ring : computed.rings)
        table.details << QStringLiteral("Кольцо через узел «%1»: ΔP = Σ(R·l+Z) + ΔP у конца = %2 + %3 = %4 Па")
                             .arg(ring.node, shown(ring.pipes), shown(ring.unit), shown(ring.loss));
    table.mainRing = network::mainRingText(computed.rings.at(computed.main));
    table.pumpHead = network::pumpHeadText(*computed.pump);
    // The rings first, then what makes each row's Σξ.
    table.details << fittingLines;
}

}  // namespace

bool hasEnds(const QList<Section>& sections)
{
    return !sections.isEmpty() && std::all_of(sections.cbegin(), sections.cend(), [](const Section& section) {
        return !section.start.trimmed().isEmpty() && !section.end.trimmed().isEmpty();
    });
}

QStringList ComputedTable::results() const
{
    QStringList lines;
    for (const QString& line : {fault, carrier, dictating, requiredHead, booster, mainRing, pumpHead})
        if (!line.isEmpty())
            lines << line;
    return lines + details;
}

ComputedTable computedTable(const QList<Section>& sections, std::optional<TableKind> kind, const NetworkSettings& settings,
                            const RecordLookup& records)
{
    ComputedTable table;
    table.shown = sections;
    table.settings = settings;
    if (kind == TableKind::Heating)
        computeHeating(sections, settings, records, table);
    else if (hasEnds(sections))
        computeWater(sections, settings, records, table);
    if (!table.network) {
        // A list, or a network that cannot be computed: each row by its own flow, summed down.
        table.shown = sections;
        double sum = 0;
        for (const Section& section : sections)
            table.running << (sum += summedFigure(section).value_or(0));
    }
    return table;
}

SizesWithinLimits sizesWithinLimits(const ComputedTable& table, const RecordLookup& records,
                                    const calc::DesignLimits& limits)
{
    SizesWithinLimits chosen;
    for (int row = 0; row < table.shown.size(); ++row) {
        const Section& section = table.shown.at(row);
        const calc::TableRecord* record = records ? records(section.request.table) : nullptr;
        if (!record || !record->sizes)
            continue;
        const calc::LimitChoice choice = calc::chooseWithinLimits(*record, section.request, limits);
        if (choice.chosen < 0)
            chosen.outOfLimits << section.number;
        else
            chosen.sizes.append({row, record->sizes(section.request.conditions.chosen).at(choice.chosen).designation});
    }
    return chosen;
}

Document networkDocument(const ComputedTable& table, std::optional<TableKind> kind, const TitleBlock& title)
{
    Document document = sectionsDocument(table.shown, kind, title);
    Table& shown = document.tables.first();
    const TableKind columnsKind = kind.value_or(TableKind::WaterSupply);
    const int running = columnOf(columnsKind, columnsKind == TableKind::Heating ? Field::RunningSectionLoss : Field::RunningHeadLoss);
    for (int row = 0; row < table.running.size() && row < shown.rows.size(); ++row)
        shown.rows[row][running] = numberText(roundHalfEven(table.running.at(row), 3));
    shown.emphasisedRows += table.marked;
    // A list leaves the network's columns empty: paper and files go without them.
    if (!hasEnds(table.shown)) {
        const QList<Column>& all = columns(columnsKind);
        for (qsizetype column = all.size() - 1; column >= 0; --column)
            if (isNetworkField(all.at(column).field)
                && std::all_of(shown.rows.cbegin(), shown.rows.cend(), [column](const QStringList& row) { return row.value(column).isEmpty(); })) {
                shown.header.removeAt(column);
                for (QStringList& row : shown.rows)
                    row.removeAt(column);
            }
        shown.labelColumns = {0, int(shown.header.indexOf(QStringLiteral("Трубы")))};
    }
    document.paragraphs = table.results();
    if (!table.marked.isEmpty())
        document.paragraphs.prepend(columnsKind == TableKind::Heating
                                        ? QStringLiteral("Полужирным выделены участки главного циркуляционного кольца.")
                                        : QStringLiteral("Полужирным выделены участки пути до диктующей точки."));
    for (int row = 0; row < table.fittings.size() && row < table.shown.size(); ++row)
        if (!table.fittings.at(row).isEmpty())
            document.paragraphs << QStringLiteral("Участок «%1», Σξ: %2").arg(table.shown.at(row).number, table.fittings.at(row));
    return document;
}

}  // namespace report
