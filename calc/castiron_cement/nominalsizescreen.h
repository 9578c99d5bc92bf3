#pragma once

#include "calc/common/tablerecord.h"
#include "calc/screen/classicrequest.h"
#include "calc/screen/classicsection.h"

#include <QObject>
#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
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
    QLabel* size;          // the size value
    QComboBox* sizeList;   // Combo1
    QLineEdit* diameter;   // Text2: the calculation diameter after each find
    QCheckBox* otherDiameter;
    QLineEdit* flow;       // Text1
    QRadioButton* litresPerSecond;
    QRadioButton* cubicMetresPerHour;
    QLabel* velocity;
    QLabel* thousandI;
    QLabel* advice;        // Label7
    QLineEdit* length;     // Text3
    QLabel* headLoss;      // Label10
    ShownCalculation* shown;
};

// The find and the section of the screens whose find reads the nominal size the screen keeps
// (II-3, II-4), and that size.
class FindPanel : public QObject {
public:
    // diameterZero words the size check; conditions gives the screen's condition choices, the flow
    // and its unit.
    FindPanel(const FindControls& controls, const TableRecord& record, const QString& diameterZero,
              std::function<SizeQuery()> conditions);

    // A size chosen from the list: shown, and kept for the finds until another is.
    void chooseSize(const QString& item);
    // The size value emptied: the find has no size until one is chosen.
    void clearSize();

    // The size kept (none for a typed diameter), the diameter input and the length, where typed.
    CalculationRequest request() const;
    // Sets the request on the screen: setConditions chooses the screen's conditions and sizeChosen
    // runs when a size is chosen from the list.
    bool apply(const CalculationRequest& request, const std::function<bool(const ConditionChoices&)>& setConditions,
               const std::function<void()>& sizeChosen);

    // Calculates the inputs with the table's record and shows the outcome as the find's handler
    // order leaves the screen: the size caption once the flow passed, then the message of the
    // check that stopped it or the results, and with section the section after it. What the
    // results show follows.
    void calculate(bool section);

private:
    CalculationRequest asked(bool section) const;
    void show(const CalculationOutcome& outcome, bool section);

    FindControls ui;
    TableRecord record;
    QString diameterZero;
    std::function<SizeQuery()> conditions;
    double size = 0;  // mm: the size chosen, or the one the last find showed; 0 for none
    classic::LastFound lastFound;
};

}  // namespace calc::nominalsize
