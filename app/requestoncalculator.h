#pragma once

#include "calc/common/calculationrequest.h"

class QWidget;

// Puts a request on the controls of its table's calculator as the user would set them (options
// clicked, list items chosen, numbers typed) and presses its calculate button, so that every
// handler of the screen runs as it would for the user.
namespace app {

// Whether the calculator of the table can be given a request this way.
bool takesRequests(int table);

// Sets the request on `calculator`, the window of the request's table, and calculates; false
// when a control it names is missing or will not take the choice, with the screen left as far
// as it got.
bool putOnCalculator(QWidget* calculator, const calc::CalculationRequest& request);

}  // namespace app
