#include "calc/network/waternetwork.h"

#include "calc/carrier/typednumber.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/network/networkfaults.h"
#include "calc/network/sectioncalculation.h"

#include <algorithm>

namespace calc::network {

namespace {

// Heads are written as Σh is in the table: to 0,001 m.
QString metres(double value) { return numberText(roundHalfEven(value, 3)); }

// N and U of each row: its own and those of every row below it, summed from the ends up.
void accumulate(const QList<NetworkSection>& rows, const Tree& tree, QList<WaterSection>& sections)
{
    for (int row = 0; row < rows.size(); ++row)
        if (const auto& own = rows.at(row).fixturesAtEnd) {
            sections[row].fixtures = own->count;
            sections[row].consumers = own->consumers;
        }
    for (auto row = tree.order.crbegin(); row != tree.order.crend(); ++row)
        if (const int feeder = tree.feeder.at(*row); feeder >= 0) {
            sections[feeder].fixtures += sections.at(*row).fixtures;
            sections[feeder].consumers += sections.at(*row).consumers;
        }
}

// The request with the network's flow: q = 5·q0·α of the fixtures served, never below q0, in
// the unit of the section's flow.
void applyNetworkFlow(const NetworkSection& row, const WaterSupplySystem& system, WaterSection& section)
{
    if (section.fixtures <= 0) {
        section.fault = sectionFault(row.number, QStringLiteral("ни у его конца, ни ниже по сети нет приборов, "
                                                                "а расход не задан"));
        return;
    }
    const FixtureSupply supply{section.fixtures, system.fixtureFlow, std::nullopt, section.consumers, system.hourNorm};
    section.figures = fixtures::fixtureFigures(supply);
    if (!section.figures.litresPerSecond) {
        section.fault = sectionFault(row.number, QStringLiteral("расход по приборам не определён: ")
                                                     + continuing(section.figures.message));
        return;
    }
    double litres = *section.figures.litresPerSecond;
    double cubic = *section.figures.cubicMetresPerHour;
    if (litres < system.fixtureFlow) {
        litres = system.fixtureFlow;
        cubic = carrier::roundedToDecimals(3.6 * litres, 4);
    }
    section.request.fixtures = supply;
    TypedFlow& flow = section.request.conditions.flow;
    flow.value = flow.unit == FlowUnit::CubicMetresPerHour ? cubic : litres;
}

// The heads of the ends and the dictating one, from Σh down every path.
void endHeads(const QList<NetworkSection>& rows, const Tree& tree, WaterNetwork& network)
{
    QList<double> pathLoss(rows.size(), 0.0);
    for (int row : tree.order) {
        const int feeder = tree.feeder.at(row);
        pathLoss[row] = (feeder >= 0 ? pathLoss.at(feeder) : 0) + *network.sections.at(row).headLoss;
    }
    for (int row = 0; row < rows.size(); ++row) {
        if (!tree.branchEnd.at(row))
            continue;
        const NetworkSection& input = rows.at(row);
        EndHead end{row, nodeName(input.end), input.endHeight.value_or(0), pathLoss.at(row), input.endHead.value_or(0), 0};
        end.head = end.height + end.pathLoss + end.freeHead;
        if (network.dictating < 0 || end.head > network.ends.at(network.dictating).head)
            network.dictating = int(network.ends.size());
        network.ends.append(end);
    }
}

}  // namespace

WaterNetwork waterNetwork(const QList<NetworkSection>& rows, const WaterSupplySystem& system, const RecordLookup& records)
{
    WaterNetwork network;
    network.shape = shapeOf(rows);
    if (!network.shape.network)
        return network;
    network.fault = waterInputFault(rows, system);
    if (network.fault.isEmpty())
        network.fault = network.shape.fault;
    if (!network.fault.isEmpty())
        return network;

    const Tree& tree = network.shape.tree;
    network.sections.resize(rows.size());
    accumulate(rows, tree, network.sections);
    calculateRows<WaterSection, WaterSupplySystem>(rows, system, records, network.sections, applyNetworkFlow,
                                                   &Figures::headLoss, &WaterSection::headLoss,
                                                   QStringLiteral("потери напора не определены: не задана длина"));
    const auto faulty = std::find_if(network.sections.cbegin(), network.sections.cend(),
                                     [](const WaterSection& section) { return !section.fault.isEmpty(); });
    if (faulty != network.sections.cend()) {
        network.fault = faulty->fault;
        return network;
    }
    endHeads(rows, tree, network);
    const EndHead& dictating = network.ends.at(network.dictating);
    network.dictatingPath = pathTo(tree, dictating.row);
    RequiredHead required{dictating.height, dictating.pathLoss, dictating.freeHead, system.meters, system.heater,
                          system.inlet, 0};
    required.total = required.geometric + required.pathLoss + required.freeHead + required.meters + required.heater
                     + required.inlet;
    network.required = required;
    return network;
}

QString requiredHeadText(const RequiredHead& head)
{
    const QStringList terms{metres(head.geometric), metres(head.pathLoss), metres(head.freeHead),
                            metres(head.meters),    metres(head.heater),   metres(head.inlet)};
    return QStringLiteral("H_тр = H_geom + ΣH_il + H_пр + ΣH_вод + H_тепл + H_ввод = ") + terms.join(QStringLiteral(" + "))
           + QStringLiteral(" = ") + metres(head.total) + QStringLiteral(" м");
}

QString boosterText(const RequiredHead& head, double guaranteed)
{
    const double margin = roundHalfEven(guaranteed, 3) - roundHalfEven(head.total, 3);
    if (margin >= 0)
        return QStringLiteral("Напора в сети достаточно (запас ") + metres(margin) + QStringLiteral(" м)");
    return QStringLiteral("Требуется повышение напора на ") + metres(-margin) + QStringLiteral(" м");
}

}  // namespace calc::network
