#include "report/networksheet.h"

#include "calc/common/flowarithmetic.h"
#include "calc/common/rounding.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace report {

namespace {

using namespace workbook;
namespace network = calc::network;

// The heads and pressures after the table are written, as Σh and Σ(R·l+Z) are, to 0,001.
constexpr int resultDecimals = 3;
// Excel takes at most this many arguments to a function.
constexpr qsizetype functionArguments = 255;

// MAX of any number of cells, nested where they are more than a function takes.
QString maxOf(const QStringList& terms)
{
    if (terms.size() <= functionArguments)
        return QStringLiteral("MAX(%1)").arg(terms.join(u','));
    QStringList groups;
    for (qsizetype first = 0; first < terms.size(); first += functionArguments)
        groups << maxOf(terms.mid(first, functionArguments));
    return maxOf(groups);
}

class NetworkWriter {
public:
    NetworkWriter(Sheet& sheet, const SheetLayout& layout, const ComputedTable& table, const network::Tree& tree)
        : sheet(sheet), layout(layout), table(table), tree(tree), children(table.shown.size())
    {
        for (int row = 0; row < tree.feeder.size(); ++row)
            if (const int feeder = tree.feeder.at(row); feeder >= 0)
                children[feeder] << row;
    }

    void water(int resultsRow);
    void heating(int resultsRow);

private:
    int column(Field field) const { return columnOf(layout.kind, field); }
    QString cell(int index, Field field) const { return cellName(layout.firstRow + index, column(field)); }
    bool followsNetwork(int index) const { return !table.shown.at(index).flowTyped; }

    // The cells adding up what sits at a row's end and below it. A row whose flow is typed shows
    // its own figures rather than the network's, so the sum goes on past it to what sits at its
    // end and below.
    QStringList summed(int index, Field own, Field atEnd) const
    {
        QStringList terms{cell(index, atEnd)};
        for (int child : children.at(index))
            terms << (followsNetwork(child) ? QStringList{cell(child, own)} : summed(child, own, atEnd));
        return terms;
    }

    // The cell of a row holding the program's value becomes the formula that gives it.
    void compute(int index, int at, const QString& expression, std::optional<int> decimals = std::nullopt)
    {
        const int row = layout.firstRow + index;
        if (at < 0)
            return;
        Cell shown = sheet.rows.value(row).value(at);
        if (shown.kind != Cell::Kind::Number)
            return;
        shown.kind = Cell::Kind::Formula;
        shown.text = expression;
        shown.decimals = decimals.value_or(shown.decimals);
        sheet.set(row, at, shown);
    }
    void compute(int index, Field field, const QString& expression) { compute(index, column(field), expression); }

    // A line of the results: its caption, then its names and figures.
    void line(int row, const QString& caption, const QList<Cell>& cells)
    {
        sheet.set(row, 0, workbook::caption(caption));
        for (int c = 0; c < cells.size(); ++c)
            sheet.set(row, c + 1, cells.at(c));
    }
    QString range(int first, int last, int at) const
    {
        return cellName(first, at) + QStringLiteral(":") + cellName(last, at);
    }
    // The system's figures that no line shows, under the results.
    void parameters(int row, const QList<std::pair<QString, double>>& figures)
    {
        sheet.set(row, 0, text(QStringLiteral("Параметры системы"), true));
        for (const auto& [caption, value] : figures)
            line(++row, caption, {number(value)});
    }

