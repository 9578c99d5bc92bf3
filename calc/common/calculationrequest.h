#pragma once

#include "calc/common/calculation.h"
#include "calc/common/economicadvice.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace calc {

// The choice made for each condition of a table, by the position of the choice in its list, in
// the order of the table's conditions; -1 (or a missing entry) where nothing is chosen.
using ConditionChoices = QList<int>;

// The conditions of a calculator and a flow, for which every size of its catalog is measured.
struct SizeQuery {
    ConditionChoices chosen;
    TypedFlow flow;
    // ν·10^6, mm²/s, and ρ, kg/m³, typed for a heat carrier other than water; 0 where none.
    double carrierViscosityE6 = 0;
    double carrierDensity = 0;
    // t, °C, as the screen holds it: taken before the list position, which names no temperature
    // where a screen keeps one its current list does not offer.
    std::optional<double> temperature{};
};


// The local losses of a section as the user set them.
struct LocalLosses {
    bool counted = false;           // steel: the local losses are counted (k)
    QList<double> fittingCounts;    // building: the count of each fitting row in order, 0 unticked
    std::optional<double> otherResistance;  // building: ξ of the free row, when ticked
};

enum class CarrierKind { Water, EthyleneGlycol, PropyleneGlycol };

// A heat carrier applied from the reference, as the reference showed it; its ρ and ν are the
// request's typed ones.
struct ReferenceCarrier {
    CarrierKind kind = CarrierKind::Water;
    double concentration = 0;  // per cent by mass; 0 for water
    double temperature = 0;    // °C
    double heatCapacity = 0;   // c, kJ/(kg·K)
};

// The heat load the flow was worked out from, G = 3,6·Q/(c·Δt), with the c it took.
struct HeatLoad {
    double heat = 0;             // Q, W
    double temperatureDrop = 0;  // Δt, K
    double heatCapacity = 0;     // c, kJ/(kg·K)
};

// The water whose column of table А.1 of СП 30.13330.2020 gives a fixture's q0: of a cold or a
// hot system, or the total of a combined input.
enum class FixtureWater { Cold, Hot, Total };

// The fixtures a water-supply section serves, from which its flow was worked out by the
// probability method: q = 5·q0·α, α by N and P from table Б.1 or by NP from table Б.2 of
// СП 30.13330.2020.
struct FixtureSupply {
    double fixtures = 0;     // N
    double fixtureFlow = 0;  // q0, l/s
    std::optional<double> probability;  // P as typed; none where it follows from U and q_hr,u
    double consumers = 0;    // U
    double hourNorm = 0;     // q_hr,u, l/h
    // The row of table А.1 that gave q0, by its printed number and name, and the water of its
    // column; empty where q0 was typed.
    QString fixtureKind{};
    FixtureWater water = FixtureWater::Cold;
};

// One calculation as a calculator ran it: all that the user set, enough to run it again.
struct CalculationRequest {
    int table = 0;             // 1 for II-1
    SizeQuery conditions{};    // the record's condition choices, the flow and unit, ν and ρ typed
    QString size{};            // the catalog size as the lists name it; empty for a typed diameter
    double diameterMm = 0;     // the calculation diameter the calculation took
    std::optional<double> length{};  // section length, m; none for a find alone
    LocalLosses localLosses{};
    // Where the typed ρ and ν, and the typed flow, still hold what the heating tools wrote.
    std::optional<ReferenceCarrier> carrier{};
    std::optional<HeatLoad> load{};
    // Where the typed flow still holds the flow applied from the fixtures.
    std::optional<FixtureSupply> fixtures{};
    // The calculator's last find that went through: the section of a request whose own find stops
    // goes on with its 1000i (0 where there is none). Only a classic calculator sets it, for the
    // calculation it runs; what it shows and hands on has none.
    std::shared_ptr<const CalculationRequest> lastFound{};
};

