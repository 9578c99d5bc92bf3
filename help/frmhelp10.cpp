#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"

namespace help {

// Cross-linked polyethylene pipes.
QWidget* createFrmhelp10()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp10"), QStringLiteral(" PEX трубы"));
    NoteLabel* basis = page->addNote(QStringLiteral(
        "  Гидравлический расчет трубопроводов из сшитого полиэтилена (PEX) производится на основании п.3.4   "
        "СП 41-109-2005   и   п.3.5   СП 40-102-2000 "));
    basis->linkOver(QStringLiteral("СП 41-109-2005"), QStringLiteral("СП 41-109-2005"),
                    QStringLiteral("sp41_109_2005.doc"));
    basis->linkOver(QStringLiteral("СП 40-102-2000"), QStringLiteral("СП 40-102-2000"),
                    QStringLiteral("sp40_102_2000.doc"));
    page->addNote(QStringLiteral("  Сортамент труб из \"сшитого\" полиэтилена (PEX) принят по табл.1 СП 41-109-2005"));
    page->addNote(QStringLiteral(
        "   При расчете (PEX) труб произвольного диаметра установите флажок \"другой\" внутренний диаметр и введите "
        "значение соответствующего расчетного внутреннего диаметра, мм.   "));
    return page;
}

}  // namespace help
