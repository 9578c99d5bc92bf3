#pragma once

#include "calc/common/flowarithmetic.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QObject;
class QRadioButton;
class QWidget;
class NumericInput;

namespace calc {

// Button backgrounds of the calculators.
inline const QColor classicRunColour(192, 255, 192);
inline const QColor classicClearColour(255, 192, 192);
inline const QColor buildingRunColour(128, 255, 128);
inline const QColor buildingClearColour(255, 128, 128);
inline const QColor warningRed(255, 0, 0);

// The buttons of a classic screen (II-1 to II-8) and the inputs whose keys run them.
struct ClassicButtons {
    QAbstractButton* find;
    QAbstractButton* mainClear;
    QAbstractButton* calculate;
    QAbstractButton* sectionClear;
    NumericInput* flow;    // Enter runs find, a blank the main clear
    NumericInput* length;  // Enter runs calculate, a blank the section clear
};
struct ClassicActions {
    std::function<void()> find;
    std::function<void()> mainClear;
    std::function<void()> calculate;
    std::function<void()> sectionClear;
};
// Colours the buttons (find and calculate green, clears red) and connects them and the keys.
void connectClassicButtons(QObject* context, const ClassicButtons& buttons, const ClassicActions& actions);

// A calculator is a top-level window that forgets everything when it is closed; its labels
// show their text as it is. Called once its form is set up.
void prepareCalculatorWindow(QWidget* window);

// Clears a list and fills it, leaving nothing selected.
void fillList(QComboBox* list, const QStringList& items);

FlowUnit chosenFlowUnit(const QRadioButton* litresPerSecond);

// A help button: the green question-mark picture; a click shows the formula help of the table.
void setupHelpButton(QAbstractButton* button, int helpTable);

}  // namespace calc
