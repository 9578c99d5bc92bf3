#include "help/slopelegend.h"

#include "help/helppage.h"

namespace help {

void addSlopeLegend(HelpPage& page)
{
    page.addLegend(QStringLiteral("i - "), QStringLiteral("гидравлический уклон"));
    page.addLegend(QStringLiteral("v -"), QStringLiteral("скорость движения воды, м/с"));
    page.addLegend(QStringLiteral("dp -"), QStringLiteral("расчетный внутренний диаметр, м"));
}

}  // namespace help
