#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"
#include "help/slopelegend.h"

namespace help {

using namespace formula;

// Glass-fibre reinforced plastic pipes.
QWidget* createFrmhelp7()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp7"), QStringLiteral("трубы стеклопластиковые СП 40-104-2001"));
    page->addLine(QStringLiteral("Для гидравлического расчета стеклопластиковых труб используют следующие формулы:"));
    page->addFormula(row({text(QStringLiteral("i = λ · ")),
                          fraction(power(QStringLiteral("v"), QStringLiteral("2")), text(QStringLiteral("2g · dp")))}),
                     40);
    addSlopeFormula(*page, row({text(QStringLiteral("λ = 0,0146 · ")),
                                power(parenthesised(text(QStringLiteral("v · dp"))), QStringLiteral("—0,226"))}));
    page->addLegend(QStringLiteral("λ -"), QStringLiteral("коэффициент сопротивления трения по длине"));
    page->addLegend(QStringLiteral("g -"), QStringLiteral("ускорение свободного падения"));
    page->addSpace(6);
    page->addNote(QStringLiteral(
        "  Благодаря высокой коррозионной стойкости стеклопластиковых труб увеличения их сопротивления в процессе "
        "экплуатации практически не наблюдается. Поэтому приведенными выше формулами можно пользоваться как для "
        "расчета новых, так и для неновых стеклопластиковых труб.  "));
    NoteLabel* diameters = page->addNote(QStringLiteral(
        "   Величины внутренних диаметров приняты по табл.2 и табл.3 СП40-104-2001. При расчете стеклопластиковых "
        "труб произвольного диаметра установите флажок \"другой\"  и в окно ввода введите соответствующее значение "
        "расчетного внутреннего диаметра. "));
    diameters->linkOver(QStringLiteral("СП40-104-2001"), QStringLiteral("СП40-104-2001"),
                        QStringLiteral("sp40_104_2001.doc"));
    return page;
}

}  // namespace help
