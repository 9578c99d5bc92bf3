#include "calc/screen/simplefindpanel.h"

#include "calc/screen/classicsection.h"
#include "calc/common/flowarithmetic.h"
#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "widgets/numericinput.h"
#include "calc/screen/screenwidgets.h"
#include "calc/common/valueparse.h"
#include "platform/messagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <cmath>

namespace calc {

SimpleFindPanel::SimpleFindPanel(const PanelControls& controls, SlopeFormula slopeFormula,
                                 const QString& initialSlopeText)
    : QObject(controls.window), Label16(initialSlopeText), ui(controls), slope(slopeFormula)
{
}

std::optional<SimpleFindPanel::Found> SimpleFindPanel::find()
{
    using namespace calc::messages;
    ui.headLoss->clear();
    const double typedFlow = parseValue(ui.flow->text());
    if (typedFlow <= 0) {
        platform::showInputError(ui.window, flowZero);
        return std::nullopt;
    }
    const double diameterMm = parseValue(ui.diameter->text());
    if (!ui.otherDiameter->isChecked()) {
        ui.diameterPrefix->setText(QStringLiteral("d="));
    } else {
        ui.diameterShown->setText(ui.diameter->text());
        ui.diameterPrefix->setText(QStringLiteral("dp="));
        for (auto* label : {ui.diameterShown, ui.diameterPrefix})
            label->setToolTip(QStringLiteral("расчетный внутренний диаметр"));
    }
    if (diameterMm <= 0) {
        platform::showInputError(ui.window, diameterZero);
        return std::nullopt;
    }

    const double d = diameterMm * std::pow(10.0, -3);
    const double q = flowCubicMetresPerSecond(typedFlow, chosenFlowUnit(ui.litresPerSecond));
    if (!std::isfinite(d) || !flowIsShowable(q)) {
        platform::showInputError(ui.window, notComputable);
        return std::nullopt;
    }
    ui.flow->setToolTip(flowTooltip(q));
    const double v = meanVelocity(q, d);
    const double thousandI = 1000.0 * slope(v, d);
    if (!allFinite({v, thousandI, thousandI * gravity})) {
        platform::showInputError(ui.window, notComputable);
        return std::nullopt;
    }

    ui.velocity->setText(velocityText(v));
    ui.thousandI->setText(thousandIText(thousandI));
    Label16 = storedNumberText(thousandI);
    ui.thousandI->setToolTip(slopePressureTooltip(thousandI));
    return Found{q, v};
}

void SimpleFindPanel::chooseListedDiameter(const QComboBox* list)
{
    ui.diameterShown->setText(list->currentText());
    ui.diameter->setText(list->currentText());
}

void SimpleFindPanel::switchDiameterSource(QComboBox* list, const QStringList& items)
{
    ui.diameter->setEnabled(true);
    list->setEnabled(false);
    if (!ui.otherDiameter->isChecked()) {
        ui.diameter->setEnabled(false);
        list->setEnabled(true);
    }
    fillList(list, items);
}

void SimpleFindPanel::showSectionHeadLoss()
{
    classic::showSectionHeadLoss(ui.window, ui.headLoss, ui.length->text(), Label16);
}

void SimpleFindPanel::clearSection()
{
    ui.length->clear();
    ui.headLoss->clear();
    ui.headLoss->setToolTip(QString());
}

}  // namespace calc
