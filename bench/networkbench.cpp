#include "bench/networkbench.h"

#include "bench/median.h"
#include "calc/network/heatingnetwork.h"
#include "calc/network/waternetwork.h"
#include "calc/registry/tables.h"

#include <QElapsedTimer>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using calc::network::NetworkSection;

constexpr int riserSections = 200;
constexpr int branchesPerNode = 4;

const calc::TableRecord* record(int number)
{
    return number >= 1 && number <= calc::tableCount ? &calc::table(number) : nullptr;
}

NetworkSection section(const QString& start, const QString& end, const calc::CalculationRequest& request)
{
    NetworkSection made;
    made.number = end;
    made.start = start;
    made.end = end;
    made.request = request;
    return made;
}

// The riser from "ввод" through nodes 1…200, four branches from each of them to an end.
QList<NetworkSection> network(const calc::CalculationRequest& riser, const calc::CalculationRequest& branch)
{
    QList<NetworkSection> rows;
    for (int node = 1; node <= riserSections; ++node)
        rows.append(section(node == 1 ? QStringLiteral("ввод") : QString::number(node - 1), QString::number(node), riser));
    for (int node = 1; node <= riserSections; ++node)
        for (int k = 1; k <= branchesPerNode; ++k)
            rows.append(section(QString::number(node), QStringLiteral("%1.%2").arg(node).arg(k), branch));
    return rows;
}

// Each run changes one end and computes the whole network again; the network as opened is
// computed first, as the window does before any edit.
std::vector<double> times(int runs, QList<NetworkSection>& rows, const std::function<void(NetworkSection&, int)>& edit,
                          const std::function<bool(const QList<NetworkSection>&)>& compute)
{
    std::vector<double> taken;
    if (!compute(rows))
        return taken;
    for (int run = 0; run < runs; ++run) {
        edit(rows[rows.size() / 2 + run % 2], run);
        QElapsedTimer clock;
        clock.start();
        const bool computed = compute(rows);
        taken.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (!computed)
            return {};
    }
    return taken;
}

}  // namespace

int networkTimes(int runs)
{
    const calc::LocalLosses counted{true, {}, {}};
    QList<NetworkSection> water =
        network({2, {{0, 0, -1, 0}, {1, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("426 × 8"), 409, 3, counted},
                {1, {{0, 0, -1, 0}, {1, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("21.3 × 2.8"), 14.7, 3, counted});
    for (NetworkSection& row : water)
        if (row.number.contains(QLatin1Char('.'))) {
            row.fixturesAtEnd = calc::network::FixturesAtEnd{4, 3};
            row.endHeight = 3 * row.start.toDouble();
            row.endHead = 3;
        }
    const calc::network::WaterSupplySystem waterSystem{0.2, 5.6, 1.5, 2.5, 0, 0, 30.0};
    const std::vector<double> waterTimes = times(
        runs, water, [](NetworkSection& row, int run) { row.fixturesAtEnd->count = run % 2 ? 4 : 6; },
        [&waterSystem](const QList<NetworkSection>& rows) {
            return calc::network::waterNetwork(rows, waterSystem, record).required.has_value();
        });

    QList<double> fittings{1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QList<NetworkSection> heating =
        network({9, {{3, 2, 0}, {1, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("108 × 2.5"), 103, 3, {false, fittings, {}}},
                {9, {{3, 2, 0}, {1, calc::FlowUnit::LitresPerSecond}}, QStringLiteral("15 × 1.0"), 13, 3, {false, fittings, {}}});
    for (NetworkSection& row : heating)
        if (row.number.contains(QLatin1Char('.')))
            row.unitAtEnd = calc::network::UnitAtEnd{500, 2000};
    const calc::network::HeatingSystem heatingSystem{20, 0.1, true, 4.19, 977.8};
    const std::vector<double> heatingTimes = times(
        runs, heating, [](NetworkSection& row, int run) { row.unitAtEnd->heat = run % 2 ? 500 : 700; },
        [&heatingSystem](const QList<NetworkSection>& rows) {
            return calc::network::heatingNetwork(rows, heatingSystem, record).pump.has_value();
        });

    if (waterTimes.empty() || heatingTimes.empty()) {
        std::fprintf(stderr, "the network did not compute\n");
        return 1;
    }
    std::printf("%.2f %.2f %.2f %.2f\n", median(waterTimes), waterTimes.front(), median(heatingTimes), heatingTimes.front());
    return 0;
}
