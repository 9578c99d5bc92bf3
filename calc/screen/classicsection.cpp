#include "calc/screen/classicsection.h"

#include "calc/common/messages.h"
#include "calc/common/valueparse.h"
#include "calc/screen/showncalculation.h"
#include "calc/simple/simpleoutcome.h"
#include "platform/localenumbers.h"
#include "platform/messagebox.h"

#include <QLabel>

namespace calc::classic {

double shownNumber(const QString& text)
{
    return parseValue(QString(text).replace(platform::decimalSeparator(), QLatin1Char('.')));
}

bool foundThrough(const CalculationOutcome& outcome) { return outcome.figures.thousandI.has_value(); }

void showSection(QWidget* window, QLabel* result, const CalculationOutcome& outcome, double length,
                 const QString& slopeText)
{
    Figures stored;
    stored.thousandI = parseValue(slopeText);
    const CalculationOutcome section =
        foundThrough(outcome) ? outcome : simple::withSection(std::nullopt, stored, std::nullopt, length);
    if (section.failed) {
        platform::showInputError(window, messages::notComputable);
        return;
    }
    result->setText(section.headLossText);
    result->setToolTip(headLossPressureTooltip(*section.figures.headLossPressure));
}

void publish(ShownCalculation* shown, const CalculationRequest& request, const CalculationOutcome& outcome,
             const QString& advice)
{
    if (outcome.failed)
        return shown->forget();
    shown->show(request, {outcome.figures, outcome.velocityWarning, advice, outcome.headLossText});
}

}  // namespace calc::classic
