#include "calc/common/numbertext.h"

#include "platform/localenumbers.h"

#include <cmath>

namespace calc {

QString storedNumberText(double value)
{
    // A value with no number to show shows nothing; read back, it is 0 like any text without digits.
    if (!std::isfinite(value))
        return QString();
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