// What the calculation gave, as the calculator shows it.
struct CalculationResults {
    Figures figures;           // every figure of the calculation
    QString velocityWarning;   // the warning below the results, as shown; empty when none
    QString advice;            // the advice label as shown (economic or velocity advice)
    QString headLossText;      // the section's result line as shown: "H = i·L·(1+k)= 0,26 м"
};

// The velocity warning of a calculator as data.
struct VelocityVerdict {
    double limit = 0;  // m/s, the velocity the warning names
    bool exceeded = false;
};

// Where the flow stands among the economic bands of a table that has them.
struct EconomicVerdict {
    bool inBand = false;                    // the flow lies in the band of the calculated size
    std::optional<double> recommendedSize;  // mm: the size whose band holds the flow; none where none does
    QString noBandAdvice;                   // the advice as the calculator words it for a size of no band
};

// The formula a calculation took where its family's formulas branch.
enum class FormulaBranch {
    Single,
    SteelQuadratic,        // non-new steel, v/ν ≥ 9,2·10⁵: λ = 0,021/dp^0,3
    SteelTransitional,     // non-new steel, v/ν < 9,2·10⁵
    CastIronFast,          // non-new cast iron, v ≥ 1,2 м/сек
    CastIronSlow,          // non-new cast iron, v < 1,2 м/сек
};

// The system a section of a building table (II-9 to II-11) serves. HotWater is the copper
// screen's circulation and the polymer screens' hot water; HotWaterSupply exists on the copper
// screen only.
enum class BuildingSystem { ColdWater, HotWater, HotWaterSupply, Heating };

// The friction intermediates of the building tables' λ.
struct FrictionIntermediates {
    double roughReynolds = 0;  // Re кв
    double b = 0;
    double a = 0;              // A
};

// What the tables of nominal sizes (II-3, II-4) show of the size once the flow is accepted.
struct ShownSize {
    QString caption;                 // "d=" before a nominal size, "dp=" before a typed diameter
    std::optional<double> size;      // mm, the size value; set when the find went through
    QString diameterTooltip;         // of the diameter input, where a catalog row gave the diameter
};

// What one calculation gives: the check that stopped it (with the figures computed before it),
// every figure, the verdicts and the texts the calculator shows for it.
struct CalculationOutcome {
    std::optional<Check> failed;
    // The check that stopped the section of a request with a length: with a find that went
    // through it is `failed` too; after a find that stopped, the section still goes on.
    std::optional<Check> sectionFailed;
    Figures figures;
    std::optional<VelocityVerdict> velocity;  // on the tables that warn of a fast flow, once v is known
    std::optional<EconomicVerdict> economic;  // on the tables with economic bands, once the flow is accepted
    FormulaBranch branch = FormulaBranch::Single;
    std::optional<FrictionIntermediates> friction;
    std::optional<BuildingSystem> system;  // on the building tables, whose formulas follow it
    QString velocityWarning;  // the warning below the results; empty when none
    QString advice;           // the advice label (economic or velocity advice)
    QString headLossText;     // the section's result line: "H = i·L·(1+k)= 0,26 м"
    QString stopReason;       // why a calculation stopped after v, in a few words; empty otherwise
    // What the advice step writes on the advice label of a screen that keeps what is not written.
    std::optional<AdviceLabelWrites> adviceLabel;
    std::optional<ShownSize> shownSize;
    // What the building screens write back into their carrier inputs: ν·10⁶, and ρ of water.
    std::optional<double> viscosityE6;
    std::optional<double> waterDensity;
    // The tooltip the advice step sets on the advice label; none keeps the one it had.
    std::optional<QString> adviceTooltip;
};

// The 1000i that the section of a request goes on with when the request's own find stops: that of
// its last find that went through, calculated again by the table's calculation; 0 without one.
inline double lastFoundThousandI(const CalculationRequest& request,
                                 const std::function<CalculationOutcome(const CalculationRequest&)>& calculate)
{
    return request.lastFound ? calculate(*request.lastFound).figures.thousandI.value_or(0) : 0;
}

}  // namespace calc
