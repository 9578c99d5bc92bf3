#include "help/formulahelp.h"

namespace help {

// The formula help windows are not part of the program yet; the help buttons show nothing.
void showFormulaHelp(int) {}

}  // namespace help
