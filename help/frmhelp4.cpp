#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"
#include "help/slopelegend.h"

namespace help {

// Asbestos-cement pipes.
QWidget* createFrmhelp4()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp4"), QStringLiteral("асбецементные трубы ГОСТ 539-80"));
    page->addLine(QStringLiteral("Для гидравлического расчета асбестоцементных труб используют формулу:"));
    addSlopeFormula(*page, cementSlope(QStringLiteral("i = 0,000561 · ")));
    page->addSpace(6);
    page->addNote(QStringLiteral(
        "    Как показал опыт эксплуатации асбетоцементных водопроводных труб, заметного возрастания их "
        "шероховатости обычно не происходит. Благодаря этому приведенная выше формула справедлива для расчета как "
        "новых, так и неновых водопроводных труб."));
    NoteLabel* diameters = page->addNote(QStringLiteral(
        "   Величины внутренних диаметров приняты по ГОСТ 539-80. При расчете нестандартных асбестоцементных труб "
        "установите флажок \"другой\" диаметр и в окно ввода введите соответствующее значение расчетного "
        "внутреннего диаметра. "));
    diameters->linkOver(QStringLiteral("ГОСТ 539-80"), QStringLiteral("ГОСТ 539-80"),
                        QStringLiteral("g539.doc"));
    return page;
}

}  // namespace help
