#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"
#include "help/slopelegend.h"

namespace help {

// Plastic pipes.
QWidget* createFrmhelp5()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp5"), QStringLiteral(" пластмассовые трубы ГОСТ 18599-2001"));
    page->addLine(QStringLiteral("Для гидравлического расчета пластмассовых труб используют формулу:"));
    addSlopeFormula(*page, smoothPipeSlope(QStringLiteral("i = 0,000685 · ")));
    page->addSpace(6);
    page->addNote(QStringLiteral(
        "  Благодаря высокой коррозионной стойкости пластмассовых труб увеличения их сопротивления в процессе "
        "экплуатации практически не наблюдается. Поэтому приведенной выше формулой можно пользоваться как для "
        "расчета новых, так и для неновых пластмассовых труб.  "));
    NoteLabel* diameters = page->addNote(QStringLiteral(
        "   Величины внутренних диаметров приняты по ГОСТ 18599-2001. При расчете пластмассовых труб не относящихся "
        "к ГОСТ 18559-2001 установите флажок \"не по ГОСТу\"  и в окно ввода введите соответствующее значение "
        "расчетного внутреннего диаметра. "));
    diameters->linkOver(QStringLiteral("ГОСТ 18599-2001"), QStringLiteral("ГОСТ 18599-2001"),
                        QStringLiteral("g18599.doc"));
    return page;
}

}  // namespace help
