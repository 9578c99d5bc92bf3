#include "calc/common/numbertext.h"

#include "platform/localenumbers.h"

namespace calc {

QString storedNumberText(double value)
{
    if (value == 0.0)
        value = 0.0;  // no "-0"
    return QString::number(value, 'g', 15);
}

QString numberText(double value)
{
    QString text = storedNumberText(value);
    text.replace(QLatin1Char('.'), platform::decimalSeparator());
    return text;
}

}  // namespace calc
