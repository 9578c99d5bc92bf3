#include "calc/screen/simplefindpanel.h"

#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/advicelabel.h"
#include "calc/screen/classicsection.h"
#include "platform/messagebox.h"
#include "widgets/numericinput.h"

#include <QCheckBox>
#include <QLabel>

namespace calc {

SimpleFindPanel::SimpleFindPanel(const PanelControls& controls, const TableRecord& record, const RequestNames& requestNames,
                                 const QString& initialSlopeText)
    : QObject(controls.window),
      Label16(initialSlopeText),
      ui(controls),
      names(requestNames),
      table(record.number),
      calculation(record.calculate)
{
}

void SimpleFindPanel::find() { run(request(false)); }

void SimpleFindPanel::calculate() { run(request(true)); }

CalculationRequest SimpleFindPanel::request(bool section) const
{
    CalculationRequest request{.table = table, .conditions = names.conditions(), .size = names.size(),
                               .diameterMm = parseValue(ui.diameter->text())};
    if (section)
        request.length = parseValue(ui.length->text());
    return request;
}

void SimpleFindPanel::run(const CalculationRequest& request)
{
    ui.headLoss->clear();
    const CalculationOutcome outcome = calculation(request);
    showFind(outcome);
    if (ui.advice && outcome.adviceLabel)
        showAdvice(ui.advice, *outcome.adviceLabel);
    if (request.length)
        classic::showSection(ui.window, ui.headLoss, outcome, *request.length, Label16);
    classic::publish(ui.shown, request, outcome, ui.advice ? ui.advice->text() : QString());
}

void SimpleFindPanel::showFind(const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    if (figures.diameterMm)
        showDiameter();
    if (figures.flow)
        ui.flow->setToolTip(flowTooltip(*figures.flow));
    if (!classic::foundThrough(outcome)) {
        platform::showInputError(ui.window, messages::inputError(*outcome.failed, messages::diameterZero));
        return;
    }
    ui.velocity->setText(velocityText(*figures.velocity));
    ui.thousandI->setText(thousandIText(*figures.thousandI));
    Label16 = storedNumberText(*figures.thousandI);
    ui.thousandI->setToolTip(slopePressureTooltip(*figures.thousandI));
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
