#pragma once

#include "calc/common/calculation.h"

#include <QString>

namespace calc::messages {

// Input error texts shared by several screens; pieces are joined by a carriage return.
inline const QString flowZero = QStringLiteral("расход не должен равняться нулю!\r введите значение расхода");
inline const QString diameterZero =
    QStringLiteral("диаметр не может равняться нулю!\r введите значение диаметра в мм");
inline const QString calculationDiameterZero =
    QStringLiteral("диаметр не может равняться нулю!\r введите значение расчетного диаметра в мм");
inline const QString noDiameterChosen = QStringLiteral("Вы не выбрали диаметр!\r введите значение диаметра в мм");
inline const QString noWallChosen = QStringLiteral(
    "Диаметр выбран!\rА как насчет толщины стенки?\rвведите значение толщины стенки, мм");
inline const QString noTemperature = QStringLiteral("Вы не ввели температуру!\r Введите значение температуры,°C ");
inline const QString sectionLengthZero =
    QStringLiteral("Длина участка не может равняться нулю!\r введите значение длины участка в м");
// The building screens (II-9 to II-11) word it without "!".
inline const QString buildingSectionLengthZero =
    QStringLiteral("Длина участка не может равняться нулю\r введите значение длины участка в м");
// A result that is not a finite number is never shown.
inline const QString notComputable = QStringLiteral("расчет невозможен!\r проверьте введенные значения");

// The input error of a check on the classic screens (II-1 to II-8); each words its own zero
// diameter.
inline QString inputError(Check check, const QString& zeroDiameter)
{
    switch (check) {
    case Check::FlowZero:
        return flowZero;
    case Check::DiameterZero:
        return zeroDiameter;
    case Check::NoSizeChosen:
        return noDiameterChosen;
    case Check::NoWallChosen:
        return noWallChosen;
    case Check::TemperatureMissing:
        return noTemperature;
    case Check::LengthZero:
        return sectionLengthZero;
    case Check::ViscosityMissing:
    case Check::DensityMissing:
    case Check::NotComputable:
        break;
    }
    return notComputable;
}

}  // namespace calc::messages
