#include "calc/screen/classicsection.h"

#include "calc/common/flowarithmetic.h"
#include "calc/common/messages.h"
#include "calc/common/valueparse.h"
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
    const SectionHeadLoss loss = simpleSectionHeadLoss(parseValue(length), parseValue(slopeText));
    if (!allFinite({loss.headLoss, loss.pressure}))
        return platform::showInputError(window, messages::notComputable);
    result->setText(loss.text);
    result->setToolTip(loss.tooltip);
}

}  // namespace calc::classic
