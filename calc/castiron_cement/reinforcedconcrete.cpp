#include "calc/castiron_cement/reinforcedconcrete.h"

#include <cmath>
#include <limits>

namespace calc::reinforcedconcrete {
namespace {

constexpr EconomicBand ranges[] = {
    {500, 35, 364},     {600, 364, 420},    {700, 420, 599},    {800, 599, 809},
    {900, 809, 1053},   {1000, 1053, 1444}, {1200, 1444, 1896}, {1400, 1896, 2697},
    {1600, 2697, std::numeric_limits<double>::infinity()},
};

}  // namespace

QStringList sizes() { return {"500", "600", "700", "800", "900", "1000", "1200", "1400", "1600"}; }

double slope(double velocity, double diameter)
{
    return 0.000802 * velocity * velocity / std::pow(diameter, 1.19) * std::pow(1.0 + 3.51 / velocity, 0.19);
}

std::span<const EconomicBand> economicRanges() { return ranges; }

}  // namespace calc::reinforcedconcrete
