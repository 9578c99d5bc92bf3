#include "calc/screen/classicsection.h"

#include "calc/common/messages.h"
#include "calc/common/valueparse.h"
#include "calc/simple/simplecalculation.h"
#include "platform/localenumbers.h"
#include "platform/messagebox.h"

#include <QLabel>

namespace calc::classic {

double shownNumber(const QString& text)
{
    return parseValue(QString(text).replace(platform::decimalSeparator(), QLatin1Char('.')));
}

void showSectionHeadLoss(QWidget* window, QLabel* result, const QString& length, const QString& slopeText)
{
    const simple::Result section = simple::sectionHeadLoss(parseValue(length), parseValue(slopeText));
    if (section.failed)
        return platform::showInputError(window, messages::notComputable);
    result->setText(section.headLossText);
    result->setToolTip(section.headLossTooltip);
}

}  // namespace calc::classic
