#include "platform/localenumbers.h"

#include <QLocale>

namespace platform {

QChar decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

}  // namespace platform
