#pragma once

#include <QString>

namespace calc {

// A number as the user sees it: up to 15 significant digits, no trailing zeros, no group
// separator, the locale's decimal separator. Infinity and NaN give an empty text.
QString numberText(double value);

// A number as a state field or the diameter input keeps it: the same digits with ".".
QString storedNumberText(double value);

}  // namespace calc
