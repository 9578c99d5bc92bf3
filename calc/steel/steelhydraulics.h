#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace calc::steel {

enum class PipeCondition { NonNew, New };

// Friction factor λ of steel pipe; d in m, v in m/s, ν in m²/s.
double nonNewFrictionFactor(double d, double v, double nu);
double newFrictionFactor(double d, double v, double nu);
// Non-new pipe in the quadratic regime, v/ν ≥ 9,2·10⁵, where λ depends on d alone.
bool quadraticRegime(double v, double nu);

// Hydraulic slope i = (λ/d)·v²/2g; v in m/s, d in m, ν in m²/s.
double slope(double v, double d, double nu, PipeCondition condition);

// Hot-water temperatures offered by the list, and ν·10^6 for one of them (0 outside the table).
QStringList hotWaterTemperatures();
double hotWaterViscosityE6(const QString& temperature);
inline constexpr double coldWaterViscosityE6 = 1.3;

// Types of water-supply system: the items of the list and the share k of local losses.
enum class SystemKind { ColdWater, HotWater };
QStringList systemTypes(SystemKind kind);
// k of the item at this position; no value when the position is not in the list.
bool localLossShare(SystemKind kind, int position, double& k);
inline constexpr int fireFightingPosition = 3;

// Head loss of a section from 1000i, with local losses as a share k of the friction loss.
struct SteelSectionHeadLoss {
    double headLoss;  // m
    double pressure;  // Pa
    QString text;     // "H = i·L·(1+k)= 0,26 м"
    QString tooltip;  // "потери давления  2549,73 Па"
};
SteelSectionHeadLoss sectionHeadLoss(double length, double thousandI, double k, bool withLocalLosses);

// The limit, m/s, of the velocity warning below the results, none where it is quiet; the
// fire-fighting supply allows up to 10 m/s.
std::optional<double> exceededVelocityLimit(double v, int systemTypePosition);
// The limit the warning names while v stays below it.
double velocityLimit(int systemTypePosition);
QString velocityWarning(double v, int systemTypePosition);

}  // namespace calc::steel
