#include "calc/building/pexalpexcatalog.h"

namespace calc::building::pexalpex {

namespace {

struct Size {
    double outer;
    double wall;
};

constexpr Size sizes[] = {{16, 2}, {20, 2}, {26, 3}, {32, 3}, {40, 3.5}, {50, 4}};

}  // namespace

QStringList outerDiameters()
{
    QStringList items;
    for (const Size& size : sizes)
        items << QString::number(size.outer);
    return items;
}

double innerDiameter(double outerDiameter)
{
    double wall = 0;
    for (const Size& size : sizes)
        if (size.outer == outerDiameter)
            wall = size.wall;
    return outerDiameter - 2 * wall;
}

}  // namespace calc::building::pexalpex
