#pragma once

#include "calc/common/tablerecord.h"
#include "calc/screen/classicrequest.h"
#include "calc/screen/classicsection.h"

#include <QObject>
#include <QString>
#include <functional>

class NumericInput;
class QCheckBox;
class QLabel;
class QRadioButton;
class QWidget;

namespace calc {

class ShownCalculation;

// The controls of the find and of the section of the screens whose find reads the diameter
// input as it stands (II-5 to II-8); each screen names its own labels.
struct PanelControls {
    QWidget* window;
    ShownCalculation* shown;        // what the results show, for the record and sections buttons
    NumericInput* flow;             // Text1
    QRadioButton* litresPerSecond;
    QRadioButton* cubicMetresPerHour;
    NumericInput* diameter;         // Text2, mm
    QCheckBox* otherDiameter;       // Check1
    QLabel* diameterPrefix;         // "d=" or "dp="
    QLabel* diameterShown;
    QLabel* velocity;
    QLabel* thousandI;
    NumericInput* length;           // Text3
    QLabel* headLoss;               // Label10
    QLabel* advice = nullptr;       // on the screens that advise
};

// What a screen's request names besides the panel's inputs, and how a request sets it.
struct RequestNames {
    std::function<SizeQuery()> conditions;  // the condition choices, the flow and its unit
    std::function<QString()> size;          // the size the results name; empty for a typed diameter
    // Chooses the record's conditions on the screen; false where one is not among the screen's.
    std::function<bool(const ConditionChoices& chosen)> setConditions;
    classic::ChoiceList sizes;              // the size list and what choosing in it runs
};

// Reads these screens' inputs into a request of their table, calculates it with the table's
// record and shows the outcome; sets a request on them.
class SimpleFindPanel : public QObject {
public:
    SimpleFindPanel(const PanelControls& controls, const TableRecord& record, const RequestNames& names);

    // The screen's names, the diameter input as it stands and the length, where one is typed.
    CalculationRequest request() const;
    // Sets the request on the screen as its user would and calculates it as its buttons do.
    bool apply(const CalculationRequest& request);

    // Empties the section caption and calculates: shows v and 1000i, or the input error of the
    // check that stopped the find after what the find shows before that check; then the advice.
    // What the results show follows.
    void find();
    // The find, then the section's head loss.
    void calculate();

    void clearSection();

private:
    // The inputs as the find, or with section the calculate button, reads them.
    CalculationRequest asked(bool section) const;
    void run(const CalculationRequest& request);
    void show(const CalculationOutcome& outcome, bool section);
    void showDiameter();

    PanelControls ui;
    TableRecord record;
    RequestNames names;
    classic::LastFound lastFound;
};

}  // namespace calc
