#include "calc/screen/simplefindpanel.h"

#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/advicelabel.h"
#include "calc/screen/showncalculation.h"
#include "platform/messagebox.h"
#include "widgets/numericinput.h"

#include <QCheckBox>
#include <QLabel>

namespace calc {

SimpleFindPanel::SimpleFindPanel(const PanelControls& controls, const TableRecord& record, const RequestNames& requestNames)
    : QObject(controls.window), ui(controls), record(record), names(requestNames)
{
    QList<QLabel*> figures{ui.diameterShown, ui.velocity, ui.thousandI, ui.headLoss};
    if (ui.advice)
        figures << ui.advice;
    ui.shown->showFiguresIn(figures);
}

void SimpleFindPanel::find() { run(asked(false)); }

void SimpleFindPanel::calculate() { run(asked(true)); }

CalculationRequest SimpleFindPanel::request() const
{
    CalculationRequest request = asked(false);
    request.length = classic::typedLength(ui.length);
    return request;
}

CalculationRequest SimpleFindPanel::asked(bool section) const
{
    CalculationRequest request{.table = record.number, .conditions = names.conditions(), .size = names.size(),
                               .diameterMm = parseValue(ui.diameter->text())};
    if (section)
        request.length = parseValue(ui.length->text());
    return request;
}

bool SimpleFindPanel::apply(const CalculationRequest& request)
{
    return classic::setRequest(ui.window,
                               {.otherDiameter = ui.otherDiameter,
                                .conditions = names.setConditions,
                                .sizeLists = {names.sizes},
                                .diameter = ui.diameter,
                                .flow = ui.flow,
                                .litresPerSecond = ui.litresPerSecond,
                                .cubicMetresPerHour = ui.cubicMetresPerHour,
                                .length = ui.length,
                                .find = [this] { find(); },
                                .calculate = [this] { calculate(); }},
                               record, request);
}

void SimpleFindPanel::run(const CalculationRequest& request)
{
    const CalculationRequest withLastFind = lastFound.attachedTo(request);
    const CalculationOutcome outcome = record.calculate(withLastFind);
    lastFound.take(withLastFind, outcome);
    show(outcome, request.length.has_value());
    classic::publish(ui.shown, request, outcome, ui.advice ? ui.advice->text() : QString());
}

void SimpleFindPanel::show(const CalculationOutcome& outcome, bool section)
{
    ui.headLoss->clear();
    const Figures& figures = outcome.figures;
    if (figures.diameterMm)
        showDiameter();
    if (figures.flow)
        ui.flow->setToolTip(flowTooltip(*figures.flow));
    if (classic::foundThrough(outcome)) {
        ui.velocity->setText(velocityText(*figures.velocity));
        ui.thousandI->setText(thousandIText(*figures.thousandI));
        ui.thousandI->setToolTip(slopePressureTooltip(*figures.thousandI));
    } else {
        platform::showInputError(ui.window, messages::inputError(*outcome.failed, messages::diameterZero));
    }
    if (ui.advice && outcome.adviceLabel)
        showAdvice(ui.advice, *outcome.adviceLabel);
    if (section)
        classic::showSection(ui.window, ui.headLoss, outcome);
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

void SimpleFindPanel::clearSection()
{
    ui.length->clear();
    ui.headLoss->clear();
    ui.headLoss->setToolTip(QString());
}

}  // namespace calc
