#include "calc/building/buildingcalculation.h"

#include "calc/common/flowarithmetic.h"

#include <cmath>

namespace calc::building {

namespace {

double resistanceSum(const SectionInput& input)
{
    double counts[fittingRows];
    for (int row = 0; row < fittingRows; ++row)
        counts[row] = input.fittings[row].ticked ? input.fittings[row].count : 0;
    const double other = input.otherResistance.ticked ? input.otherResistance.count : 0;
    return localResistanceSum(input.material, counts, other);
}

void setSlope(Figures& figures, double slope)
{
    figures.slope = slope;
    figures.thousandI = 1000 * slope;
    figures.slopePressure = slopePressure(slope);
}

void setHeadLoss(Figures& figures, double headLoss)
{
    figures.headLoss = headLoss;
    figures.headLossPressure = slopePressure(headLoss);
}

// The figures no screen shows, set once the calculation has gone through.
void setUnshown(SectionResult& result, double diameterMm, const FrictionFactor& friction)
{
    result.figures.diameterMm = diameterMm;
    result.figures.reynolds = friction.reynolds;
    result.figures.lambda = friction.lambda;
    result.friction = FrictionIntermediates{friction.roughReynolds, friction.b, friction.a};
}

// The flow and length checks, then Q (the flow tooltip shows it) and v.
struct Flow {
    double d = 0;
    double v = 0;
    std::optional<Check> failed;
};
Flow sectionFlow(const SectionInput& input, Figures& figures)
{
    if (input.flow.value <= 0)
        return {.failed = Check::FlowZero};
    if (input.length <= 0)
        return {.failed = Check::LengthZero};
    const double d = input.diameterMm * std::pow(10.0, -3);
    const double q = flowCubicMetresPerSecond(input.flow.value, input.flow.unit);
    if (!allFinite({d, input.length}) || !flowIsShowable(q))
        return {.failed = Check::NotComputable};
    figures.flow = q;
    const double v = meanVelocity(q, d);
    if (!allFinite({v}))
        return {.failed = Check::NotComputable};
    return {d, v, std::nullopt};
}

// R takes the same density as the local losses.
bool setHeatingLosses(Figures& figures, const SectionInput& input, const Flow& flow, double lambda, double density)
{
    const double sum = *figures.resistanceSum;
    const double specificLoss = heatingSpecificLoss(lambda, flow.v, flow.d, density);
    const double localLoss = localPressureLoss(sum, flow.v, density);
    const double pressureDrop = specificLoss * input.length + localLoss;
    if (!allFinite({specificLoss, pressureDrop}))
        return false;
    figures.density = density;
    figures.specificLoss = specificLoss;
    figures.localPressureLoss = localLoss;
    figures.pressureDrop = pressureDrop;
    return true;
}

bool setViscosity(SectionResult& result, double nu)
{
    if (!allFinite({nu, nu * std::pow(10.0, 6)}))
        return false;
    result.figures.viscosity = nu;
    result.viscosityE6 = nu * std::pow(10.0, 6);
    return true;
}

SectionResult stopped(SectionResult result, Check check)
{
    result.failed = check;
    return result;
}

}  // namespace

SectionResult copperSection(const SectionInput& input)
{
    SectionResult result;
    Figures& figures = result.figures;
    const Material copper = Material::Copper;
    const SystemKind kind = input.kind;
    const bool water = input.carrier == HeatCarrier::Water;
    const bool slopeKind = kind == SystemKind::ColdWater || kind == SystemKind::HotWater;
    const double length = input.length;

    if (input.diameterMm <= 0)
        return stopped(result, Check::DiameterZero);
    if (!input.wallChosen && !input.typedDiameter)
        return stopped(result, Check::NoWallChosen);
    const Flow flow = sectionFlow(input, figures);
    if (flow.failed)
        return stopped(result, *flow.failed);
    const double d = flow.d;
    const double v = flow.v;

    double nu = 0;
    if (kind == SystemKind::ColdWater)
        nu = coldWaterViscosityE6 * std::pow(10.0, -6);
    const double t = input.temperature;
    // Asked for before the heat carrier is looked at, so another carrier needs it too.
    if (kind != SystemKind::ColdWater && t == 0 && !input.referenceCarrier)
        return stopped(result, Check::TemperatureMissing);
    if (isHotWater(kind) || (kind == SystemKind::Heating && water))
        nu = waterViscosityE6(copper, t) * std::pow(10.0, -6);
    if (kind == SystemKind::Heating && !water) {
        nu = input.typedViscosityE6 * std::pow(10.0, -6);
        if (nu == 0)
            return stopped(result, Check::ViscosityMissing);
    }
    if (!setViscosity(result, nu))
        return stopped(result, Check::NotComputable);

    const double sum = resistanceSum(input);
    if (!allFinite({sum}))
        return stopped(result, Check::NotComputable);
    figures.resistanceSum = sum;

    if (slopeKind) {
        const double slope = copperSlope(v, d, nu);
        const double headLoss = sectionHeadLoss(slope, length, sum, v);
        if (!allFinite({slope, slopePressure(slope), headLoss, slopePressure(headLoss)}))
            return stopped(result, Check::NotComputable);
        setSlope(figures, slope);
        setHeadLoss(figures, headLoss);
    }
    figures.velocity = v;
    if (kind != SystemKind::Heating)
        result.advice = velocityAdvice(copper, kind, v);

    const FrictionFactor friction = frictionFactor(d, v, nu, wallRoughness(copper));
    if (!allFinite({friction.reynolds, lg(friction.reynolds), lg(d), lg(friction.a), lg(friction.roughReynolds)}))
        return stopped(result, Check::NotComputable);

    if (kind == SystemKind::HotWaterSupply) {
        const double slope = copperSupplySlope(v, d, friction.reynolds);
        const double headLoss = sectionHeadLoss(slope, length, sum, v);
        // The supply formula falls to zero and below for large bores, where it no longer holds.
        if (!(slope > 0) || !allFinite({slope, slopePressure(slope), headLoss, slopePressure(headLoss)})) {
            if (!(slope > 0))
                result.stopReason = QStringLiteral("уклон не положителен");
            return stopped(result, Check::NotComputable);
        }
        setSlope(figures, slope);
        setHeadLoss(figures, headLoss);
    }

    // λ and R (per unit of density, which only heating knows) are worked out whatever the system:
    // an input that leaves them undefined is refused.
    if (!allFinite({friction.b, friction.lambda, heatingSpecificLoss(friction.lambda, v, d, 1.0)}))
        return stopped(result, Check::NotComputable);
    if (kind != SystemKind::Heating) {
        setUnshown(result, input.diameterMm, friction);
        return result;
    }

    // R needs the density, so it is shown once the density is known.
    const double density = water ? heatingWaterDensity(t) : input.typedDensity;
    if (water)
        result.waterDensity = density;
    if (density == 0)
        return stopped(result, Check::DensityMissing);
    if (!setHeatingLosses(figures, input, flow, friction.lambda, density))
        return stopped(result, Check::NotComputable);
    result.advice = velocityAdvice(copper, kind, v);
    setUnshown(result, input.diameterMm, friction);
    return result;
}

SectionResult polymerSection(const SectionInput& input)
{
    SectionResult result;
    Figures& figures = result.figures;
    const Material material = input.material;
    const SystemKind kind = input.kind;
    const bool heating = kind == SystemKind::Heating;
    const bool water = input.carrier == HeatCarrier::Water;
    const double length = input.length;

    if (input.diameterMm <= 0)
        return stopped(result, Check::DiameterZero);
    const Flow flow = sectionFlow(input, figures);
    if (flow.failed)
        return stopped(result, *flow.failed);
    const double d = flow.d;
    const double v = flow.v;
    figures.velocity = v;

    const double t = isHotWater(kind) || heating ? input.temperature : 0;
    if (isHotWater(kind) && t == 0)
        return stopped(result, Check::TemperatureMissing);
    double nu = 0;
    if (isHotWater(kind) || heating)
        nu = waterViscosityE6(material, t) * std::pow(10.0, -6);
    if (heating && !water) {
        nu = input.typedViscosityE6 * std::pow(10.0, -6);
        if (nu == 0)
            return stopped(result, Check::ViscosityMissing);
    }
    // Unlike copper, the typed viscosity is checked before the heating temperature.
    if (heating && t == 0 && !input.referenceCarrier)
        return stopped(result, Check::TemperatureMissing);
    if (kind == SystemKind::ColdWater)
        nu = coldWaterViscosityE6 * std::pow(10.0, -6);
    if (!setViscosity(result, nu))
        return stopped(result, Check::NotComputable);

    const FrictionFactor friction = frictionFactor(d, v, nu, wallRoughness(material));
    const double slope = polymerSlope(v, d, friction.lambda);
    if (!allFinite({friction.reynolds, friction.b, friction.lambda, slope, slopePressure(slope)}))
        return stopped(result, Check::NotComputable);
    if (!heating)
        setSlope(figures, slope);

    const double sum = resistanceSum(input);
    if (!allFinite({sum}))
        return stopped(result, Check::NotComputable);
    figures.resistanceSum = sum;

    if (!heating) {
        const double headLoss = sectionHeadLoss(slope, length, sum, v);
        if (!allFinite({headLoss, slopePressure(headLoss)}))
            return stopped(result, Check::NotComputable);
        setHeadLoss(figures, headLoss);
        result.advice = velocityAdvice(material, kind, v);
        setUnshown(result, input.diameterMm, friction);
        return result;
    }

    // Only another carrier's density is checked: the table has one for every listed temperature.
    const double density = water ? heatingWaterDensity(t) : input.typedDensity;
    if (water)
        result.waterDensity = density;
    else if (density == 0)
        return stopped(result, Check::DensityMissing);
    if (!setHeatingLosses(figures, input, flow, friction.lambda, density))
        return stopped(result, Check::NotComputable);
    result.advice = velocityAdvice(material, kind, v);
    setUnshown(result, input.diameterMm, friction);
    setSlope(figures, slope);
    return result;
}

SectionResult calculateSection(const SectionInput& input)
{
    return input.material == Material::Copper ? copperSection(input) : polymerSection(input);
}

}  // namespace calc::building
