#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"
#include "help/slopelegend.h"

namespace help {

// Reinforced-concrete pipes.
QWidget* createFrmhelp6()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp6"), QStringLiteral("трубы железобетонные ГОСТ 12586.0-83"));
    page->addLine(QStringLiteral("Для гидравлического расчета железобетонных труб используют формулу:"));
    addSlopeFormula(*page, cementSlope(QStringLiteral("i = 0,000802 · φ · ")));
    page->addLegend(QStringLiteral("φ -"),
                    QStringLiteral("коэффициент, зависящий от качества внутренней поверхности стенки трубы. "
                                   "Принимаем   "),
                    QStringLiteral("φ =1"));
    page->addSpace(6);
    page->addNote(QStringLiteral(
        "  Опыт эксплуатации железобетонных труб показал, что внутренняя поверхность стенок с течением времени "
        "практически  не изменяется, поэтому по приведенной выше формуле можно рассчитывать как новые, так и "
        "бывшие в употреблении железобетонные трубы.  "));
    NoteLabel* diameters = page->addNote(QStringLiteral(
        "   Величины внутренних диаметров приняты по ГОСТ 12586.0-83 При расчете железобетонных труб не относящихся "
        "к ГОСТ 12586.0-83 установите флажок \"другой\"  и в окно ввода введите соответствующее значение "
        "расчетного внутреннего диаметра. "));
    diameters->linkOver(QStringLiteral("ГОСТ 12586.0-83"), QStringLiteral("ГОСТ12586.0-83"),
                        QStringLiteral("g12586.doc"));
    return page;
}

}  // namespace help
