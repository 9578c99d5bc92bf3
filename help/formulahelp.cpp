#include "help/formulahelp.h"

#include "help/helpwindows.h"

#include <QPointer>
#include <QWidget>
#include <array>

namespace help {

void showFormulaHelp(int table)
{
    using Create = QWidget* (*)();
    // Table II-2 shares the steel window of table II-1.
    static constexpr std::array<Create, 12> creators = {
        nullptr,         createFrmhelp1, createFrmhelp1, createFrmhelp3, createFrmhelp4,  createFrmhelp5,
        createFrmhelp6, createFrmhelp7, createFrmhelp8, createFrmhelp9, createFrmhelp10, createFrmhelp11};
    static std::array<QPointer<QWidget>, 12> windows;
    if (table < 1 || table >= int(creators.size()))
        return;
    const int kind = table == 2 ? 1 : table;
    QPointer<QWidget>& window = windows[kind];
    if (!window)
        window = creators[kind]();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace help
