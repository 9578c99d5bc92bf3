#include "calc/building/copperprocedure.h"

#include "calc/building/buildingpanel.h"
#include "calc/building/buildingtexts.h"
#include "calc/common/flowarithmetic.h"
#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/screen/screenwidgets.h"
#include "calc/common/valueparse.h"
#include "platform/messagebox.h"

#include <cmath>

namespace calc::building {

void runCopperProcedure(BuildingPanel& panel, const CopperPipe& pipe)
{
    auto& ui = panel.ui;
    const auto fail = [&panel](const QString& message) { platform::showInputError(panel.window(), message); };
    const auto notComputable = [&fail] { fail(calc::messages::notComputable); };
    const Material copper = Material::Copper;

    const SystemKind kind = pipe.kind;
    const bool water = ui.Option7->isChecked();
    const bool slopeKind = kind == SystemKind::ColdWater || kind == SystemKind::HotWater;

    const double diameterMm = parseValue(pipe.innerDiameter);
    if (diameterMm <= 0)
        return fail(messages::diameterZero);
    if (parseValue(pipe.wall) == 0 && !pipe.typedDiameter)
        return fail(messages::copperWallMissing);
    const double typedFlow = parseValue(ui.Text1->text());
    if (typedFlow <= 0)
        return fail(calc::messages::flowZero);
    const double length = parseValue(ui.Text16->text());
    if (length <= 0)
        return fail(messages::sectionLengthZero);

    const double d = diameterMm * std::pow(10.0, -3);
    const double q = flowCubicMetresPerSecond(typedFlow, chosenFlowUnit(ui.Option5));
    if (!allFinite({d, length}) || !flowIsShowable(q))
        return notComputable();
    ui.Text1->setToolTip(flowTooltip(q));
    const double v = meanVelocity(q, d);
    if (!allFinite({v}))
        return notComputable();

    double nu = 0;
    if (kind == SystemKind::ColdWater)
        nu = coldWaterViscosityE6 * std::pow(10.0, -6);
    const double t = parseValue(ui.Label12->text());
    if (isHotWater(kind) && t == 0)
        return fail(messages::hotWaterTemperatureMissing);
    if (kind == SystemKind::Heating && t == 0)
        return fail(messages::heatingTemperatureMissing(copper));
    if (isHotWater(kind) || (kind == SystemKind::Heating && water))
        nu = waterViscosityE6(copper, t) * std::pow(10.0, -6);
    if (kind == SystemKind::Heating && !water) {
        nu = parseValue(ui.Text18->text()) * std::pow(10.0, -6);
        if (nu == 0)
            return fail(messages::viscosityMissing(copper));
    }
    if (!allFinite({nu, nu * std::pow(10.0, 6)}))
        return notComputable();
    ui.Text18->setText(storedNumberText(nu * std::pow(10.0, 6)));

    const double sum = panel.localResistanceSum();
    if (!allFinite({sum}))
        return notComputable();
    panel.showLocalResistanceSum(sum);

    double slope = 0;
    double headLoss = 0;
    if (slopeKind) {
        slope = copperSlope(nu, v, d);
        headLoss = sectionHeadLoss(slope, length, sum, v);
        if (!allFinite({slope, slopePressure(slope), headLoss, slopePressure(headLoss)}))
            return notComputable();
        ui.Label2->setText(slopeResult(copper, kind, slope));
        ui.Label2->setToolTip(slopeTooltip(slope));
    }
    ui.Label1->setText(velocityResult(copper, v));
    ui.Label1->setToolTip(QStringLiteral("скорость"));
    if (slopeKind) {
        panel.showVelocityAdvice(v, kind);
        ui.Label4->setText(headLossResult(copper, headLoss));
        ui.Label4->setToolTip(headLossTooltip(headLoss));
    }
    if (kind == SystemKind::HotWaterSupply)
        panel.showVelocityAdvice(v, kind);

    const FrictionFactor friction = frictionFactor(d, v, nu, wallRoughness(copper));
    if (!allFinite({friction.reynolds, lg(friction.reynolds), lg(d), lg(friction.a), lg(friction.roughReynolds)}))
        return notComputable();

    if (kind == SystemKind::HotWaterSupply) {
        slope = copperSupplySlope(friction.reynolds, v, d);
        headLoss = sectionHeadLoss(slope, length, sum, v);
        // The supply formula falls to zero and below for large bores, where it no longer holds.
        if (!(slope > 0) || !allFinite({slope, slopePressure(slope), headLoss, slopePressure(headLoss)}))
            return notComputable();
        ui.Label4->setText(headLossResult(copper, headLoss));
        ui.Label2->setText(slopeResult(copper, kind, slope));
        ui.Label2->setToolTip(slopeTooltip(slope));
        ui.Label4->setToolTip(headLossTooltip(headLoss));
    }

    // λ and R are worked out whatever the system: an input that leaves them undefined is refused.
    if (!allFinite({friction.b, friction.lambda, heatingSpecificLoss(friction.lambda, v, d, 1.0)}))
        return notComputable();
    if (kind != SystemKind::Heating)
        return;

    // R takes the same density as the local losses, so it is shown once the density is known.
    double density = 0;
    if (water) {
        density = heatingWaterDensity(t);
        ui.Text3->setText(storedNumberText(density));
    } else {
        density = parseValue(ui.Text3->text());
    }
    if (density == 0)
        return fail(messages::densityMissing(copper));
    const double specificLoss = heatingSpecificLoss(friction.lambda, v, d, density);
    const double pressureDrop = specificLoss * length + localPressureLoss(sum, v, density);
    if (!allFinite({specificLoss, pressureDrop}))
        return notComputable();
    ui.Label2->setText(heatingLossResult(copper, specificLoss));
    ui.Label2->setToolTip(QString());
    ui.Label4->setText(heatingDropResult(copper, pressureDrop));
    ui.Label4->setToolTip(QString());
    panel.showVelocityAdvice(v, kind);
}

}  // namespace calc::building