    Sheet& sheet;
    const SheetLayout& layout;
    const ComputedTable& table;
    const network::Tree& tree;
    QList<QList<int>> children;
};

void NetworkWriter::water(int resultsRow)
{
    const network::WaterNetwork& computed = *table.water;
    const network::WaterSupplySystem& system = table.settings.water;
    if (!computed.required || computed.dictating < 0)
        return;
    int row = resultsRow;
    const int dictatingRow = row++;
    const int requiredRow = row++;
    const int boosterRow = system.guaranteed ? row++ : -1;
    const int firstEnd = row;
    const int lastEnd = firstEnd + int(computed.ends.size()) - 1;
    const int systemRow = lastEnd + 2;
    QList<std::pair<QString, double>> figures{{QStringLiteral("q0, л/с"), system.fixtureFlow},
                                              {QStringLiteral("q_hr,u, л/ч"), system.hourNorm}};
    if (system.guaranteed)
        figures.append({QStringLiteral("H_g, м"), *system.guaranteed});
    parameters(systemRow, figures);
    const QString q0 = cellName(systemRow + 1, 1);
    const QString hourNorm = cellName(systemRow + 2, 1);

    // q = 5·q0·α of the fixtures served, never below q0, in the unit the section's flow is given.
    for (int index = 0; index < table.shown.size(); ++index) {
        const Section& section = table.shown.at(index);
        if (!followsNetwork(index) || !section.request.fixtures)
            continue;
        compute(index, Field::Fixtures, summed(index, Field::Fixtures, Field::FixturesAtEnd).join(u'+'));
        compute(index, Field::Consumers, summed(index, Field::Consumers, Field::ConsumersAtEnd).join(u'+'));
        compute(index, Field::Probability,
                QStringLiteral("%1*%2/(3600*%3*%4)").arg(hourNorm, cell(index, Field::Consumers), q0, cell(index, Field::Fixtures)));
        const QString flow = QStringLiteral("5*%1*%2").arg(q0, cell(index, Field::Alpha));
        if (section.request.conditions.flow.unit == calc::FlowUnit::CubicMetresPerHour)
            compute(index, layout.flowColumn, QStringLiteral("ROUND(3.6*IF(ROUND(%1,4)<%2,%2,%1),4)/3.6").arg(flow, q0), 8);
        else
            compute(index, layout.flowColumn, QStringLiteral("MAX(%2,ROUND(%1,4))").arg(flow, q0), 4);
    }

    // Every end's H = z + Σh + Hсв, and the dictating end as the largest of them.
    for (int k = 0; k < computed.ends.size(); ++k) {
        const network::EndHead& end = computed.ends.at(k);
        const int at = firstEnd + k;
        line(at, QStringLiteral("Узел"),
             {text(end.node), formula(cell(end.row, Field::EndHeight), end.height, resultDecimals),
              formula(cell(end.row, Field::RunningHeadLoss), end.pathLoss, resultDecimals),
              formula(cell(end.row, Field::EndHead), end.freeHead, resultDecimals),
              formula(QStringLiteral("%1+%2+%3").arg(cellName(at, 2), cellName(at, 3), cellName(at, 4)), end.head, resultDecimals)});
    }
    const QString largest = QStringLiteral("MATCH(MAX(%1),%1,0)").arg(range(firstEnd, lastEnd, 5));
    const auto ofDictating = [&](int at) { return QStringLiteral("INDEX(%1,%2)").arg(range(firstEnd, lastEnd, at), largest); };
    const network::EndHead& dictating = computed.ends.at(computed.dictating);
    line(dictatingRow, QStringLiteral("Диктующая точка — узел"),
         {textFormula(ofDictating(1), dictating.node), formula(ofDictating(2), dictating.height, resultDecimals),
          formula(ofDictating(3), dictating.pathLoss, resultDecimals), formula(ofDictating(4), dictating.freeHead, resultDecimals),
          formula(ofDictating(5), dictating.head, resultDecimals)});

    // Formula (14): the dictating end's terms, the meters, the heater and the input as typed.
    const network::RequiredHead& required = *computed.required;
    line(requiredRow, QStringLiteral("H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод, м"),
         {formula(cellName(dictatingRow, 2), required.geometric, resultDecimals),
          formula(cellName(dictatingRow, 3), required.pathLoss, resultDecimals),
          formula(cellName(dictatingRow, 4), required.freeHead, resultDecimals), number(required.meters), number(required.heater),
          number(required.inlet),
          formula(QStringLiteral("SUM(%1:%2)").arg(cellName(requiredRow, 1), cellName(requiredRow, 6)), required.total, resultDecimals)});
    if (boosterRow < 0)
        return;
    const QString margin = QStringLiteral("(ROUND(%1,3)-ROUND(%2,3))").arg(cellName(systemRow + 3, 1), cellName(requiredRow, 7));
    const double value = calc::roundHalfEven(*system.guaranteed, 3) - calc::roundHalfEven(required.total, 3);
    const QString enough = QStringLiteral("Напора в сети достаточно, запас, м");
    const QString lacking = QStringLiteral("Требуется повышение напора, м");
    Cell verdict = textFormula(QStringLiteral("IF(%1>=0,\"%2\",\"%3\")").arg(margin, enough, lacking), value >= 0 ? enough : lacking);
    verdict.wrapped = true;
    sheet.set(boosterRow, 0, verdict);
    sheet.set(boosterRow, 1, formula(QStringLiteral("ABS%1").arg(margin), std::abs(value), resultDecimals));
}

void NetworkWriter::heating(int resultsRow)
{
    const network::HeatingNetwork& computed = *table.heating;
    const network::HeatingSystem& system = table.settings.heating;
    if (!computed.pump || computed.main < 0)
        return;
    int row = resultsRow;
    const int carrierRow = row++;
    const int mainRow = row++;
    const int pumpRow = row++;
    const int firstRing = row;
    const int lastRing = firstRing + int(computed.rings.size()) - 1;
    const QStringList fittings = table.details.mid(computed.rings.size());
    for (int k = 0; k < fittings.size(); ++k)
        sheet.set(lastRing + 1 + k, 0, text(fittings.at(k)));
    const int systemRow = lastRing + int(fittings.size()) + 2;
    parameters(systemRow, {{QStringLiteral("Трубопроводов участка в кольце (2 — подающий и обратный)"), system.bothPipes ? 2.0 : 1.0}});
    const QString pipes = cellName(systemRow + 1, 1);

    line(carrierRow, QStringLiteral("Теплоноситель: %1; ρ, кг/м³; c, кДж/(кг·К); Δt, °С").arg(table.carrierName),
         {number(system.density), number(system.heatCapacity), number(system.temperatureDrop)});
    const QString density = cellName(carrierRow, 1);

    // Each ring: its pipes from the source, its unit, and the main ring as the largest.
    QHash<int, int> ringOfRow;
    for (int k = 0; k < computed.rings.size(); ++k) {
        const network::Ring& ring = computed.rings.at(k);
        const int at = firstRing + k;
        ringOfRow.insert(ring.row, k);
        line(at, QStringLiteral("Кольцо через узел"),
             {text(ring.node), formula(QStringLiteral("%1*%2").arg(pipes, cell(ring.row, Field::RunningSectionLoss)), ring.pipes, resultDecimals),
              formula(cell(ring.row, Field::UnitLoss), ring.unit, resultDecimals),
              formula(QStringLiteral("%1+%2").arg(cellName(at, 2), cellName(at, 3)), ring.loss, resultDecimals)});
    }
    const QString losses = range(firstRing, lastRing, 4);
    const network::Ring& main = computed.rings.at(computed.main);
    line(mainRow, QStringLiteral("Главное циркуляционное кольцо — через прибор узла"),
         {textFormula(QStringLiteral("INDEX(%1,MATCH(MAX(%2),%2,0))").arg(range(firstRing, lastRing, 1), losses), main.node),
          formula(QStringLiteral("MAX(%1)").arg(losses), main.loss, resultDecimals)});
    const QString mainLoss = cellName(mainRow, 2);
    const network::PumpHead& pump = *computed.pump;
    const auto at = [pumpRow](int column) { return cellName(pumpRow, column); };
    line(pumpRow, QStringLiteral("ΔP_н = (1 + запас)·ΔP, Па; ΔP_н/(ρ·g), м вод. ст."),
         {number(pump.reserve), formula(mainLoss, pump.ring, resultDecimals),
          formula(QStringLiteral("(1+%1)*%2").arg(at(1), at(2)), pump.pascals, resultDecimals), formula(at(3), pump.pascals, resultDecimals),
          formula(density, pump.density, -1), number(calc::gravity),
          formula(QStringLiteral("%1/(%2*%3)").arg(at(4), at(5), at(6)), pump.metres, resultDecimals)});

    // Per row: the load summed from the ends, its flow, and where the row stands to the main
    // ring: the largest ring through it, and the part of its path shared with the main ring.
    const int largestColumn = layout.freeColumn;
    const int sharedColumn = layout.freeColumn + 1;
    sheet.set(layout.firstRow - 1, largestColumn, text(QStringLiteral("Наибольшее ΔP кольца через участок, Па"), true));
    sheet.set(layout.firstRow - 1, sharedColumn, text(QStringLiteral("Общая с главным кольцом часть, Па"), true));
    const int count = int(table.shown.size());
    const double factor = system.bothPipes ? 2 : 1;
    QList<double> largest(count, 0.0);
    for (auto index = tree.order.crbegin(); index != tree.order.crend(); ++index) {
        if (ringOfRow.contains(*index))
            largest[*index] = std::max(largest.at(*index), computed.rings.at(ringOfRow.value(*index)).loss);
        if (const int feeder = tree.feeder.at(*index); feeder >= 0)
            largest[feeder] = std::max(largest.at(feeder), largest.at(*index));
    }
    QList<double> shared(count, 0.0);
    const QString mainIndex = QStringLiteral("MATCH(%1,%2,0)").arg(mainLoss, losses);
    for (int index : tree.order) {
        const int feeder = tree.feeder.at(index);
        const int sheetRow = layout.firstRow + index;
        const QString sharedAbove = feeder >= 0 ? cellName(layout.firstRow + feeder, sharedColumn) : QStringLiteral("0");
        shared[index] = largest.at(index) == main.loss ? factor * table.running.at(index) : feeder >= 0 ? shared.at(feeder) : 0;
        QStringList through;
        if (ringOfRow.contains(index))
            through << cellName(firstRing + ringOfRow.value(index), 4);
        for (int child : children.at(index))
            through << cellName(layout.firstRow + child, largestColumn);
        sheet.set(sheetRow, largestColumn, formula(maxOf(through), largest.at(index), resultDecimals));
        sheet.set(sheetRow, sharedColumn,
                  formula(QStringLiteral("IF(%1=%2,%3*%4,%5)")
                              .arg(cellName(sheetRow, largestColumn), mainLoss, pipes, cell(index, Field::RunningSectionLoss), sharedAbove),
                          shared.at(index), resultDecimals));
        if (ringOfRow.contains(index)) {
            const int k = ringOfRow.value(index);
            const QString loss = cellName(firstRing + k, 4);
            const QString isMain = QStringLiteral("%1=%2").arg(k + 1).arg(mainIndex);
            const QString after = QStringLiteral("(%1-%2)").arg(mainLoss, cellName(sheetRow, sharedColumn));
            const Section& section = table.shown.at(index);
            const QString imbalance =
                QStringLiteral("IF(%1,\"\",IF(%2>0,(%3-%4)/%2*100,\"\"))").arg(isMain, after, mainLoss, loss);
            const QString throttle = QStringLiteral("IF(%1,\"\",%2-%3)").arg(isMain, mainLoss, loss);
            sheet.set(sheetRow, column(Field::Imbalance),
                      section.imbalance ? formula(imbalance, *section.imbalance, 2) : textFormula(imbalance, QString()));
            sheet.set(sheetRow, column(Field::Throttle),
                      section.throttle ? formula(throttle, *section.throttle, resultDecimals) : textFormula(throttle, QString()));
        }
        if (!followsNetwork(index) || !table.shown.at(index).request.load)
            continue;
        compute(index, Field::Heat, summed(index, Field::Heat, Field::UnitHeat).join(u'+'));
        compute(index, Field::TemperatureDrop, cellName(carrierRow, 3));
        compute(index, layout.heatCapacityColumn, cellName(carrierRow, 2));
        // q to 4 significant digits of G/ρ, as the load window gives it in the section's unit.
        const QString massFlow = cell(index, Field::MassFlow);
        const bool cubic = table.shown.at(index).request.conditions.flow.unit == calc::FlowUnit::CubicMetresPerHour;
        const QString volume = cubic ? QStringLiteral("%1/%2").arg(massFlow, density)
                                     : QStringLiteral("%1/(3.6*%2)").arg(massFlow, density);
        compute(index, layout.flowColumn,
                QStringLiteral("ROUND(%1,MAX(0,3-INT(LOG10(%1))))%2").arg(volume, cubic ? QStringLiteral("/3.6") : QString()));
    }
}

}  // namespace

void writeNetwork(Sheet& sheet, const SheetLayout& layout, const ComputedTable& table, int resultsRow)
{
    if (table.water)
        NetworkWriter(sheet, layout, table, table.water->shape.tree).water(resultsRow);
    else if (table.heating)
        NetworkWriter(sheet, layout, table, table.heating->shape.tree).heating(resultsRow);
}

}  // namespace report
