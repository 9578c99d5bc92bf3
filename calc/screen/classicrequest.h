#pragma once

#include "calc/common/tablerecord.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QWidget;

// How a classic calculator (II-1 to II-8) reads its request from its controls and sets one on
// them as its user would, each step running the handler that the user's action runs.
namespace calc::classic {

// The section length, where the length input holds one; none while it is blank.
std::optional<double> typedLength(const QLineEdit* length);

// A list of a calculator, with what choosing an item in it runs.
struct ChoiceList {
    QComboBox* list;
    std::function<void()> chosen;
};

// The controls a request is set on and the handlers of the user's actions on them.
struct RequestControls {
    QAbstractButton* otherDiameter;  // its click runs its handler
    // Sets the record's choices of conditions as the user chooses them; false where one is not
    // among the screen's.
    std::function<bool(const ConditionChoices& chosen)> conditions;
    QList<ChoiceList> sizeLists;  // the lists that name a size together, " × " between their items
    QLineEdit* diameter;
    QLineEdit* flow;
    QRadioButton* litresPerSecond;
    QRadioButton* cubicMetresPerHour;
    QLineEdit* length;
    std::function<void()> find;
    std::function<void()> calculate;  // the find and then the section
    // The steel screens' local-loss box, whose click empties the length.
    std::function<void(bool counted)> localLosses{};
};

// Sets the request on the calculator and calculates it as its buttons do: back to the catalog,
// the conditions, the size or the typed diameter, the flow with the fixtures it came from and the
// section. False, with the screen left as far as it got, where a choice of the request is not among
// the screen's.
bool setRequest(QWidget* window, const RequestControls& controls, const TableRecord& record,
                const CalculationRequest& request);

// The option at `position` selected, which runs its handlers; false where the group has none there
// or does not offer it now. A position below 0 chooses nothing.
bool selectOption(const QList<QRadioButton*>& options, int position);

// The item named `name`, or of the same number (a file may keep "57" where the list shows "57,0"),
// chosen as a click in the open list chooses it; false where the list has none.
bool chooseItem(const ChoiceList& list, const QString& name);

// The item a condition of the record names at its position among the choices, chosen in the list
// that shows that condition. A position below 0 chooses nothing.
bool chooseCondition(const ChoiceList& list, const TableRecord& record, int condition, const ConditionChoices& chosen);

}  // namespace calc::classic
