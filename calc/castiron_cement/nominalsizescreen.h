#pragma once

#include "calc/common/calculationrequest.h"

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace calc {
class ShownCalculation;
}

namespace calc::nominalsize {

// The controls of a find and its section on the cast-iron and asbestos-cement screens; each
// names its own.
struct FindControls {
    QWidget* window;
    QLabel* sizeCaption;   // "d=" or "dp="
    QLabel* size;          // the size value, also the store of the chosen size
    QLineEdit* diameter;   // Text2: the calculation diameter after each find
    QLineEdit* flow;       // Text1
    QLabel* velocity;
    QLabel* thousandI;
    QLabel* advice;        // Label7
    QLineEdit* length;     // Text3
    QLabel* headLoss;      // Label10
    ShownCalculation* shown;
};

// The request of the inputs as they stand: the size as the size label shows it (none for a typed
// diameter), the diameter input and, for a section, the length input.
CalculationRequest request(const FindControls& ui, int table, const SizeQuery& conditions, bool typedDiameter,
                           bool section);

// Calculates a request with its table's record and shows the outcome as the find's handler order
// leaves the screen: the size caption once the flow passed, then the message of the check that
// stopped it (diameterZero words the size check) or the results; slopeText keeps 1000i for the
// section, which follows for a request with a length. What the results show follows.
void calculate(const FindControls& ui, const CalculationRequest& request, const QString& diameterZero,
               QString& slopeText);

}  // namespace calc::nominalsize
