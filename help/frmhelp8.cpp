#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"
#include "help/slopelegend.h"

namespace help {

// Glass pipes.
QWidget* createFrmhelp8()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp8"), QStringLiteral("трубы стеклянные ГОСТ 8894-86"));
    page->addLine(QStringLiteral("Для гидравлического расчета стеклянных труб используют формулу:"));
    addSlopeFormula(*page, smoothPipeSlope(QStringLiteral("i = 0,000745 · ")));
    page->addSpace(6);
    page->addNote(QStringLiteral(
        "  Стеклянные трубы весьма стойки против коррозии, благодаря чему приведенная выше формула справедлива как "
        "для новых, так и для неновых стеклянных труб."));
    NoteLabel* diameters = page->addNote(QStringLiteral(
        "   Величины  диаметров приняты по ГОСТ 8894-86. При расчете стеклянных труб труб не относящихся к ГОСТ "
        "8894-86 установите флажок \"другой\"  и в окно ввода введите соответствующее значение расчетного "
        "внутреннего диаметра. "));
    diameters->linkOver(QStringLiteral("ГОСТ 8894-86"), QStringLiteral("ГОСТ 8894-86"),
                        QStringLiteral("g8894.doc"));
    return page;
}

}  // namespace help
