#include "calc/castiron_cement/asbestoscement.h"

#include <cmath>

namespace calc::asbestoscement {
namespace {

// Inner diameters in mm by class and type; 0 where the standard has no pipe.
struct SizeRow {
    int size;
    int vt6[3];
    int vt9[3];
    int vt12[3];
    int vt15Type2;
};

constexpr SizeRow catalog[] = {
    {100, {104, 0, 0}, {100, 0, 0}, {96, 0, 0}, 0},
    {150, {146, 0, 0}, {141, 0, 0}, {135, 0, 0}, 0},
    {200, {196, 200, 196}, {189, 196, 189}, {181, 188, 181}, 180},
    {250, {244, 248, 0}, {235, 242, 0}, {228, 234, 0}, 226},
    {300, {289, 292, 289}, {279, 286, 279}, {270, 276, 270}, 267},
    {350, {334, 337, 0}, {322, 329, 0}, {312, 317, 0}, 307},
    {400, {381, 385, 0}, {368, 377, 0}, {356, 363, 0}, 352},
    {500, {473, 476, 0}, {456, 466, 0}, {441, 450, 0}, 436},
};

constexpr EconomicBand ranges[] = {
    {100, 5, 10.2}, {150, 10.2, 22.1}, {200, 22.1, 44},  {250, 44, 71},
    {300, 71, 103}, {350, 103, 144},   {400, 144, 217},  {500, 217, 689},
};

QString className(PressureClass pressureClass)
{
    switch (pressureClass) {
    case PressureClass::VT6:
        return QStringLiteral("ВТ6");
    case PressureClass::VT9:
        return QStringLiteral("ВТ9");
    case PressureClass::VT12:
        return QStringLiteral("ВТ12");
    case PressureClass::VT15:
        return QStringLiteral("ВТ15");
    }
    return QString();
}

}  // namespace

QStringList sizes(int type)
{
    switch (type) {
    case 1:
        return {"100", "150", "200", "250", "300", "350", "400", "500"};
    case 2:
        return {"200", "250", "300", "350", "400", "500"};
    case 3:
        return {"200", "300"};
    }
    return {};
}

int innerDiameter(double size, PressureClass pressureClass, int type)
{
    if (type < 1 || type > 3)
        return 0;
    for (const SizeRow& row : catalog) {
        if (row.size != size)
            continue;
        switch (pressureClass) {
        case PressureClass::VT6:
            return row.vt6[type - 1];
        case PressureClass::VT9:
            return row.vt9[type - 1];
        case PressureClass::VT12:
            return row.vt12[type - 1];
        case PressureClass::VT15:
            return type == 2 ? row.vt15Type2 : 0;
        }
    }
    return 0;
}

QString pipeTooltip(int size, PressureClass pressureClass, int type)
{
    return QStringLiteral("условный проход d=%1мм; труба %2 тип%3; внутренний диаметр dв=%4мм")
        .arg(QString::number(size), className(pressureClass), QString::number(type),
             QString::number(innerDiameter(size, pressureClass, type)));
}

double slope(double v, double dp) { return 0.000561 * v * v / std::pow(dp, 1.19) * std::pow(1.0 + 3.51 / v, 0.19); }

EconomicTable economicTable() { return {ranges, BoundRule::UpperIncluded}; }

}  // namespace calc::asbestoscement
