#include "help/formulahelp.h"

#include "help/helpwindows.h"

#include <QPointer>
#include <QWidget>
#include <array>

namespace help {

void showFormulaHelp(int helpWindow)
{
    using Create = QWidget* (*)();
    // There is no frmhelp2: table II-2 shares the steel window frmhelp1.
    static constexpr std::array<Create, 12> creators = {
        nullptr,        createFrmhelp1, nullptr,        createFrmhelp3, createFrmhelp4,  createFrmhelp5,
        createFrmhelp6, createFrmhelp7, createFrmhelp8, createFrmhelp9, createFrmhelp10, createFrmhelp11};
    static std::array<QPointer<QWidget>, 12> windows;
    if (helpWindow < 0 || helpWindow >= int(creators.size()) || !creators[helpWindow])
        return;
    QPointer<QWidget>& window = windows[helpWindow];
    if (!window)
        window = creators[helpWindow]();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace help
