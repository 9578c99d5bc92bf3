#pragma once

#include "calc/common/flowarithmetic.h"

#include <QColor>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QComboBox;
class QLabel;
class QRadioButton;
class QWidget;
class ClickableLabel;

namespace calc {

// Button backgrounds of the calculators.
inline const QColor classicRunColour(192, 255, 192);
inline const QColor classicClearColour(255, 192, 192);
inline const QColor buildingRunColour(128, 255, 128);
inline const QColor buildingClearColour(255, 128, 128);
inline const QColor documentLinkDarkBlue(0, 0, 192);
inline const QColor documentLinkBlue(0, 0, 255);
inline const QColor warningRed(255, 0, 0);

// Find and calculate buttons green, clear buttons red, as on every classic screen.
void colourClassicButtons(QWidget* find, QWidget* calculate, QWidget* mainClear, QWidget* sectionClear);

// A calculator is a top-level window that forgets everything when it is closed.
void prepareCalculatorWindow(QWidget* window);

// Clears a list and fills it, leaving nothing selected.
void fillList(QComboBox* list, const QStringList& items);

FlowUnit chosenFlowUnit(const QRadioButton* litresPerSecond);

// A help button: the green question-mark picture; a click shows the formula help of the table.
void setupHelpButton(QAbstractButton* button, int helpTable);

// Designation of a standard that opens its document when clicked.
enum class LinkStyle { DarkBlueWithTooltip, BlueWithoutTooltip };
void makeDocumentLink(ClickableLabel* label, const QString& windowsPath, LinkStyle style);

}  // namespace calc
