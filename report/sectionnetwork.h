#pragma once

#include "calc/common/designlimits.h"
#include "calc/network/heatingnetwork.h"
#include "calc/network/networkinput.h"
#include "calc/network/waternetwork.h"
#include "report/document.h"
#include "report/sections.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

// The sections table as the network of its ends computes it: each row as shown (the network's
// flow and figures, or its own where the table is a list), the running sums along the paths, the
// rows of the dictating path or the main ring, and the result lines.
namespace report {

// The system's figures set once for the table: the "network" of its file.
struct NetworkSettings {
    calc::network::WaterSupplySystem water;
    calc::network::HeatingSystem heating;  // the carrier's c and ρ come from the rows
};
bool operator==(const NetworkSettings& a, const NetworkSettings& b);

struct ComputedTable {
    QList<Section> shown;
    QList<double> running;  // down the table for a list, from the input along its path in a network
    bool network = false;   // computed as a network
    QString fault;          // why a table whose rows all have ends is not computed as a network
    QSet<int> marked;       // the dictating path or the main ring
    QSet<int> overLimit;    // rows whose ring's imbalance exceeds the limit
    // Water supply.
    QString requiredHead;   // formula (14) with its numbers
    QString dictating;      // the dictating end
    QString booster;        // against the guaranteed head, when it is typed
    // Heating.
    QString mainRing;
    QString pumpHead;
    QString carrier;        // kind, temperature, ρ and Δt of the table
    QStringList fittings;   // per row: the fittings making its Σξ
    // What the record of the system adds: every end's H for water supply, every ring's loss for
    // heating, and the fittings of each heating row.
    QStringList details;
    // The lines the outputs add after the table.
    QStringList results() const;
    // What an output that writes the network's arithmetic out needs: the system's figures (those
    // of heating with the carrier's c and ρ) and the network as computed, once the table is one.
    NetworkSettings settings;
    QString carrierName;
    std::optional<calc::network::WaterNetwork> water;
    std::optional<calc::network::HeatingNetwork> heating;
};

// Whether every row names both its ends.
bool hasEnds(const QList<Section>& sections);

ComputedTable computedTable(const QList<Section>& sections, std::optional<TableKind> kind,
                            const NetworkSettings& settings, const RecordLookup& records);

// The smallest catalog size within the limits for each row as the table computes it, with the
// network's flows: each row's position and size; and the numbers of the rows of whose catalog no
// size keeps within them.
struct SizesWithinLimits {
    QList<std::pair<int, QString>> sizes;
    QStringList outOfLimits;
};
SizesWithinLimits sizesWithinLimits(const ComputedTable& table, const RecordLookup& records,
                                    const calc::DesignLimits& limits);

// The whole table as the outputs show it: its running sums, the marked rows in bold and the result
// lines after it.
Document networkDocument(const ComputedTable& table, std::optional<TableKind> kind, const TitleBlock& title);

}  // namespace report
