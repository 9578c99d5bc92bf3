#pragma once

#include "calc/castiron_cement/nominalsizecalculation.h"

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace calc::nominalsize {

// The controls of a find on the cast-iron and asbestos-cement screens; each names its own.
struct FindControls {
    QWidget* window;
    QLabel* sizeCaption;   // "d=" or "dp="
    QLabel* size;          // the size value, also the store of the chosen size
    QLineEdit* diameter;   // Text2: the calculation diameter after each find
    QLineEdit* flow;       // Text1
    QLabel* velocity;
    QLabel* thousandI;
    QLabel* advice;        // Label7
};

// Shows a find as its handler order leaves the screen: the size caption once the flow passed,
// then the message of the check that stopped it (diameterZero words the size check) or the
// results; slopeText keeps 1000i for the section.
void showFind(const FindControls& ui, const Result& result, const QString& diameterZero, QString& slopeText);

}  // namespace calc::nominalsize
