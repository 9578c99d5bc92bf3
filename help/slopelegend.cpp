#include "help/slopelegend.h"

#include "help/helppage.h"

namespace help {

using namespace formula;

void addSlopeFormula(HelpPage& page, Part slope)
{
    page.addFormula(std::move(slope), 40);
    page.addSpace(6);
    page.addLegend(QStringLiteral("i - "), QStringLiteral("гидравлический уклон"));
    page.addLegend(QStringLiteral("v -"), QStringLiteral("скорость движения воды, м/с"));
    page.addLegend(QStringLiteral("dp -"), QStringLiteral("расчетный внутренний диаметр, м"));
}

Part cementSlope(const QString& lead)
{
    return row({text(lead),
                fraction(power(QStringLiteral("v"), QStringLiteral("2")),
                         power(QStringLiteral("dp"), QStringLiteral("1,190"))),
                text(QStringLiteral(" · ")),
                power(parenthesised(row({text(QStringLiteral("1 + ")), fraction(QStringLiteral("3,51"), QStringLiteral("v"))})),
                      QStringLiteral("0,190"))});
}

Part smoothPipeSlope(const QString& lead)
{
    return row({text(lead), fraction(power(QStringLiteral("v"), QStringLiteral("1,774")),
                                     power(QStringLiteral("dp"), QStringLiteral("1,226")))});
}

}  // namespace help
