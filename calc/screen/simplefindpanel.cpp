#include "calc/screen/simplefindpanel.h"

#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/classicsection.h"
#include "calc/screen/screenwidgets.h"
#include "platform/messagebox.h"
#include "widgets/numericinput.h"

#include <QCheckBox>
#include <QLabel>

namespace calc {

SimpleFindPanel::SimpleFindPanel(const PanelControls& controls, const simple::Material& tableMaterial,
                                 const QString& initialSlopeText)
    : QObject(controls.window), Label16(initialSlopeText), ui(controls), material(tableMaterial)
{
}

simple::Input SimpleFindPanel::input() const
{
    return {.material = material,
            .flow = typedFlow(ui.flow, ui.litresPerSecond),
            .diameterMm = parseValue(ui.diameter->text())};
}

simple::Result SimpleFindPanel::find(const simple::Input& input)
{
    ui.headLoss->clear();
    const simple::Result result = simple::calculate(input);
    const Figures& figures = result.figures;
    if (figures.diameterMm)
        showDiameter();
    if (figures.flow)
        ui.flow->setToolTip(flowTooltip(*figures.flow));
    if (result.failed) {
        platform::showInputError(ui.window, messages::inputError(*result.failed, messages::diameterZero));
        return result;
    }
    ui.velocity->setText(velocityText(*figures.velocity));
    ui.thousandI->setText(thousandIText(*figures.thousandI));
    Label16 = storedNumberText(*figures.thousandI);
    ui.thousandI->setToolTip(slopePressureTooltip(*figures.thousandI));
    return result;
}

void SimpleFindPanel::showDiameter()
{
    if (!ui.otherDiameter->isChecked()) {
        ui.diameterPrefix->setText(QStringLiteral("d="));
        return;
    }
    ui.diameterShown->setText(ui.diameter->text());
    ui.diameterPrefix->setText(QStringLiteral("dp="));
    for (auto* label : {ui.diameterShown, ui.diameterPrefix})
        label->setToolTip(QStringLiteral("расчетный внутренний диаметр"));
}

simple::Result SimpleFindPanel::showSectionHeadLoss()
{
    return classic::showSectionHeadLoss(ui.window, ui.headLoss, ui.length->text(), Label16);
}

void SimpleFindPanel::clearSection()
{
    ui.length->clear();
    ui.headLoss->clear();
    ui.headLoss->setToolTip(QString());
}

}  // namespace calc
