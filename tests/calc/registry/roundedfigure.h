#pragma once

#include "calc/common/rounding.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <optional>

// An expected figure that the calculation leaves unset.
inline constexpr double none = std::numeric_limits<double>::quiet_NaN();

// A figure as the windows round it, or none where the calculation leaves it unset.
inline void compareFigure(const std::optional<double>& figure, double expected, int decimals)
{
    if (std::isnan(expected)) {
        QVERIFY(!figure);
        return;
    }
    QVERIFY(figure);
    QCOMPARE(calc::roundHalfEven(*figure, decimals), expected);
}
