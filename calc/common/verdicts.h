#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/economicadvice.h"

#include <functional>
#include <optional>

// What the families share to turn a request into their input and their results into verdicts.
namespace calc {

// A number as a screen reads it back from the text it keeps it in (a state field or the
// diameter input), so that every consumer calculates with what the screen calculates with.
double readBack(double value);

// A size compared with the bands that none of them names.
inline constexpr double noBandSize = 0;

// Where the typed flow stands among the bands: in the band of the named size (for a calculation
// that went through), the size whose band holds it, and what the advice writes for a size of no
// band (adviceForNoBand takes the flow in m³/s); none for no flow, no band and no advice for a
// flow the calculation cannot take.
std::optional<EconomicVerdict> economicVerdict(const EconomicTable& table, const TypedFlow& flow, double namedSize,
                                               bool calculated,
                                               const std::function<AdviceLabelWrites(double flow)>& adviceForNoBand);

}  // namespace calc
