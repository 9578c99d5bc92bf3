#include "calc/steel/steelpanel.h"

#include "calc/common/messages.h"

namespace calc::steel {

QString inputErrorText(Check check) { return messages::inputError(check, messages::calculationDiameterZero); }

}  // namespace calc::steel
