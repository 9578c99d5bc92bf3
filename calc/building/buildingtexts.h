#pragma once

#include "calc/building/buildinghydraulics.h"
#include "calc/common/calculation.h"
#include "calc/common/economicadvice.h"

#include <QString>
#include <optional>

// What the building-services screens write into their result fields; the copper screen and the
// two polymer screens word their results differently.
namespace calc::building {

QString velocityResult(Material material, double v);
QString slopeResult(Material material, SystemKind kind, double slope);
QString slopeTooltip(double slope);
QString heatingLossResult(Material material, double specificLoss);
QString headLossResult(Material material, double headLoss);
QString headLossTooltip(double headLoss);
QString heatingDropResult(Material material, double pressureDrop);

inline const QString tooFastAdvice = QStringLiteral("Большая скорость! Рекомендуется увеличить диаметр");
QString velocityLimitText(Material material, SystemKind kind);

// What the velocity advice writes on its label: light red advice with the system's limit as
// tooltip above the limit; black and empty up to it, where copper keeps the tooltip it had.
struct VelocityAdvice {
    AdviceLabelWrites label;
    std::optional<QString> tooltip;
};
VelocityAdvice velocityAdvice(Material material, SystemKind kind, double v);

namespace messages {

inline const QString diameterZero = QStringLiteral("диаметр не может равняться нулю!\rВведите значение диаметра в мм");
inline const QString copperWallMissing = QStringLiteral(
    "Диаметр выбрали,\rа как на счет толщины стенки?\rВыберите пожалуйста толщину стенки, мм");
inline const QString hotWaterTemperatureMissing = QStringLiteral(
    "Вы не ввели температуру!\rДля систем горячего водоснабжения\rрекомендуется t=60°С\r"
    "Введите значение температуры, в °С");
QString heatingTemperatureMissing(Material material);
QString viscosityMissing(Material material);
QString densityMissing(Material material);

// The message of a check that stopped a section calculation.
QString failedCheck(Material material, SystemKind kind, Check check);

}  // namespace messages

}  // namespace calc::building
