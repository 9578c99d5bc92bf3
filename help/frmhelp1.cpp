#include "help/helppage.h"
#include "help/helpwindows.h"

#include <QLabel>

namespace help {

using namespace formula;

// Steel pipes, tables II-1 and II-2. The intro line and the symbols i and λ do not react to clicks.
QWidget* createFrmhelp1()
{
    auto* page = new HelpPage(QStringLiteral("frmhelp1"), QStringLiteral("для стальных труб"));
    page->ignoreClicks(page->addLine(
        QStringLiteral("Для гидравлического расчета стальных труб используют следующие формулы:")));

    const Part lambda = inert(text(QStringLiteral("λ")));
    page->addFormula(row({inert(text(QStringLiteral("i"))), text(QStringLiteral(" = ")), lambda,
                          text(QStringLiteral(" · ")), fraction(QStringLiteral("1"), QStringLiteral("dp")),
                          inert(text(QStringLiteral(" · "))),
                          fraction(power(QStringLiteral("v"), QStringLiteral("2")), text(QStringLiteral("2g")))}),
                     40);

    page->addFormula(row({text(QStringLiteral("Для новых стальных труб:   ")), lambda, text(QStringLiteral(" = ")),
                          fraction(text(QStringLiteral("0,312")), power(QStringLiteral("dp"), QStringLiteral("0,226"))),
                          text(QStringLiteral(" · ")),
                          power(parenthesised(row({text(QStringLiteral("1,9·")),
                                                   power(QStringLiteral("10"), QStringLiteral("−6")),
                                                   text(QStringLiteral(" + ")),
                                                   fraction(QStringLiteral("ν"), QStringLiteral("v"))})),
                                QStringLiteral("0,226"))}));

    const Part ratio = fraction(QStringLiteral("v"), QStringLiteral("ν"));
    const Part limit = row({text(QStringLiteral(" 9,2·")), power(QStringLiteral("10"), QStringLiteral("5"))});
    page->addFormula(row({text(QStringLiteral("Для неновых стальных труб при ")), ratio, text(QStringLiteral(" ≥")),
                          limit, text(QStringLiteral("      ")), lambda, text(QStringLiteral(" = ")),
                          fraction(text(QStringLiteral("0,021")), power(QStringLiteral("dp"), QStringLiteral("0,3")))}));
    page->addFormula(row({text(QStringLiteral("Для неновых стальных труб при ")), ratio, text(QStringLiteral(" <")),
                          limit, text(QStringLiteral("      ")), lambda, text(QStringLiteral(" = ")),
                          fraction(text(QStringLiteral("1")), power(QStringLiteral("dp"), QStringLiteral("0,3"))),
                          text(QStringLiteral(" · ")),
                          power(parenthesised(row({text(QStringLiteral("1,5·")),
                                                   power(QStringLiteral("10"), QStringLiteral("−6")),
                                                   text(QStringLiteral(" + ")),
                                                   fraction(QStringLiteral("ν"), QStringLiteral("v"))})),
                                QStringLiteral("0,3"))}));

    page->addSpace(6);
    page->ignoreClicks(page->addLegend(QStringLiteral("i -"), QStringLiteral("гидравлический уклон ")));
    page->ignoreClicks(
        page->addLegend(QStringLiteral("λ -"), QStringLiteral("коэффициент сопротивления трения по длине")));
    page->addLegend(QStringLiteral("v -"), QStringLiteral("скорость, м/с "));
    page->addLegend(QStringLiteral("ν -"),
                    QStringLiteral("кинематический коэффициент вязкости воды (зависит от температуры) "));
    page->addLegend(QStringLiteral("dp -"), QStringLiteral("расчетный внутренний диаметр , мм"),
                    QStringLiteral("dp=dн - 2s - 1"));
    page->addLegend(QStringLiteral("dн -"), QStringLiteral("наружный диаметр , мм"));
    page->addLegend(QStringLiteral("s -"), QStringLiteral("толщина стенки , мм"));
    page->addLegend(QStringLiteral("1мм -"), QStringLiteral("коррозия или отложения , мм"));
    return page;
}

}  // namespace help
