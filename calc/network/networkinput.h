#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/tablerecord.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

// What the engineer sets for a network of sections: each section's ends and what sits at its
// end node, and the system's figures set once for the table. Plain data, named as the sections
// file names them.
namespace calc::network {

// The record of a table by its number; null for a number no record has.
using RecordLookup = std::function<const TableRecord*(int number)>;

// The fixtures and consumers at a water-supply section's end node: "fixturesAtEnd".
struct FixturesAtEnd {
    double count = 0;      // N, "count"
    double consumers = 0;  // U, "consumers"
};

// The terminal unit (a radiator with its valves) at a heating section's end node: "unitAtEnd".
struct UnitAtEnd {
    double heat = 0;          // Q, W, "heat"
    double pressureLoss = 0;  // ΔP, Pa, "pressureLoss"
};

struct NetworkSection {
    QString number;  // as the user names the row: "1", "1-2"
    QString start;   // "start": the node it leaves, free text ("ввод", "Ст1")
    QString end;     // "end": the node it feeds
    // What the user set for the section: table, conditions, size, length, local losses; its flow
    // (with its unit) is the network's unless typed.
    CalculationRequest request;
    // The flow of the request was typed for this section and stands over the network's flow.
    bool flowTyped = false;
    // Water supply.
    std::optional<FixturesAtEnd> fixturesAtEnd;
    std::optional<double> endHeight;  // z, m, of the dictating fixture above the input: "endHeight"
    std::optional<double> endHead;    // Hсв, m, needed before that fixture: "endHead"
    // Heating.
    std::optional<UnitAtEnd> unitAtEnd;
};

// The water-supply system's figures: the table's "network".
struct WaterSupplySystem {
    double fixtureFlow = 0;     // q0, l/s, "fixtureFlow"
    double hourNorm = 0;        // q_hr,u, l/h, "hourNorm"
    double velocityLimit = 1.5; // m/s, the limit sizes are chosen by, "velocityLimit"
    double meters = 0;          // ΣH_вод, m, the water meters, "meters"
    double heater = 0;          // H_тепл, m, the water heater, "heater"
    double inlet = 0;           // H_ввод, m, the input, "inlet"
    std::optional<double> guaranteed;  // H_g, m, at the connection, "guaranteed"; none where unknown
};

// The heating system's figures: the table's "network" and its carrier.
struct HeatingSystem {
    double temperatureDrop = 20;  // Δt, K, "temperatureDrop"
    double reserve = 0.1;         // of the pump head, "reserve"
    bool bothPipes = true;        // a section is the supply and the return pipe alike, "bothPipes"
    double heatCapacity = 0;      // c of the table's carrier, kJ/(kg·K)
    double density = 0;           // ρ of the table's carrier, kg/m³
};

}  // namespace calc::network
