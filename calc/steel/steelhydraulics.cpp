#include "calc/steel/steelhydraulics.h"

#include "calc/common/flowarithmetic.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"

#include <cmath>

namespace calc::steel {

namespace {
struct TemperatureViscosity {
    const char* temperature;
    double viscosityE6;
};
constexpr TemperatureViscosity hotWater[] = {
    {"40", 0.66}, {"45", 0.605}, {"50", 0.55}, {"55", 0.51}, {"60", 0.47}, {"65", 0.44},
    {"70", 0.41}, {"75", 0.385}, {"80", 0.36}, {"85", 0.34}, {"90", 0.32}, {"95", 0.3},
};

struct SystemType {
    const char* caption;
    double k;
};
constexpr SystemType coldSystems[] = {
    {"хозяйственно-питьевой водопровод жилых и общественных зданий", 0.3},
    {"объединенный хоз-противопожарный жил. и общ.зданий или производственный", 0.2},
    {"объединенный производственный противопожарный водопровод", 0.15},
    {"противопожарный водопровод", 0.1},
};
constexpr SystemType hotSystems[] = {
    {"подающий или циркуляционный распределительный трубопровод", 0.2},
    {"в пределах теплопункта или водоразборн. стояков с полотенцесушителями", 0.5},
    {"водоразб. стояков без полотенцесушителей и циркуляционных стояков", 0.1},
};

double regimeBoundary() { return 9.2 * std::pow(10.0, 5); }
}  // namespace

bool quadraticRegime(double v, double nu) { return v / nu >= regimeBoundary(); }

double nonNewFrictionFactor(double d, double v, double nu)
{
    if (quadraticRegime(v, nu))
        return 0.021 / std::pow(d, 0.3);
    return (1.0 / std::pow(d, 0.3)) * std::pow(1.5 * std::pow(10.0, -6) + nu / v, 0.3);
}

double newFrictionFactor(double d, double v, double nu)
{
    return (0.312 / std::pow(d, 0.226)) * std::pow(1.9 * std::pow(10.0, -6) + nu / v, 0.226);
}

double slope(double v, double d, double nu, PipeCondition condition)
{
    const double lambda = condition == PipeCondition::NonNew ? nonNewFrictionFactor(d, v, nu) : newFrictionFactor(d, v, nu);
    return (lambda / d) * v * v / 19.62;
}

QStringList hotWaterTemperatures()
{
    QStringList items;
    for (const auto& row : hotWater)
        items << QString::fromLatin1(row.temperature);
    return items;
}

double hotWaterViscosityE6(const QString& temperature)
{
    for (const auto& row : hotWater)
        if (temperature == QLatin1String(row.temperature))
            return row.viscosityE6;
    return 0.0;
}

QStringList systemTypes(SystemKind kind)
{
    QStringList items;
    if (kind == SystemKind::ColdWater)
        for (const auto& row : coldSystems)
            items << QString::fromUtf8(row.caption);
    else
        for (const auto& row : hotSystems)
            items << QString::fromUtf8(row.caption);
    return items;
}

bool localLossShare(SystemKind kind, int position, double& k)
{
    const int count = kind == SystemKind::ColdWater ? int(std::size(coldSystems)) : int(std::size(hotSystems));
    if (position < 0 || position >= count)
        return false;
    k = kind == SystemKind::ColdWater ? coldSystems[position].k : hotSystems[position].k;
    return true;
}

SteelSectionHeadLoss sectionHeadLoss(double length, double thousandI, double k, bool withLocalLosses)
{
    const double factor = withLocalLosses ? 1.0 + k : 1.0;
    SteelSectionHeadLoss loss;
    loss.headLoss = (thousandI / 1000.0) * length * factor;
    loss.pressure = gravity * thousandI * length * factor;
    loss.text = (withLocalLosses ? QStringLiteral("H = i·L·(1+k)= ") : QStringLiteral("H = i·L= "))
                + numberText(roundHalfEven(loss.headLoss, 3)) + QStringLiteral(" м");
    loss.tooltip = headLossPressureTooltip(loss.pressure);
    return loss;
}

std::optional<double> exceededVelocityLimit(double v, int systemTypePosition)
{
    std::optional<double> limit;
    if (v > 3)
        limit = 3;
    // Exactly 10 m/s keeps the ordinary warning.
    if (systemTypePosition == fireFightingPosition) {
        if (v > 10)
            limit = 10;
        else if (v < 10)
            limit.reset();
    }
    return limit;
}

double velocityLimit(int systemTypePosition) { return systemTypePosition == fireFightingPosition ? 10 : 3; }

QString velocityWarning(double v, int systemTypePosition)
{
    const std::optional<double> limit = exceededVelocityLimit(v, systemTypePosition);
    return limit ? QStringLiteral("Внимание! Скорость больше %1 м/с, рекомендуется увеличить диаметр").arg(*limit)
                 : QString();
}

}  // namespace calc::steel
