#include "calc/castiron_cement/nominalsizescreen.h"

#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/registry/tables.h"
#include "calc/screen/advicelabel.h"
#include "calc/screen/classicsection.h"
#include "platform/messagebox.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace calc::nominalsize {

namespace {

void showFind(const FindControls& ui, const CalculationOutcome& outcome, const QString& diameterZero, QString& slopeText)
{
    if (outcome.shownSize)
        ui.sizeCaption->setText(outcome.shownSize->caption);
    if (!classic::foundThrough(outcome))
        return platform::showInputError(ui.window, messages::inputError(*outcome.failed, diameterZero));

    const Figures& figures = outcome.figures;
    ui.size->setText(numberText(*outcome.shownSize->size));
    if (!outcome.shownSize->diameterTooltip.isEmpty())
        ui.diameter->setToolTip(outcome.shownSize->diameterTooltip);
    ui.diameter->setText(storedNumberText(*figures.diameterMm));
    ui.flow->setToolTip(flowTooltip(*figures.flow));
    ui.velocity->setText(velocityText(*figures.velocity));
    ui.thousandI->setText(thousandIText(*figures.thousandI));
    showAdvice(ui.advice, *outcome.adviceLabel);
    slopeText = storedNumberText(*figures.thousandI);
    ui.thousandI->setToolTip(slopePressureTooltip(*figures.thousandI));
}

}  // namespace

CalculationRequest request(const FindControls& ui, int table, const SizeQuery& conditions, bool typedDiameter,
                           bool section)
{
    CalculationRequest request{.table = table, .conditions = conditions};
    request.diameterMm = parseValue(ui.diameter->text());
    // The chosen size is read back from its label as it shows it; an empty label reads as 0.
    if (!typedDiameter)
        request.size = storedNumberText(classic::shownNumber(ui.size->text()));
    if (section)
        request.length = parseValue(ui.length->text());
    return request;
}

void calculate(const FindControls& ui, const CalculationRequest& request, const QString& diameterZero,
               QString& slopeText)
{
    const TableRecord& record = table(request.table);
    const CalculationOutcome outcome = record.calculate(request);
    showFind(ui, outcome, diameterZero, slopeText);
    if (request.length)
        classic::showSection(ui.window, ui.headLoss, outcome, *request.length, slopeText);
    // The calculation diameter is the catalog's for a nominal size. A size that the lists of
    // these conditions do not hold was calculated as its own bore, as that diameter typed would be.
    CalculationRequest shownRequest = request;
    if (outcome.figures.diameterMm)
        shownRequest.diameterMm = *outcome.figures.diameterMm;
    const QList<CatalogSize> sizes = record.sizes(request.conditions.chosen);
    if (std::ranges::none_of(sizes, [&](const CatalogSize& size) { return size.designation == request.size; }))
        shownRequest.size.clear();
    classic::publish(ui.shown, shownRequest, outcome, ui.advice->text());
}

}  // namespace calc::nominalsize
