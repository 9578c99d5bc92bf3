#pragma once

#include "calc/common/economicadvice.h"

class QLabel;

namespace calc {

// Puts what an advice step wrote on the screen's advice label; an unwritten text or colour stays.
void showAdvice(QLabel* label, const AdviceLabelWrites& writes);

}  // namespace calc
