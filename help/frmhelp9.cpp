#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"

namespace help {

// Copper pipes.
QWidget* createFrmhelp9()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp9"), QStringLiteral(" медные трубы "));
    NoteLabel* basis = page->addNote(
        QStringLiteral("   Гидравлический расчет медных трубопроводов производится на основании п.3.4 "));
    basis->linkAfter(QStringLiteral("СП 40-108-2004"), basis->font(),
                     QStringLiteral("sp40_108_2004.doc"));
    page->addNote(QStringLiteral(
        "   Сортамент труб (наружный диаметр, толщина стенки)  принят по табл.3 СП 40-108-2004 "));
    page->addNote(QStringLiteral(
        "   При расчете медных труб произвольного диаметра установите флажок \"другой\" внутренний диаметр и введите "
        "значение соответствующего расчетного внутреннего диаметра, мм.   "));
    return page;
}

}  // namespace help
