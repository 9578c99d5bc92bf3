#pragma once

#include "calc/common/economicadvice.h"
#include "calc/common/tablerecord.h"
#include "calc/simple/simplecalculation.h"

#include <QString>
#include <optional>

// A catalog size of II-5 to II-8 measured as the screen's find calculates it.
namespace calc::simple {

// The economic advice of a material that advises: its bands and its warning of a fast flow.
struct Advising {
    EconomicTable table;
    QString tooFastAdvice;   // what the advice writes for a fast flow
    double warningVelocity;  // m/s, above which it writes it
};

// The find with the size chosen from the list: the diameter the screen writes into its input,
// and the advice comparing the size the list names.
SizeMeasure measure(const Material& material, const SizeQuery& query, const CatalogSize& size,
                    const std::optional<Advising>& advising = std::nullopt);

// The advice for the query's flow; the velocity warning is each size's own, so it is left out.
SizeRecommendation recommend(const Material& material, const Advising& advising, const SizeQuery& query);

}  // namespace calc::simple
