#pragma once

#include "calc/common/economicadvice.h"
#include "calc/common/tablerecord.h"

#include <functional>
#include <optional>

// What the records share to measure a catalog size as its calculator calculates it.
namespace calc {

// A number as a screen reads it back from the text it keeps it in (a state field or the
// diameter input), so that a measure calculates with what the screen calculates with.
double readBack(double value);

// A size's calculation as it went; with the limit (m/s) of the velocity warning the calculator
// shows for it, that warning in a few words.
SizeMeasure sizeMeasure(std::optional<Check> failed, const Figures& figures,
                        std::optional<double> exceededVelocity = std::nullopt);

// Marks a calculated size economic when its flow lies in the band of the size the lists name.
void markEconomic(SizeMeasure& measure, const EconomicTable& table, double namedSize);

// A size compared with the bands that none of them names.
inline constexpr double noBandSize = 0;

// The size whose band holds the typed flow, and what the advice writes for a size of no band
// (adviceForNoBand takes the flow in m³/s); nothing for a flow the calculation refuses.
SizeRecommendation recommendation(const EconomicTable& table, const TypedFlow& flow,
                                  const std::function<AdviceLabelWrites(double flow)>& adviceForNoBand);

}  // namespace calc
