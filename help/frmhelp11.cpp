#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"

namespace help {

// Metal-polymer pipes. Their heating systems follow СП 41-102-98, whose link covers the first
// designation of the note.
QWidget* createFrmhelp11()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp11"), QStringLiteral(" металлополимерные трубы (PEX-AL-PEX)"));
    NoteLabel* basis = page->addNote(QStringLiteral(
        "   Гидравлический расчет металлополимерных трубопроводов (PEX-AL-PEX)  производится на основании п.3.4   "
        "СП 41-109-2005   и   п.3.5   СП 40-102-2000 "));
    basis->linkOver(QStringLiteral("СП 41-109-2005"), QStringLiteral("СП 41-102-98"),
                    QStringLiteral("sp41_102_98.doc"));
    basis->linkOver(QStringLiteral("СП 40-102-2000"), QStringLiteral("СП 40-102-2000"),
                    QStringLiteral("sp40_102_2000.doc"));
    page->addNote(QStringLiteral(
        "   При расчете металлополимерных труб произвольного диаметра установите флажок \"другой\" внутренний "
        "диаметр и введите значение соответствующего расчетного внутреннего диаметра, мм.   "));
    return page;
}

}  // namespace help
