#pragma once

#include "calc/common/flowarithmetic.h"
#include "calc/common/tablerecord.h"
#include "widgets/documentlink.h"

#include <QColor>
#include <QString>
#include <QList>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QRadioButton;
class QWidget;
class NumericInput;
class ClickableLabel;

namespace calc {

class ShownCalculation;

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
    // What the results show: a main clear forgets it, a section clear its section.
    ShownCalculation* shown = nullptr;
};
struct ClassicActions {
    std::function<void()> find;
    std::function<void()> mainClear;
    std::function<void()> calculate;
    std::function<void()> sectionClear;
};
// Colours the buttons (find and calculate green, clears red) and connects them and the keys.
void connectClassicButtons(QObject* context, const ClassicButtons& buttons, const ClassicActions& actions);

// The parts of a calculator window that its table's record sets up.
struct TableWindowParts {
    QAbstractButton* helpButton;
    QList<ClickableLabel*> documentLinks;  // in the order of the record's documents
    widgets::LinkStyle linkStyle;
    QAbstractButton* selectSizeButton;
    QAbstractButton* reportButton;
    QAbstractButton* addSectionButton;
    QAbstractButton* fixturesButton;  // beside the flow input
    QLineEdit* flowInput;
    // The conditions and flow unit the calculator holds at the moment its sizes are asked for.
    std::function<SizeQuery()> sizeConditions;
    // The heat carrier applied from the reference that the calculation takes; none on the
    // tables that have no reference.
    std::function<std::optional<ReferenceCarrier>()> referenceCarrier{};
};

// A calculator is a top-level window titled by its table that forgets everything when it is
// closed. Its labels show their text as it is and can be selected and copied; its help button
// (the green question-mark picture) shows its formula help; its links open its documents; its
// size-selection button opens the size selection with its conditions, carrier and typed flow,
// which follows them while it is open; its record
// and sections buttons follow the calculation it shows, kept by the returned object, which the
// window owns; the help, the size selection and the record open through calculatorOpeners().
// Called once its form is set up.
ShownCalculation* prepareCalculatorWindow(QWidget* window, const TableRecord& record, const TableWindowParts& parts);

// Tab passes from the size selection through the record and sections buttons to the help button,
// for a screen that has moved the size selection in its order.
void chainToolButtons(QWidget* selectSize, QWidget* record, QWidget* addSection, QWidget* help);

// Clears a list and fills it, leaving nothing selected.
void fillList(QComboBox* list, const QStringList& items);

// The flow as typed in its input, in the unit its option chooses.
TypedFlow typedFlow(const QLineEdit* flow, const QRadioButton* litresPerSecond);

// The catalog size chosen in the first list, as it names it; none while the other-diameter box
// is ticked.
QString chosenSize(const QAbstractButton* otherDiameter, const QComboBox* list);

// The position, among the choices a condition of the record offers after `earlier`, of the item
// whose value is `value`; -1 when none is.
int choicePosition(const TableRecord& record, int condition, const ConditionChoices& earlier, double value);

}  // namespace calc
