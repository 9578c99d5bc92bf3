#include "calc/building/buildingtexts.h"

#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"

namespace calc::building {

namespace {

QString r3(double x) { return numberText(roundHalfEven(x, 3)); }

bool copper(Material material) { return material == Material::Copper; }

}  // namespace

QString velocityResult(Material material, double v)
{
    if (copper(material))
        return QStringLiteral("Скорость v=") + r3(v) + QStringLiteral(" м/с");
    return QStringLiteral("v= ") + r3(v) + QStringLiteral(" м/сек");
}

QString slopeResult(Material material, SystemKind kind, double slope)
{
    const bool blank = copper(material) && kind != SystemKind::HotWaterSupply;
    return (blank ? QStringLiteral("i= ") : QStringLiteral("i=")) + r3(slope);
}

QString slopeTooltip(double slope)
{
    return QStringLiteral("удельные потери давления R= ") + r3(slopePressure(slope)) + QStringLiteral(" Па/м");
}

QString heatingLossResult(Material material, double specificLoss)
{
    return (copper(material) ? QStringLiteral("R=") : QStringLiteral("R= ")) + r3(specificLoss) + QStringLiteral(" Па/м");
}

QString headLossResult(Material material, double headLoss)
{
    return (copper(material) ? QStringLiteral("Потери напора на участке H=") : QStringLiteral("Потери напора на участке "))
           + r3(headLoss) + QStringLiteral(" м");
}

QString headLossTooltip(double headLoss)
{
    return QStringLiteral("Потери давления на участке ") + r3(slopePressure(headLoss)) + QStringLiteral(" Па");
}

QString heatingDropResult(Material material, double pressureDrop)
{
    return (copper(material) ? QStringLiteral("Падение давления в системе отопления = ")
                             : QStringLiteral("Потери давления на участке "))
           + r3(pressureDrop) + QStringLiteral(" Па");
}

QString velocityLimitText(Material material, SystemKind kind)
{
    if (copper(material)) {
        switch (kind) {
        case SystemKind::ColdWater:
            return QStringLiteral("Для систем холодного водоснабжения рекомендуется v до 4 м/с");
        case SystemKind::HotWater:
        case SystemKind::HotWaterSupply:
            return QStringLiteral("Для систем горячего водоснабжения рекомендуется v до 3 м/с");
        case SystemKind::Heating:
            return QStringLiteral("Для систем отопления рекомендуется v до 2 м/с");
        }
    }
    switch (kind) {
    case SystemKind::ColdWater:
        return QStringLiteral("Для систем холодного водоснабжения рекомендуется скорость до 4 м/сек");
    case SystemKind::HotWater:
    case SystemKind::HotWaterSupply:
        return QStringLiteral("Для систем ГВС рекомендуется скорость до 3 м/сек");
    case SystemKind::Heating:
        return QStringLiteral("Для систем отопления рекомендуется скорость до 2 м/сек");
    }
    return QString();
}

VelocityAdvice velocityAdvice(Material material, SystemKind kind, double v)
{
    constexpr int black = 0;
    constexpr int lightRed = 12;
    if (tooFast(v, kind))
        return {{tooFastAdvice, lightRed}, velocityLimitText(material, kind)};
    if (copper(material))
        return {{QString(), black}, std::nullopt};
    return {{QString(), black}, QString()};
}

namespace messages {

QString heatingTemperatureMissing(Material material)
{
    return copper(material) ? QStringLiteral("Вы не ввели температуру\rтеплоносителя\rВведите значение температуры, в °С")
                            : QStringLiteral("Вы не ввели температуру\rтеплоносителя!\rВведите значение температуры, в °С");
}

QString viscosityMissing(Material material)
{
    return copper(material) ? QStringLiteral("Вы не ввели значение коэффициента\rкинематической вязкости теплоностеля")
                            : QStringLiteral("Вы не ввели коэффициент кинематической\rвязкости теплоносителя!\r"
                                             "Введите значение пожалуйста\rэто значение");
}

QString densityMissing(Material material)
{
    return copper(material) ? QStringLiteral("Вы не ввели значение \rплотности теплоностеля!")
                            : QStringLiteral("Вы не ввели плотность\rтеплоносителя!\r"
                                             "Введите значение плотности, в кг/м.куб.");
}

QString failedCheck(Material material, SystemKind kind, Check check)
{
    switch (check) {
    case Check::DiameterZero:
        return diameterZero;
    case Check::NoWallChosen:
        return copperWallMissing;
    case Check::FlowZero:
        return calc::messages::flowZero;
    case Check::LengthZero:
        return calc::messages::buildingSectionLengthZero;
    case Check::TemperatureMissing:
        return isHotWater(kind) ? hotWaterTemperatureMissing : heatingTemperatureMissing(material);
    case Check::ViscosityMissing:
        return viscosityMissing(material);
    case Check::DensityMissing:
        return densityMissing(material);
    case Check::NotComputable:
    case Check::NoSizeChosen:  // no building screen has a catalog without a typed diameter
        break;
    }
    return calc::messages::notComputable;
}

}  // namespace messages

}  // namespace calc::building
