#pragma once

#include "calc/common/calculationrequest.h"

#include <QString>

class QLabel;
class QWidget;

namespace calc {
class ShownCalculation;
}

// Steps that the classic screens of tables II-3 to II-8 take alike.
namespace calc::classic {

// A size value label shows its number with the locale's separator; read it back as shown.
double shownNumber(const QString& text);

// 1000i is the last figure of a find: an outcome without it stopped in the find.
bool foundThrough(const CalculationOutcome& outcome);

// The simple section head loss on the result label and its tooltip: the outcome's or, when its
// find stopped, the one from the 1000i that the last successful find stored as slopeText; a
// result that is not a number is reported instead.
void showSection(QWidget* window, QLabel* result, const CalculationOutcome& outcome, double length,
                 const QString& slopeText);

// What a find or a section leaves shown: the request, its outcome and the advice as the screen
// shows it, or nothing once it has shown an error box.
void publish(ShownCalculation* shown, const CalculationRequest& request, const CalculationOutcome& outcome,
             const QString& advice);

}  // namespace calc::classic
