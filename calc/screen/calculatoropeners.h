#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/tablerecord.h"

#include <QString>
#include <functional>

class QWidget;

namespace calc {

// What a calculator hands to the size selection: its table, its conditions, flow unit and heat
// carrier as its calculation takes them, and the flow as typed on it.
struct SizeSelectionRequest {
    TableRecord record;
    CalculationRequest section;  // the flow's value is read from flowText
    QString flowText;
};
using SizeSelectionSource = std::function<SizeSelectionRequest()>;

// The windows of the layers above the calculators that a calculator opens: its table's formula
// help, the size selection, which follows the calculator's request while it is open, and the
// record of the calculation it shows. The application sets them once, before a calculator opens;
// one that is not set opens nothing.
struct CalculatorOpeners {
    std::function<void(const TableRecord& record)> formulaHelp;
    std::function<void(const SizeSelectionSource& source, QWidget* calculator)> sizeSelection;
    std::function<void(const TableRecord& record, const CalculationRequest& request)> calculationRecord;
};

void setCalculatorOpeners(const CalculatorOpeners& openers);
const CalculatorOpeners& calculatorOpeners();

}  // namespace calc
