#include "calc/screen/classicsection.h"

#include "calc/common/messages.h"
#include "calc/screen/showncalculation.h"
#include "platform/messagebox.h"

#include <QLabel>

namespace calc::classic {

bool foundThrough(const CalculationOutcome& outcome) { return outcome.figures.thousandI.has_value(); }

void showSection(QWidget* window, QLabel* result, const CalculationOutcome& outcome)
{
    if (outcome.sectionFailed) {
        platform::showInputError(window, messages::notComputable);
        return;
    }
    result->setText(outcome.headLossText);
    result->setToolTip(headLossPressureTooltip(*outcome.figures.headLossPressure));
}

void publish(ShownCalculation* shown, const CalculationRequest& request, const CalculationOutcome& outcome,
             const QString& advice)
{
    if (outcome.failed)
        return shown->forget();
    // An outcome that went through does not depend on the last find.
    CalculationRequest kept = request;
    kept.lastFound.reset();
    shown->show(kept, {outcome.figures, outcome.velocityWarning, advice, outcome.headLossText});
}

CalculationRequest LastFound::attachedTo(CalculationRequest request) const
{
    request.lastFound = find;
    return request;
}

void LastFound::take(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    if (!foundThrough(outcome))
        return;
    CalculationRequest found = request;
    found.length.reset();
    found.localLosses = {};
    found.lastFound.reset();
    find = std::make_shared<const CalculationRequest>(std::move(found));
}

}  // namespace calc::classic
