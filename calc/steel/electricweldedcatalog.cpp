#include "calc/steel/electricweldedcatalog.h"

#include "calc/common/valueparse.h"

namespace calc::steel::electricwelded {

namespace {
// Outer diameters that share one wall list, in catalog order.
struct Group {
    const char* outers;
    const char* walls;
};

constexpr Group catalog[] = {
    {"10 10.2", "1 1.2"},
    {"12 13 14 16", "1 1.2 1.4 1.6"},
    {"18", "1 1.2 1.4 1.6 1.8"},
    {"19 20 21.3 22", "1 1.2 1.4 1.6 1.8 2"},
    {"24 25 26 27 28 30", "1 1.2 1.4 1.6 1.8 2 2.2 2.5"},
    {"32 33", "1 1.2 1.4 1.6 1.8 2 2.2 2.5 2.8 3"},
    {"33.7 35 36 38 40 42 44.5 45", "1.2 1.4 1.6 1.8 2 2.2 2.5 2.8 3"},
    {"48 48.3 51 53 54 57", "1.4 1.6 1.8 2 2.2 2.5 2.8 3 3.2 3.5"},
    {"60 63.5", "1.4 1.6 1.8 2 2.2 2.5 2.8 3 3.2 3.5 3.8"},
    {"70 73", "1.4 1.6 1.8 2 2.2 2.5 2.8 3 3.2 3.5 3.8 4"},
    {"76", "1.4 1.6 1.8 2 2.2 2.5 2.8 3 3.2 3.5 3.8 4 4.5 5 5.5"},
    {"88", "1.6 1.8 2 2.2 2.5 2.8"},
    {"89", "1.6 1.8 2 2.2 2.5 2.8 3 3.2 3.5 3.8 4 4.5 5 5.5"},
    {"95", "2 2.5 3.2 5"},
    {"102 108 114 127 133 140 152", "1.8 2 2.2 2.5 2.8 3 3.2 3.5 3.8 4 4.5 5 5.5"},
    {"159 168 177.8", "1.8 2 2.2 2.5 2.8 3 3.2 3.5 3.8 4 4.5 5 5.5 6 7 8"},
    {"180", "4 5"},
    {"193.7", "2 2.2 2.5 2.8 3 3.2 3.5 3.8 4 4.5 5 5.5 6 7 8"},
    {"219", "2.5 2.8 3 3.2 3.5 3.8 4 4.5 5 5.5 6 7 8 9"},
    {"244.5", "3 3.2 3.5 3.8 4 4.5 5 5.5 6 7 8 9"},
    {"273", "3.5 3.8 4 4.5 5 5.5 6 7 8 9"},
    {"325", "4 4.5 5 5.5 6 7 8 9"},
    {"355.6 377", "4 4.5 5 5.5 6 7 8 9 10"},
    {"406.4 426", "4 4.5 5 5.5 6 7 8 9 10 11 12"},
    {"530", "5 5.5 6 7 8 9 10 11 12 13 14 16 17.5 18 19 20 21 22 23 24"},
    {"630", "7 8 9 10 11 12 13 14 16 17.5 18 19 20"},
    {"720 820", "7 8 9 10 11 12 13 14 16 17.5 18 19 20 21 22 23 24 25 26 27 28 29 30"},
    {"920", "7 8 9 10 11 12 13 14 16 17.5 18 19 20"},
    {"1020", "8 9 10 11 12 13 14 16 17.5 18 19 20 21 22 23 24 25 26 27 28 29 30"},
    {"1120", "8 9 10 11 12 13 14 16 17.5 18 19 20"},
    {"1220", "9 10 11 12 13 14 16 17.5 18 19 20"},
    {"1420", "10 11 12 13 14 16 17.5 18 19 20"},
};

QStringList words(const char* text) { return QString::fromLatin1(text).split(QLatin1Char(' ')); }
}  // namespace

QStringList outerDiameters()
{
    QStringList items;
    for (const auto& group : catalog)
        items << words(group.outers);
    return items;
}

QStringList walls(double outerDiameter)
{
    for (const auto& group : catalog)
        for (const QString& outer : words(group.outers))
            if (parseValue(outer) == outerDiameter)
                return words(group.walls);
    return {};
}

}  // namespace calc::steel::electricwelded
