#include "calc/building/polymerprocedure.h"

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

void runPolymerProcedure(BuildingPanel& panel, SystemKind kind, const QString& innerDiameter)
{
    auto& ui = panel.ui;
    const auto fail = [&panel](const QString& message) { platform::showInputError(panel.window(), message); };
    const auto notComputable = [&fail] { fail(calc::messages::notComputable); };
    const Material material = panel.material();

    const double diameterMm = parseValue(innerDiameter);
    if (diameterMm <= 0)
        return fail(messages::diameterZero);
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
    ui.Label1->setText(velocityResult(material, v));

    const bool heating = kind == SystemKind::Heating;
    const bool water = ui.Option7->isChecked();
    double t = 0;
    if (isHotWater(kind) || heating)
        t = parseValue(ui.Label12->text());
    if (isHotWater(kind) && t == 0)
        return fail(messages::hotWaterTemperatureMissing);
    double nu = 0;
    if (isHotWater(kind) || heating)
        nu = waterViscosityE6(material, t) * std::pow(10.0, -6);
    if (heating && !water) {
        nu = parseValue(ui.Text18->text()) * std::pow(10.0, -6);
        if (nu == 0)
            return fail(messages::viscosityMissing(material));
    }
    if (heating && t == 0)
        return fail(messages::heatingTemperatureMissing(material));
    if (kind == SystemKind::ColdWater)
        nu = coldWaterViscosityE6 * std::pow(10.0, -6);
    if (!allFinite({nu, nu * std::pow(10.0, 6)}))
        return notComputable();
    ui.Text18->setText(storedNumberText(nu * std::pow(10.0, 6)));

    const FrictionFactor friction = frictionFactor(d, v, nu, wallRoughness(material));
    const double slope = polymerSlope(friction.lambda, v, d);
    if (!allFinite({friction.reynolds, friction.b, friction.lambda, slope, slopePressure(slope)}))
        return notComputable();
    if (!heating) {
        ui.Label2->setText(slopeResult(material, kind, slope));
        ui.Label2->setToolTip(slopeTooltip(slope));
    }

    const double sum = panel.localResistanceSum();
    if (!allFinite({sum}))
        return notComputable();
    panel.showLocalResistanceSum(sum);

    if (!heating) {
        const double headLoss = sectionHeadLoss(slope, length, sum, v);
        if (!allFinite({headLoss, slopePressure(headLoss)}))
            return notComputable();
        ui.Label4->setText(headLossResult(material, headLoss));
        ui.Label4->setToolTip(headLossTooltip(headLoss));
        panel.showVelocityAdvice(v, kind);
        return;
    }

    double density = 0;
    if (water) {
        density = heatingWaterDensity(t);
        ui.Text3->setText(storedNumberText(density));
    } else {
        density = parseValue(ui.Text3->text());
        if (density == 0)
            return fail(messages::densityMissing(material));
    }
    const double specificLoss = heatingSpecificLoss(friction.lambda, v, d, density);
    const double pressureDrop = specificLoss * length + localPressureLoss(sum, v, density);
    if (!allFinite({specificLoss, pressureDrop}))
        return notComputable();
    ui.Label2->setText(heatingLossResult(material, specificLoss));
    ui.Label2->setToolTip(QString());
    ui.Label4->setText(heatingDropResult(material, pressureDrop));
    ui.Label4->setToolTip(QString());
    panel.showVelocityAdvice(v, kind);
}

}  // namespace calc::building
