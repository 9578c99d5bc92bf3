#pragma once

class QWidget;

namespace help {

// Shows the formula help window of a table (1 for II-1 and II-2, 3..11 for II-3..II-11),
// creating it if needed or bringing it forward. Help windows outlive their calculator.
void showFormulaHelp(int table);

}  // namespace help
