#include "calc/building/pexcatalog.h"

#include <optional>

namespace calc::building::pex {

namespace {

struct Wall {
    double e;
    double tolerance;
};

struct Size {
    double outer;
    double outerTolerance;
    std::optional<Wall> walls[5];  // by series, SDR 13,6 to SDR 6
};

constexpr Size sizes[] = {
    {12, 0.3, {std::nullopt, Wall{1.3, 0.4}, Wall{1.4, 0.4}, Wall{1.7, 0.4}, Wall{2, 0.4}}},
    {15, 0.3, {std::nullopt, std::nullopt, std::nullopt, Wall{2, 0.5}, Wall{2.5, 0.5}}},
    {16, 0.3, {Wall{1.3, 0.4}, Wall{1.5, 0.4}, Wall{1.8, 0.4}, Wall{2.2, 0.5}, Wall{2.7, 0.5}}},
    {18, 0.3, {std::nullopt, Wall{1.7, 0.4}, Wall{2, 0.4}, Wall{2.5, 0.5}, Wall{3.1, 0.6}}},
    {20, 0.3, {Wall{1.5, 0.4}, Wall{1.9, 0.4}, Wall{2.3, 0.5}, Wall{2.8, 0.5}, Wall{3.4, 0.6}}},
    {22, 0.3, {std::nullopt, Wall{2, 0.5}, Wall{2.5, 0.5}, Wall{3, 0.6}, Wall{3.8, 0.6}}},
    {25, 0.3, {Wall{1.9, 0.4}, Wall{2.3, 0.5}, Wall{2.8, 0.5}, Wall{3.5, 0.6}, Wall{4.2, 0.7}}},
    {32, 0.3, {Wall{2.4, 0.5}, Wall{2.9, 0.5}, Wall{3.6, 0.6}, Wall{4.4, 0.7}, Wall{5.4, 0.8}}},
    {40, 0.4, {Wall{3, 0.5}, Wall{3.7, 0.6}, Wall{4.5, 0.7}, Wall{5.5, 0.8}, Wall{6.7, 0.9}}},
    {50, 0.5, {Wall{3.7, 0.5}, Wall{4.6, 0.7}, Wall{5.6, 0.8}, Wall{6.9, 0.9}, Wall{8.3, 1.1}}},
    {63, 0.6, {Wall{4.7, 0.7}, Wall{5.8, 0.8}, Wall{7.1, 1}, Wall{8.6, 1.1}, Wall{10.5, 1.3}}},
    {75, 0.7, {Wall{5.6, 0.8}, Wall{6.8, 0.9}, Wall{8.4, 1.1}, Wall{10.3, 1.2}, Wall{12.5, 1.5}}},
    {90, 0.9, {Wall{6.7, 0.9}, Wall{8.2, 1.1}, Wall{10.1, 1.3}, Wall{12.3, 1.5}, Wall{15, 1.7}}},
    {110, 1, {Wall{8.1, 1.1}, Wall{10, 1.2}, Wall{12.3, 1.5}, Wall{15.1, 1.8}, Wall{18.3, 2.1}}},
};

}  // namespace

QStringList outerDiameters(Series series)
{
    QStringList items;
    for (const Size& size : sizes)
        if (size.walls[int(series)])
            items << QString::number(size.outer);
    return items;
}

std::optional<WallFigures> wallFigures(double outerDiameter, Series series)
{
    for (const Size& size : sizes)
        if (size.outer == outerDiameter && size.walls[int(series)])
            return WallFigures{size.walls[int(series)]->e, size.walls[int(series)]->tolerance, size.outerTolerance};
    return std::nullopt;
}

double innerDiameter(double outerDiameter, Series series)
{
    const std::optional<WallFigures> wall = wallFigures(outerDiameter, series);
    if (!wall)
        return outerDiameter;
    return 0.5 * (2 * outerDiameter + wall->outerTolerance - 4 * wall->e - 2 * wall->wallTolerance);
}

}  // namespace calc::building::pex
