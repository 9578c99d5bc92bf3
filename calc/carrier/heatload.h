#pragma once

#include "calc/common/calculationrequest.h"

#include <QString>
#include <optional>

namespace calc::carrier {

inline constexpr double minLoad = 1;            // Вт
inline constexpr double maxLoad = 1e9;          // Вт
inline constexpr double minTemperatureDrop = 0.1;  // К
inline constexpr double maxTemperatureDrop = 150;  // К
inline constexpr double minHeatCapacity = 1;    // кДж/(кг·К)
inline constexpr double maxHeatCapacity = 5;    // кДж/(кг·К)

// G = 3,6·Q/(c·Δt), кг/ч, as the load window shows it: to 0,1 кг/ч.
double shownMassFlow(const HeatLoad& load);

// What is wrong with a flow said to come from the load, with a carrier of density ρ, kg/m³: G of
// the flow differs from G of the load by more than the rounding of the flow and the difference
// of the density tables the load window and the calculation take. Empty when they agree.
QString loadFlowFault(const HeatLoad& load, const TypedFlow& flow, double density);

// What the load window reads: the typed load and Δt, the typed c, and what the screen knows of
// its carrier (c and ρ as shown there), if anything.
struct LoadInput {
    QString load;          // Q, Вт
    QString temperatureDrop;  // Δt, °С
    QString heatCapacity;  // c, кДж/(кг·К), read only when the screen gives none
    std::optional<double> carrierHeatCapacity;
    std::optional<double> carrierDensity;
};

// The flow as shown: G to 0,1 кг/ч, the volume flows to 4 significant digits.
struct LoadAnswer {
    std::optional<HeatLoad> load;              // Q, Δt and the c taken, once G is known
    std::optional<double> massFlow;            // кг/ч
    std::optional<double> litresPerSecond;     // needs ρ
    std::optional<double> cubicMetresPerHour;  // needs ρ
    QString message;                           // what is wrong or missing
};

// G = 3,6·Q/(c·Δt) кг/ч; q = G/(3,6·ρ) л/сек and G/ρ м куб/ч.
LoadAnswer flowFromLoad(const LoadInput& input);

}  // namespace calc::carrier
