#include "calc/castiron_cement/nominalsizescreen.h"

#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/screen/advicelabel.h"
#include "platform/messagebox.h"

#include <QLabel>
#include <QLineEdit>

namespace calc::nominalsize {

void showFind(const FindControls& ui, const Result& result, const QString& diameterZero, QString& slopeText)
{
    if (result.sizeCaption)
        ui.sizeCaption->setText(*result.sizeCaption);
    if (result.failed)
        return platform::showInputError(ui.window, messages::inputError(*result.failed, diameterZero));

    const Figures& figures = result.figures;
    ui.size->setText(numberText(*result.size));
    if (result.diameterTooltip)
        ui.diameter->setToolTip(*result.diameterTooltip);
    ui.diameter->setText(storedNumberText(*figures.diameterMm));
    ui.flow->setToolTip(flowTooltip(*figures.flow));
    ui.velocity->setText(velocityText(*figures.velocity));
    ui.thousandI->setText(thousandIText(*figures.thousandI));
    showAdvice(ui.advice, result.advice);
    slopeText = storedNumberText(*figures.thousandI);
    ui.thousandI->setToolTip(slopePressureTooltip(*figures.thousandI));
}

}  // namespace calc::nominalsize
