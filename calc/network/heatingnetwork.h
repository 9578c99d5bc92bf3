#pragma once

#include "calc/network/networkinput.h"
#include "calc/network/networktree.h"

#include <QList>
#include <QString>
#include <optional>

// A heating network: the heat loads of the terminal units summed down the tree, each section's
// flow G = 3,6·Q/(c·Δt) and its R·l + Z by its table, the circulation ring through every unit,
// the main ring, the imbalance of the others and the pump head.
namespace calc::network {

// A dead-end system's rings may differ from the main ring's parallel part by this much, %.
inline constexpr double imbalanceLimit = 15;

struct HeatingSection {
    double heat = 0;                   // Q, W: at its end and every end downstream
    std::optional<double> massFlow;    // G, kg/h, as the load window shows it; none for a typed flow
    bool flowTyped = false;            // the section's own flow stands over the network's
    CalculationRequest request;        // as calculated, with the network's load and flow
    CalculationOutcome outcome;
    std::optional<double> loss;        // R·l + Z of one pipe, Pa, as the table shows it (to 0,001 Pa)
    QString fault;                     // why the section has no R·l + Z
};

// The circulation ring through one terminal unit.
struct Ring {
    int row = 0;           // the section at whose end node the unit sits
    QString node;
    double pipes = 0;      // Σ(R·l + Z) along its path from the source, twice with both pipes, Pa
    double unit = 0;       // ΔP of the unit, Pa
    double loss = 0;       // pipes + unit
    // Against the main ring (every ring but the main one): where its path leaves the main
    // ring's, and the parts of both after that node.
    QString branchNode;
    double mainAfter = 0;
    double ringAfter = 0;
    std::optional<double> imbalance;  // (mainAfter − ringAfter)/mainAfter·100 %
    bool overLimit = false;           // above imbalanceLimit
    double throttle = 0;              // mainAfter − ringAfter, Pa, for its valve to take
};

// ΔP_н = (1 + reserve)·ΔP_ring, Pa, and ΔP_н/(ρ·g) in metres of the carrier.
struct PumpHead {
    double ring = 0;
    double reserve = 0;
    double pascals = 0;
    double density = 0;
    double metres = 0;
};

struct HeatingNetwork {
    NetworkShape shape;
    QString fault;                   // the first refusal or fault; empty when the network is computed
    QList<HeatingSection> sections;  // in the order of the rows, once the tree holds
    QList<Ring> rings;               // in the order of their rows; once every section has its loss
    int main = -1;                   // of `rings`: the largest loss, the first of equals
    QList<int> mainPath;             // its rows from the source
    std::optional<PumpHead> pump;
};

HeatingNetwork heatingNetwork(const QList<NetworkSection>& sections, const HeatingSystem& system,
                              const RecordLookup& records);

// "Главное циркуляционное кольцо — через прибор узла «4»: ΔP = 12920,56 Па"
QString mainRingText(const Ring& ring);
// "ΔP_н = (1 + 0,1)·12920,56 = 14212,616 Па = 14212,616/(977,8·9,80665) = 1,482 м вод. ст."
QString pumpHeadText(const PumpHead& pump);

}  // namespace calc::network
