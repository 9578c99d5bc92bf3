#include "calc/screen/classicsection.h"

#include "calc/common/messages.h"
#include "calc/common/valueparse.h"
#include "calc/screen/showncalculation.h"
#include "platform/localenumbers.h"
#include "platform/messagebox.h"

#include <QLabel>

namespace calc::classic {

double shownNumber(const QString& text)
{
    return parseValue(QString(text).replace(platform::decimalSeparator(), QLatin1Char('.')));
}

simple::Result showSectionHeadLoss(QWidget* window, QLabel* result, const QString& length, const QString& slopeText)
{
    const simple::Result section = simple::sectionHeadLoss(parseValue(length), parseValue(slopeText));
    if (section.failed) {
        platform::showInputError(window, messages::notComputable);
        return section;
    }
    result->setText(section.headLossText);
    result->setToolTip(section.headLossTooltip);
    return section;
}

void publish(ShownCalculation* shown, const CalculationRequest& request, const CalculationOutcome& outcome,
             const QString& advice)
{
    if (outcome.failed)
        return shown->forget();
    shown->show(request, {outcome.figures, outcome.velocityWarning, advice, outcome.headLossText});
}

void publishFind(ShownCalculation* shown, CalculationRequest request, const std::optional<Check>& failed,
                 const Figures& figures, const QString& advice)
{
    if (failed)
        return shown->forget();
    request.diameterMm = *figures.diameterMm;
    shown->show(request, {figures, QString(), advice, QString()});
}

void publishSection(ShownCalculation* shown, const QString& length, const simple::Result& section)
{
    if (!shown->isShown())
        return;
    if (section.failed)
        return shown->forget();
    shown->showSection(parseValue(length), section.figures, section.headLossText);
}

}  // namespace calc::classic
