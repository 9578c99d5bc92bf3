#include "calc/building/buildinghydraulics.h"

#include <cmath>

namespace calc::building {

namespace {

struct FittingRow {
    const char16_t* caption;
    double coefficient;
    const char* drawing;
};

// ξ of the rows on every screen; row 12 differs on PEX-AL-PEX.
constexpr FittingRow fittings[fittingRows] = {
    {u"отвод 90°", 0.5, "elbow"},
    {u"тройник на проход", 0.5, "tee-through"},
    {u"тройник на ответвление", 1.5, "tee-branch"},
    {u"тройник на слияние", 1.5, "tee-merge"},
    {u"тройник на разделение потока", 3, "tee-split"},
    {u"крестовина на проход", 2, "cross-through"},
    {u"крестовина  на ответвление", 3, "cross-branch"},
    {u"отступ", 0.5, "offset"},
    {u"скоба", 1, "bracket-bend"},
    {u"внезапное расширение", 0.5, "expansion"},
    {u"внезапное сужение", 1, "contraction"},
    {u"калач", 0.7, "u-bend"},
};
constexpr FittingRow compressionNutJoint = {u"соединение с обжимной гайкой", 1.5, "compression-nut"};

const FittingRow& fitting(Material material, int row)
{
    if (row == fittingRows && material == Material::PexAlPex)
        return compressionNutJoint;
    return fittings[row - 1];
}

}  // namespace

bool isHotWater(SystemKind kind) { return kind == SystemKind::HotWater || kind == SystemKind::HotWaterSupply; }

double velocityLimit(SystemKind kind)
{
    switch (kind) {
    case SystemKind::ColdWater:
        return 4;
    case SystemKind::HotWater:
    case SystemKind::HotWaterSupply:
        return 3;
    case SystemKind::Heating:
        return 2;
    }
    return 0;
}

QStringList temperatures(Material material, SystemKind kind)
{
    QStringList items = {QStringLiteral("50"), QStringLiteral("60"), QStringLiteral("70"), QStringLiteral("80"),
                         QStringLiteral("90")};
    if (material != Material::Copper && kind == SystemKind::HotWater)
        items.prepend(QStringLiteral("40"));
    return items;
}

double waterViscosityE6(Material material, double temperature)
{
    if (temperature == 40)
        return material == Material::Copper ? 0 : 0.66;
    if (temperature == 50)
        return 0.55;
    if (temperature == 60)
        return 0.47;
    if (temperature == 70)
        return 0.41;
    if (temperature == 80)
        return 0.36;
    if (temperature == 90)
        return material == Material::Copper ? 0.36 : 0.32;
    return 0;
}

double heatingWaterDensity(double temperature)
{
    if (temperature == 50)
        return 0.99 * std::pow(10.0, 3);
    if (temperature == 60 || temperature == 70)
        return 0.98 * std::pow(10.0, 3);
    if (temperature == 80 || temperature == 90)
        return 0.97 * std::pow(10.0, 3);
    return 0;
}

double wallRoughness(Material material) { return material == Material::Copper ? std::pow(10.0, -5) : 0.000001; }

QString fittingCaption(Material material, int row) { return QString::fromUtf16(fitting(material, row).caption); }

double fittingCoefficient(Material material, int row) { return fitting(material, row).coefficient; }

QString fittingDrawing(Material material, int row)
{
    return QStringLiteral(":/building/fittings/%1.svg").arg(QLatin1String(fitting(material, row).drawing));
}

double lg(double x) { return std::log(x) / std::log(10.0); }

FrictionFactor frictionFactor(double d, double v, double nu, double roughness)
{
    FrictionFactor f;
    f.reynolds = v * d / nu;
    f.roughReynolds = 500 * d / roughness;
    f.b = 1 + lg(f.reynolds) / lg(f.roughReynolds);
    if (f.b > 2)
        f.b = 2;
    f.a = 3.7 * d / roughness;
    const double lgA = lg(f.a);
    const double root = 0.5 * (f.b / 2 + 1.312 * (2 - f.b) * lgA / (lg(f.reynolds) - 1)) / lgA;
    f.lambda = root * root;
    return f;
}

double polymerSlope(double v, double d, double lambda) { return lambda * v * v / (2 * 9.81 * d); }

double copperSlope(double v, double d, double nu)
{
    return 0.0161 * std::pow(nu, 0.25) * std::pow(v, 1.75) * std::pow(d, -1.25);
}

double copperSupplySlope(double v, double d, double reynolds)
{
    const double lgRe = lg(reynolds);
    const double lgD = lg(d);
    return 0.051 * ((lgRe + 6.52 * lgD) / (115 * lgD * lgD) + (0.66 * lgD + 0.1 * lgRe) / (lgD * lgRe)) * v * v / d;
}

double heatingSpecificLoss(double lambda, double v, double d, double density)
{
    return density * lambda * v * v / (2 * d);
}

double slopePressure(double slope) { return 1000 * 9.80665 * slope; }

double localResistanceSum(Material material, const double (&counts)[fittingRows], double other)
{
    double sum = 0;
    for (int row = 1; row <= fittingRows; ++row)
        sum += counts[row - 1] * fittingCoefficient(material, row);
    return sum + other;
}

double sectionHeadLoss(double slope, double length, double resistanceSum, double v)
{
    return slope * length + resistanceSum * v * v / 19.62;
}

double localPressureLoss(double resistanceSum, double v, double density) { return resistanceSum * v * v * (0.5 * density); }

bool tooFast(double v, SystemKind kind) { return v > velocityLimit(kind); }

}  // namespace calc::building
