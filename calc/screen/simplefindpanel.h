#pragma once

#include "calc/common/tablerecord.h"

#include <QObject>
#include <QString>
#include <functional>

class NumericInput;
class QCheckBox;
class QLabel;
class QWidget;

namespace calc {

class ShownCalculation;

// The controls of the find and of the section of the screens whose find reads the diameter
// input as it stands (II-5 to II-8); each screen names its own labels.
struct PanelControls {
    QWidget* window;
    ShownCalculation* shown;        // what the results show, for the record and sections buttons
    NumericInput* flow;             // Text1
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

// What a screen's request names besides the panel's inputs.
struct RequestNames {
    std::function<SizeQuery()> conditions;  // the condition choices, the flow and its unit
    std::function<QString()> size;          // the size the results name; empty for a typed diameter
};

// Reads these screens' inputs into a request of their table, calculates it with the table's
// record and shows the outcome.
class SimpleFindPanel : public QObject {
public:
    SimpleFindPanel(const PanelControls& controls, const TableRecord& record, const RequestNames& names,
                    const QString& initialSlopeText);

    QString Label16;  // 1000i of the last successful find, unrounded

    // Empties the section caption and calculates: shows v and 1000i, or the input error of the
    // check that stopped the find after what the find shows before that check; then the advice.
    // What the results show follows.
    void find();
    // The find, then the section's head loss.
    void calculate();

    void clearSection();

private:
    // The screen's names, the diameter input as it stands and, for a section, the length input.
    CalculationRequest request(bool section) const;
    void run(const CalculationRequest& request);
    void showFind(const CalculationOutcome& outcome);
    void showDiameter();

    PanelControls ui;
    RequestNames names;
    int table;
    std::function<CalculationOutcome(const CalculationRequest&)> calculation;
};

}  // namespace calc
