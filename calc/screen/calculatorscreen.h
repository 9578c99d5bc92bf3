#pragma once

#include "calc/common/calculationrequest.h"

namespace calc {

// A calculator window bound to its table's request both ways. The sections table's
// "Открыть в калькуляторе" sets a row on it through apply.
class CalculatorScreen {
public:
    virtual ~CalculatorScreen() = default;

    // What the controls hold now, as the screen's calculation would take it.
    virtual CalculationRequest request() const = 0;
    // Sets the controls from the request (conditions, size or typed diameter, flow, carrier,
    // length and local losses) and calculates it as the calculate buttons would; false, with the
    // screen left as far as it got, when one of its choices is not among the screen's.
    virtual bool apply(const CalculationRequest& request) = 0;
};

}  // namespace calc
