#include "calc/plastic_glass/polyethylenecatalog.h"

#include "calc/common/valueparse.h"

#include <algorithm>
#include <iterator>

namespace calc::plastic_glass::polyethylene {

namespace {
constexpr int outerDiameterRow[] = {10,  12,  16,  20,  25,  32,  40,  50,  63,  75,  90,
                                    110, 125, 140, 160, 180, 200, 250, 280, 315, 355, 400,
                                    450, 500, 560, 630, 710, 800, 900, 1000, 1200};

struct WallRow {
    int outerDiameter;
    double walls[std::size(allSeries)];  // by series; 0 where the series has no such pipe
};

// Wall thickness e, mm.
constexpr WallRow wallTable[] = {
    // D   SDR 41    26    21  17.6    17  13.6    11     9     6
    {  10, {   0,    0,    0,    0,    0,    0,    0,    0,  2.0}},
    {  12, {   0,    0,    0,    0,    0,    0,    0,    0,  2.0}},
    {  16, {   0,    0,    0,    0,    0,    0,  2.0,  2.0,  2.7}},
    {  20, {   0,    0,    0,    0,    0,    0,  2.0,  2.3,  3.4}},
    {  25, {   0,    0,    0,  2.0,    0,  2.0,  2.3,  2.8,  4.2}},
    {  32, {   0,    0,  2.0,  2.0,  2.0,  2.4,  3.0,  3.6,  5.4}},
    {  40, {   0,  2.0,  2.0,  2.3,  2.4,  3.0,  3.7,  4.5,  6.7}},
    {  50, {   0,  2.0,  2.4,  2.9,  3.0,  3.7,  4.6,  5.6,  8.3}},
    {  63, { 2.0,  2.5,  3.0,  3.6,  3.8,  4.7,  5.8,  7.1, 10.5}},
    {  75, { 2.0,  2.9,  3.6,  4.3,  4.5,  5.6,  6.8,  8.4, 12.5}},
    {  90, { 2.2,  3.5,  4.3,  5.1,  5.4,  6.7,  8.2, 10.1, 15.0}},
    { 110, { 2.7,  4.2,  5.3,  6.3,  6.6,  8.1, 10.0, 12.3, 18.3}},
    { 125, { 3.1,  4.8,  6.0,  7.1,  7.4,  9.2, 11.4, 14.0, 20.8}},
    { 140, { 3.5,  5.4,  6.7,  8.0,  8.3, 10.3, 12.7, 15.7,    0}},
    { 160, { 4.0,  6.2,  7.7,  9.1,  9.5, 11.8, 14.6, 17.9,    0}},
    { 180, { 4.4,  6.9,  8.6, 10.2, 10.7, 13.3, 16.4, 20.1,    0}},
    { 200, { 4.9,  7.7,  9.6, 11.4, 11.9, 14.7, 18.2, 22.4,    0}},
    { 250, { 6.2,  9.6, 11.9, 14.2, 14.8, 18.4, 22.7, 27.9,    0}},
    { 280, { 6.9, 10.7, 13.4, 15.9, 16.6, 20.6, 25.4, 31.3,    0}},
    { 315, { 7.7, 12.1, 15.0, 17.9, 18.7, 23.2, 28.6, 35.2,    0}},
    { 355, { 8.7, 13.6, 16.9, 20.1, 21.1, 26.1, 32.2, 39.7,    0}},
    { 400, { 9.8, 15.3, 19.1, 22.7, 23.7, 29.4, 36.3, 44.7,    0}},
    { 450, {11.0, 17.2, 21.5, 25.5, 26.7, 33.1, 40.9, 50.3,    0}},
    { 500, {12.3, 19.1, 23.9, 28.3, 29.7, 36.8, 45.4, 55.8,    0}},
    { 560, {13.7, 21.4, 26.7, 31.7, 33.2, 41.2, 50.8,    0,    0}},
    { 630, {15.4, 24.1, 30.0, 35.7, 37.4, 46.3, 57.2,    0,    0}},
    { 710, {17.4, 27.2, 33.9, 40.2, 42.1, 52.2,    0,    0,    0}},
    { 800, {19.6, 30.6, 38.1, 45.3, 47.4, 58.8,    0,    0,    0}},
    { 900, {22.0, 34.4, 42.9, 51.0, 53.3,    0,    0,    0,    0}},
    {1000, {24.5, 38.2, 47.7, 56.6, 59.3,    0,    0,    0,    0}},
    {1200, {29.4, 45.9, 57.2,    0,    0,    0,    0,    0,    0}},
};

struct SizeRun {
    Material material;
    Series series;
    int from;
    int to;
};

// Each size list is a run of the outer diameter row, both ends included.
constexpr SizeRun sizeRuns[] = {
    {Material::PE32, Series::SDR21, 32, 160},     {Material::PE32, Series::SDR13_6, 25, 160},
    {Material::PE32, Series::SDR9, 16, 125},      {Material::PE32, Series::SDR6, 10, 125},
    {Material::PE63, Series::SDR41, 63, 1200},    {Material::PE63, Series::SDR26, 40, 1200},
    {Material::PE63, Series::SDR17_6, 25, 1000},  {Material::PE63, Series::SDR11, 16, 630},
    {Material::PE80, Series::SDR26, 50, 1200},    {Material::PE80, Series::SDR21, 40, 1200},
    {Material::PE80, Series::SDR17_6, 63, 1000},  {Material::PE80, Series::SDR17, 32, 1000},
    {Material::PE80, Series::SDR13_6, 25, 800},   {Material::PE80, Series::SDR11, 20, 630},
    {Material::PE80, Series::SDR9, 16, 500},      {Material::PE100, Series::SDR17, 50, 1000},
    {Material::PE100, Series::SDR13_6, 40, 800},  {Material::PE100, Series::SDR11, 32, 630},
};

int seriesIndex(Series series) { return static_cast<int>(series); }
}  // namespace

QString caption(Material material)
{
    switch (material) {
    case Material::PE32:
        return QStringLiteral("ПЭ32 (MRS3,2)");
    case Material::PE63:
        return QStringLiteral("ПЭ63 (MRS6,3)");
    case Material::PE80:
        return QStringLiteral("ПЭ80 (MRS8,0)");
    case Material::PE100:
        return QStringLiteral("ПЭ100 (MRS10,0)");
    }
    return {};
}

QString caption(Series series)
{
    switch (series) {
    case Series::SDR41:
        return QStringLiteral("SDR41  (S20)");
    case Series::SDR26:
        return QStringLiteral("SDR26  (S12,5)");
    case Series::SDR21:
        return QStringLiteral("SDR21 (S10)");
    case Series::SDR17_6:
        return QStringLiteral("SDR17,6  (S8,3)");
    case Series::SDR17:
        return QStringLiteral("SDR17 (S8)");
    case Series::SDR13_6:
        return QStringLiteral("SDR13,6 (S6,3) ");
    case Series::SDR11:
        return QStringLiteral("SDR11 (S5)");
    case Series::SDR9:
        return QStringLiteral("SDR9 (S4)");
    case Series::SDR6:
        return QStringLiteral("SDR6 (S2,5)");
    }
    return {};
}

QList<Series> enabledSeries(Material material)
{
    QList<Series> result;
    for (const auto& run : sizeRuns)
        if (run.material == material)
            result << run.series;
    std::sort(result.begin(), result.end());
    return result;
}

Series defaultSeries(Material material)
{
    switch (material) {
    case Material::PE32:
        return Series::SDR21;
    case Material::PE63:
        return Series::SDR41;
    case Material::PE80:
        return Series::SDR26;
    case Material::PE100:
        return Series::SDR17;
    }
    return Series::SDR21;
}

QStringList sizes(Material material, Series series)
{
    QStringList items;
    for (const auto& run : sizeRuns) {
        if (run.material != material || run.series != series)
            continue;
        for (int outer : outerDiameterRow)
            if (outer >= run.from && outer <= run.to)
                items << QString::number(outer);
    }
    return items;
}

double wall(Series series, double outerDiameter)
{
    for (const auto& row : wallTable)
        if (row.outerDiameter == outerDiameter)
            return row.walls[seriesIndex(series)];
    return 0.0;
}

double innerDiameter(Series series, const QString& outerDiameterItem)
{
    const double outer = parseValue(outerDiameterItem);
    const double e = wall(series, outer);
    return e > 0 ? outer - 2 * e : 0.0;
}

}  // namespace calc::plastic_glass::polyethylene
