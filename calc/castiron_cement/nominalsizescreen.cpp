#include "calc/castiron_cement/nominalsizescreen.h"

#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/screen/advicelabel.h"
#include "calc/screen/showncalculation.h"
#include "platform/messagebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace calc::nominalsize {

FindPanel::FindPanel(const FindControls& controls, const TableRecord& record, const QString& diameterZero,
                     std::function<SizeQuery()> conditions)
    : QObject(controls.window), ui(controls), record(record), diameterZero(diameterZero), conditions(std::move(conditions))
{
    ui.shown->showFiguresIn({ui.size, ui.velocity, ui.thousandI, ui.advice, ui.headLoss});
}

void FindPanel::chooseSize(const QString& item)
{
    ui.size->setText(item);
    size = parseValue(item);
}

void FindPanel::clearSize()
{
    ui.size->clear();
    size = 0;
}

CalculationRequest FindPanel::request() const
{
    CalculationRequest request = asked(false);
    request.length = classic::typedLength(ui.length);
    return request;
}

CalculationRequest FindPanel::asked(bool section) const
{
    CalculationRequest request{.table = record.number, .conditions = conditions()};
    request.diameterMm = parseValue(ui.diameter->text());
    if (!ui.otherDiameter->isChecked())
        request.size = storedNumberText(size);
    if (section)
        request.length = parseValue(ui.length->text());
    return request;
}

bool FindPanel::apply(const CalculationRequest& request, const std::function<bool(const ConditionChoices&)>& setConditions,
                      const std::function<void()>& sizeChosen)
{
    return classic::setRequest(ui.window,
                               {.otherDiameter = ui.otherDiameter,
                                .conditions = setConditions,
                                .sizeLists = {{ui.sizeList, sizeChosen}},
                                .diameter = ui.diameter,
                                .flow = ui.flow,
                                .litresPerSecond = ui.litresPerSecond,
                                .cubicMetresPerHour = ui.cubicMetresPerHour,
                                .length = ui.length,
                                .find = [this] { calculate(false); },
                                .calculate = [this] { calculate(true); }},
                               record, request);
}

// A failed find leaves the 1000i of the last successful one, which a section then uses.
void FindPanel::calculate(bool section)
{
    const CalculationRequest request = lastFound.attachedTo(asked(section));
    const CalculationOutcome outcome = record.calculate(request);
    lastFound.take(request, outcome);
    show(outcome, section);
    // The calculation diameter is the catalog's for a nominal size. A size that the lists of
    // these conditions do not hold was calculated as its own bore, as that diameter typed would be.
    CalculationRequest shownRequest = request;
    if (outcome.figures.diameterMm)
        shownRequest.diameterMm = *outcome.figures.diameterMm;
    if (!sizeNamed(record.sizes(request.conditions.chosen), request.size))
        shownRequest.size.clear();
    classic::publish(ui.shown, shownRequest, outcome, ui.advice->text());
}

void FindPanel::show(const CalculationOutcome& outcome, bool section)
{
    if (outcome.shownSize)
        ui.sizeCaption->setText(outcome.shownSize->caption);
    if (classic::foundThrough(outcome)) {
        const Figures& figures = outcome.figures;
        size = *outcome.shownSize->size;
        ui.size->setText(numberText(size));
        if (!outcome.shownSize->diameterTooltip.isEmpty())
            ui.diameter->setToolTip(outcome.shownSize->diameterTooltip);
        ui.diameter->setText(storedNumberText(*figures.diameterMm));
        ui.flow->setToolTip(flowTooltip(*figures.flow));
        ui.velocity->setText(velocityText(*figures.velocity));
        ui.thousandI->setText(thousandIText(*figures.thousandI));
        showAdvice(ui.advice, *outcome.adviceLabel);
        ui.thousandI->setToolTip(slopePressureTooltip(*figures.thousandI));
    } else {
        platform::showInputError(ui.window, messages::inputError(*outcome.failed, diameterZero));
    }
    if (section)
        classic::showSection(ui.window, ui.headLoss, outcome);
}

}  // namespace calc::nominalsize
