#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"

namespace help {

using namespace formula;

// Cast-iron pipes.
QWidget* createFrmhelp3()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp3"), QStringLiteral(" чугунные трубы ГОСТ9583-75 и ГОСТ 21053-75"));
    page->addLine(QStringLiteral("Для гидравлического расчета чугунных труб используют следующие формулы:"));
    page->addFormula(row({text(QStringLiteral("i = λ · ")), fraction(QStringLiteral("1"), QStringLiteral("dp")),
                          text(QStringLiteral(" · ")),
                          fraction(power(QStringLiteral("v"), QStringLiteral("2")), text(QStringLiteral("2g")))}),
                     40);
    page->addFormula(row({text(QStringLiteral("Для новых чугунных труб:   λ = ")),
                          fraction(text(QStringLiteral("0,0144")), power(QStringLiteral("dp"), QStringLiteral("0,284"))),
                          text(QStringLiteral(" · ")),
                          power(parenthesised(row({text(QStringLiteral("1 + ")),
                                                   fraction(QStringLiteral("2,36"), QStringLiteral("v"))})),
                                QStringLiteral("0,284"))}));

    const Part slopeRatio = fraction(power(QStringLiteral("v"), QStringLiteral("2")),
                                     power(QStringLiteral("dp"), QStringLiteral("1,3")));
    page->addLine(QStringLiteral("Для неновых чугунных труб при v>1,2 м/сек или v=1,2 м/сек:"));
    page->addFormula(row({text(QStringLiteral("i = 0,00107 · ")), slopeRatio}), 40);
    page->addLine(QStringLiteral("Для неновых чугунных труб при v<1,2 м/сек:"));
    page->addFormula(row({text(QStringLiteral("i = 0,000912 · ")), slopeRatio, text(QStringLiteral(" · ")),
                          power(parenthesised(row({text(QStringLiteral("1 + ")),
                                                   fraction(QStringLiteral("0,867"), QStringLiteral("v"))})),
                                QStringLiteral("0,3"))}),
                     40);

    page->addSpace(6);
    NoteLabel* classes = page->addNote(QStringLiteral(
        "    Для чугунных труб внутренние диаметры установлены по ГОСТ 9583-75 и ГОСТ 21053-75, причем для условных "
        "проходов до 300мм включительно принят  класс ЛА, для больших диаметров - класс А. Для труб диаметром менее "
        "300мм учтено  уменьшение внутреннего диаметра на 1мм за счет коррозии или отложений. Для труб диаметром "
        "300мм и более такое уменьшение практического значения не имеет и поэтому не учтено."));
    classes->linkOver(QStringLiteral("ГОСТ 9583-75"), QStringLiteral("ГОСТ 9583-75"),
                      QStringLiteral("g9583.doc"));
    page->addNote(QStringLiteral(
        "  Использование чугунных труб более тяжелых классов в системах водоснабжения в подавляющем большинстве "
        "случаев не требуется. Но при необходимости можно рассчитать их. Установите флажок \"другой\" диаметр и в "
        "окно ввода введите соответствующее значение расчетного внутреннего диаметра."));
    return page;
}

}  // namespace help
