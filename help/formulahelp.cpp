#include "help/formulahelp.h"

#include <QPointer>
#include <QWidget>
#include <map>

namespace help {

void showFormulaHelp(CreateHelpWindow create)
{
    static std::map<CreateHelpWindow, QPointer<QWidget>> windows;
    if (!create)
        return;
    QPointer<QWidget>& window = windows[create];
    if (!window)
        window = create();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace help
