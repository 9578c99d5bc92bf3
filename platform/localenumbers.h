#pragma once

#include <QChar>

namespace platform {

// Decimal separator of the user's locale (QLocale() as set for this process).
QChar decimalSeparator();

}  // namespace platform
