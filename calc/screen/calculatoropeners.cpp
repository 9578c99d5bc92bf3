#include "calc/screen/calculatoropeners.h"

namespace calc {

namespace {
CalculatorOpeners& openers()
{
    static CalculatorOpeners set;
    return set;
}
}  // namespace

void setCalculatorOpeners(const CalculatorOpeners& given) { openers() = given; }

const CalculatorOpeners& calculatorOpeners() { return openers(); }

}  // namespace calc
