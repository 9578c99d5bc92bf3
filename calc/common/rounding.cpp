#include "calc/common/rounding.h"

#include <cmath>

namespace calc {

double roundHalfEven(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double scaled = x * scale;
    if (!std::isfinite(scaled) || scale == 0.0)
        return x;
    // nearbyint follows the floating-point rounding mode, which is to nearest, ties to even.
    return std::nearbyint(scaled) / scale;
}

}  // namespace calc
