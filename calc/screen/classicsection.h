#pragma once

#include <QString>

class QLabel;
class QWidget;

// Steps that the classic screens of tables II-3 to II-8 take alike.
namespace calc::classic {

// A size value label shows its number with the locale's separator; read it back as shown.
double shownNumber(const QString& text);

// The simple section head loss from the section length and the slope text of the last find,
// on the result label and its tooltip; a result that is not a number is reported instead.
void showSectionHeadLoss(QWidget* window, QLabel* result, const QString& length, const QString& slopeText);

}  // namespace calc::classic
