#pragma once

namespace calc {

// x rounded to n decimals, ties to even: round(2.5, 0) = 2, round(3.5, 0) = 4.
double roundHalfEven(double x, int decimals);

}  // namespace calc
