#pragma once

class QWidget;

namespace help {

using CreateHelpWindow = QWidget* (*)();

// Shows the formula help window that `create` makes (createFrmhelp1 …), creating it once and
// bringing it forward after; tables that share a window share its function. Help windows outlive
// their calculator.
void showFormulaHelp(CreateHelpWindow create);

}  // namespace help
