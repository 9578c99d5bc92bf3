#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/simple/simplecalculation.h"

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

// The simple section head loss from the section length and the slope text of the last find,
// on the result label and its tooltip; a result that is not a number is reported instead.
simple::Result showSectionHeadLoss(QWidget* window, QLabel* result, const QString& length, const QString& slopeText);

// What a find or a section leaves shown: the request with its outcome and the advice as the
// screen shows it, or nothing once it has shown an error box.
void publish(ShownCalculation* shown, const CalculationRequest& request, const CalculationOutcome& outcome,
             const QString& advice);

// What a find leaves shown: the request with the calculation diameter it took and its figures,
// or nothing once it has shown its error box.
void publishFind(ShownCalculation* shown, CalculationRequest request, const std::optional<Check>& failed,
                 const Figures& figures, const QString& advice);
// The section that followed the shown find, or nothing once either has shown an error box.
void publishSection(ShownCalculation* shown, const QString& length, const simple::Result& section);

}  // namespace calc::classic
