#pragma once

#include "calc/common/calculationrequest.h"

#include <QString>
#include <memory>

class QLabel;
class QWidget;

namespace calc {
class ShownCalculation;
}

// Steps that the classic screens of tables II-1 to II-8 take alike.
namespace calc::classic {

// 1000i is the last figure of a find: an outcome without it stopped in the find.
bool foundThrough(const CalculationOutcome& outcome);

// The simple section head loss of the outcome on the result label and its tooltip; a section
// that is not a number is reported instead.
void showSection(QWidget* window, QLabel* result, const CalculationOutcome& outcome);

// What a find or a section leaves shown: the request, its outcome and the advice as the screen
// shows it, or nothing once it has shown an error box.
void publish(ShownCalculation* shown, const CalculationRequest& request, const CalculationOutcome& outcome,
             const QString& advice);

// The last find of a calculator that went through: a section whose own find stops goes on with
// its 1000i, which the calculation takes from the request.
class LastFound {
public:
    // The request as the calculator calculates it, with the last find.
    CalculationRequest attachedTo(CalculationRequest request) const;
    // Keeps the find of a calculation that went through it.
    void take(const CalculationRequest& request, const CalculationOutcome& outcome);

private:
    std::shared_ptr<const CalculationRequest> find;
};

}  // namespace calc::classic
