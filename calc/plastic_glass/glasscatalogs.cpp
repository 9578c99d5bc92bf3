#include "calc/plastic_glass/glasscatalogs.h"

#include "calc/common/valueparse.h"

namespace calc::plastic_glass {

namespace glassfibre {
QStringList innerDiameters()
{
    return {QStringLiteral("50"),  QStringLiteral("60"),  QStringLiteral("80"),  QStringLiteral("90"),
            QStringLiteral("110"), QStringLiteral("150"), QStringLiteral("175"), QStringLiteral("200"),
            QStringLiteral("215"), QStringLiteral("265"), QStringLiteral("300"), QStringLiteral("315"),
            QStringLiteral("400")};
}
}  // namespace glassfibre

namespace glass {
namespace {
struct Pipe {
    int outer;
    int inner;
};
constexpr Pipe catalog[] = {{45, 37}, {67, 57}, {93, 81}, {122, 108}, {169, 150}, {221, 198}};
}  // namespace

QStringList outerDiameters()
{
    QStringList items;
    for (const auto& pipe : catalog)
        items << QString::number(pipe.outer);
    return items;
}

double innerDiameter(const QString& outerDiameterItem)
{
    const double outer = parseValue(outerDiameterItem);
    for (const auto& pipe : catalog)
        if (pipe.outer == outer)
            return pipe.inner;
    return 0.0;
}
}  // namespace glass

}  // namespace calc::plastic_glass
