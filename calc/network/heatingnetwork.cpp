#include "calc/network/heatingnetwork.h"

#include "calc/carrier/heatload.h"
#include "calc/common/flowarithmetic.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/network/networkfaults.h"
#include "calc/network/sectioncalculation.h"

#include <algorithm>

namespace calc::network {

namespace {

// Pressures are written as Σ(R·l+Z) is in the table: to 0,001 Pa.
QString pascals(double value) { return numberText(roundHalfEven(value, 3)); }

void accumulate(const QList<NetworkSection>& rows, const Tree& tree, QList<HeatingSection>& sections)
{
    for (int row = 0; row < rows.size(); ++row)
        if (const auto& unit = rows.at(row).unitAtEnd)
            sections[row].heat = unit->heat;
    for (auto row = tree.order.crbegin(); row != tree.order.crend(); ++row)
        if (const int feeder = tree.feeder.at(*row); feeder >= 0)
            sections[feeder].heat += sections.at(*row).heat;
}

// The request with the network's load and the flow the load window gives for it, in the unit of
// the section's flow.
void applyNetworkFlow(const NetworkSection& row, const HeatingSystem& system, HeatingSection& section)
{
    if (section.heat <= 0) {
        section.fault = sectionFault(row.number, QStringLiteral("ни у его конца, ни ниже по сети нет приборов "
                                                                "с тепловой нагрузкой, а расход не задан"));
        return;
    }
    const carrier::LoadAnswer answer =
        carrier::flowFromLoad({storedNumberText(section.heat), storedNumberText(system.temperatureDrop), QString(),
                               system.heatCapacity, system.density});
    if (!answer.load || !answer.litresPerSecond) {
        section.fault =
            sectionFault(row.number, QStringLiteral("расход по нагрузке не определён: ") + continuing(answer.message));
        return;
    }
    section.massFlow = answer.massFlow;
    section.request.load = answer.load;
    TypedFlow& flow = section.request.conditions.flow;
    flow.value = flow.unit == FlowUnit::CubicMetresPerHour ? *answer.cubicMetresPerHour : *answer.litresPerSecond;
}

// Every unit's ring, the main one, and the others against the main one's part after the node
// where they leave it.
void rings(const QList<NetworkSection>& rows, const Tree& tree, double pipes, HeatingNetwork& network)
{
    QList<double> pathLoss(rows.size(), 0.0);
    for (int row : tree.order) {
        const int feeder = tree.feeder.at(row);
        pathLoss[row] = (feeder >= 0 ? pathLoss.at(feeder) : 0) + pipes * *network.sections.at(row).loss;
    }
    for (int row = 0; row < rows.size(); ++row) {
        const std::optional<UnitAtEnd>& unit = rows.at(row).unitAtEnd;
        if (!unit)
            continue;
        Ring ring;
        ring.row = row;
        ring.node = nodeName(rows.at(row).end);
        ring.pipes = pathLoss.at(row);
        ring.unit = unit->pressureLoss;
        ring.loss = ring.pipes + ring.unit;
        if (network.main < 0 || ring.loss > network.rings.at(network.main).loss)
            network.main = int(network.rings.size());
        network.rings.append(ring);
    }
    const Ring main = network.rings.at(network.main);
    network.mainPath = pathTo(tree, main.row);
    QList<bool> onMainPath(rows.size(), false);
    for (int row : network.mainPath)
        onMainPath[row] = true;
    for (int k = 0; k < network.rings.size(); ++k) {
        if (k == network.main)
            continue;
        Ring& ring = network.rings[k];
        int shared = ring.row;
        while (shared >= 0 && !onMainPath.at(shared))
            shared = tree.feeder.at(shared);
        const double common = shared >= 0 ? pathLoss.at(shared) : 0;
        ring.branchNode = shared >= 0 ? nodeName(rows.at(shared).end) : tree.input;
        ring.mainAfter = main.loss - common;
        ring.ringAfter = ring.loss - common;
        ring.throttle = ring.mainAfter - ring.ringAfter;
        if (ring.mainAfter > 0) {
            ring.imbalance = ring.throttle / ring.mainAfter * 100;
            ring.overLimit = *ring.imbalance > imbalanceLimit;
        }
    }
}

}  // namespace

HeatingNetwork heatingNetwork(const QList<NetworkSection>& rows, const HeatingSystem& system, const RecordLookup& records)
{
    HeatingNetwork network;
    network.shape = shapeOf(rows);
    if (!network.shape.network)
        return network;
    network.fault = heatingInputFault(rows, system);
    if (network.fault.isEmpty())
        network.fault = network.shape.fault;
    if (network.fault.isEmpty()
        && std::none_of(rows.cbegin(), rows.cend(), [](const NetworkSection& row) { return row.unitAtEnd.has_value(); }))
        network.fault = QStringLiteral("В сети нет ни одного отопительного прибора: графа «%1» пуста").arg(heatColumn);
    if (!network.fault.isEmpty())
        return network;

    const Tree& tree = network.shape.tree;
    network.sections.resize(rows.size());
    accumulate(rows, tree, network.sections);
    calculateRows<HeatingSection, HeatingSystem>(
        rows, system, records, network.sections, applyNetworkFlow, &Figures::pressureDrop, &HeatingSection::loss,
        QStringLiteral("потери давления R·l+Z не определены: участок не из системы отопления"));
    const auto faulty = std::find_if(network.sections.cbegin(), network.sections.cend(),
                                     [](const HeatingSection& section) { return !section.fault.isEmpty(); });
    if (faulty != network.sections.cend()) {
        network.fault = faulty->fault;
        return network;
    }
    rings(rows, tree, system.bothPipes ? 2 : 1, network);
    const Ring& main = network.rings.at(network.main);
    PumpHead pump{main.loss, system.reserve, (1 + system.reserve) * main.loss, system.density, 0};
    pump.metres = pump.pascals / (pump.density * gravity);
    network.pump = pump;
    return network;
}

QString mainRingText(const Ring& ring)
{
    return QStringLiteral("Главное циркуляционное кольцо — через прибор узла «%1»: ΔP = %2 Па")
        .arg(ring.node, pascals(ring.loss));
}

QString pumpHeadText(const PumpHead& pump)
{
    return QStringLiteral("ΔP_н = (1 + %1)·%2 = %3 Па = %3/(%4·%5) = %6 м вод. ст.")
        .arg(numberText(pump.reserve), pascals(pump.ring), pascals(pump.pascals), numberText(pump.density),
             numberText(gravity), numberText(roundHalfEven(pump.metres, 3)));
}

}  // namespace calc::network
