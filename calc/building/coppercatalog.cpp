#include "calc/building/coppercatalog.h"

namespace calc::building::copper {

namespace {

struct Size {
    double outer;
    const char* item;
    QStringList walls;
};

const QList<Size>& sizes()
{
    static const QList<Size> table = {
        {6, "6", {"0.6", "0.8", "1.0"}},
        {8, "8", {"0.6", "0.8", "1.0"}},
        {10, "10", {"0.6", "0.7", "0.8", "1.0"}},
        {12, "12", {"0.6", "0.8", "1.0"}},
        {15, "15", {"0.7", "0.8", "1.0"}},
        {18, "18", {"0.8", "1.0"}},
        {22, "22", {"0.9", "1.0", "1.2", "1.5"}},
        {28, "28", {"0.9", "1.0", "1.2", "1.5"}},
        {35, "35", {"1.2", "1.5"}},
        {42, "42", {"1.2", "1.5"}},
        {54, "54", {"1.2", "1.5", "2.0"}},
        {64, "64", {"2.0"}},
        {66.7, "66.7", {"1.2"}},
        {76.1, "76.1", {"1.5", "2.0"}},
        {88.9, "88.9", {"2.0"}},
        {108, "108", {"1.5", "2.5"}},
        {133, "133", {"1.5", "3.0"}},
        {159, "159", {"2.0", "3.0"}},
        {219, "219", {"3.0"}},
        {267, "267", {"3.0"}},
    };
    return table;
}

}  // namespace

QStringList outerDiameters()
{
    QStringList items;
    for (const Size& size : sizes())
        items << QLatin1String(size.item);
    return items;
}

QStringList walls(double outerDiameter)
{
    for (const Size& size : sizes())
        if (size.outer == outerDiameter)
            return size.walls;
    return {};
}

QString designation(const QString& outerDiameter, const QString& wall)
{
    return outerDiameter + QStringLiteral(" × ") + wall;
}

}  // namespace calc::building::copper
