#pragma once

namespace help {

// Shows the formula help window frmhelpN of this number (1, or 3 to 11), creating it if needed
// or bringing it forward; another number shows nothing. Help windows outlive their calculator.
void showFormulaHelp(int helpWindow);

}  // namespace help
