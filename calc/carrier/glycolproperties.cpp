#include "calc/carrier/glycolproperties.h"

#include <array>
#include <cmath>

namespace calc::carrier {

namespace {

// One term c·(x − x̄)^i·(t − t̄)^j of each property's fit.
struct Term {
    int i;
    int j;
    double freezing;      // °C
    double density;       // kg/m³
    double heatCapacity;  // J/(kg·K)
    double lnViscosity;   // ln of the dynamic viscosity in mPa·s
};

struct Fit {
    double meanConcentration;  // mass %
    double meanTemperature;    // °C
    std::array<Term, 18> terms;
};

// Melinder, Properties of secondary working fluids for indirect systems, IIR 2010.
constexpr Fit ethyleneFit =
    {30.8462, 31.728, {{
        {0, 0, -15.25, 1034, 3737, 0.4705},
        {0, 1, -1.566e-06, -0.4781, 2.93, -0.0255},
        {0, 2, -2.278e-07, -0.002692, -0.004675, 0.0001782},
        {0, 3, 2.169e-09, 4.725e-06, -1.389e-05, -7.669e-07},
        {1, 0, -0.808, 1.311, -17.99, 0.02471},
        {1, 1, -1.339e-06, -0.006876, 0.1046, -0.0001171},
        {1, 2, 2.047e-08, 4.805e-05, -0.0004147, 1.052e-06},
        {1, 3, -2.717e-11, 1.69e-08, 1.847e-07, -1.634e-08},
        {2, 0, -0.01334, 7.49e-05, -0.09933, 3.328e-06},
        {2, 1, 6.322e-08, 7.855e-05, 0.0003516, 1.086e-06},
        {2, 2, 2.373e-10, -3.995e-07, 5.109e-06, 1.051e-08},
        {2, 3, -2.183e-12, 4.982e-09, -7.138e-08, -6.475e-10},
        {3, 0, -7.293e-05, -0.0001062, 0.00261, 1.659e-06},
        {3, 1, 1.764e-09, 1.229e-06, -1.189e-06, 3.157e-09},
        {3, 2, -2.442e-11, -1.153e-08, -1.643e-07, 4.063e-10},
        {4, 0, 1.006e-06, -9.623e-07, 1.537e-05, 3.089e-08},
        {4, 1, -7.662e-11, -7.211e-08, -4.272e-07, 1.831e-10},
        {5, 0, 1.14e-09, 4.891e-08, -1.618e-06, -1.865e-09},
    }}};

constexpr Fit propyleneFit =
    {30.7031, 32.7083, {{
        {0, 0, -13.25, 1018, 3882, 0.6837},
        {0, 1, -3.82e-05, -0.5406, 2.699, -0.03045},
        {0, 2, 7.865e-07, -0.002666, -0.001659, 0.0002525},
        {0, 3, -1.733e-09, 1.347e-05, -1.032e-05, -1.399e-06},
        {1, 0, -0.6631, 0.7604, -13.04, 0.03328},
        {1, 1, 6.774e-06, -0.00945, 0.0507, -0.0003984},
        {1, 2, -6.242e-08, 5.541e-05, -4.752e-05, 4.332e-06},
        {1, 3, -7.819e-10, -1.343e-07, 1.522e-06, -1.86e-08},
        {2, 0, -0.01094, -0.002498, -0.1598, 5.453e-05},
        {2, 1, 5.332e-08, 2.7e-05, 9.534e-05, -8.6e-08},
        {2, 2, -4.169e-09, -4.018e-07, 1.167e-05, -1.593e-08},
        {2, 3, 3.288e-11, 3.376e-09, -4.87e-08, -4.465e-11},
        {3, 0, -0.0002283, -0.000155, 0.0003539, -3.9e-06},
        {3, 1, -1.131e-08, 2.829e-06, 3.102e-05, 1.054e-07},
        {3, 2, 1.918e-10, -7.175e-09, -2.95e-07, -1.589e-09},
        {4, 0, -3.409e-06, -1.131e-06, 5e-05, -1.587e-08},
        {4, 1, 8.035e-11, -2.221e-08, -7.135e-07, 4.475e-10},
        {5, 0, 1.465e-08, 2.342e-08, -4.959e-07, 3.564e-09},
    }}};

const Fit& fitOf(Glycol glycol) { return glycol == Glycol::Ethylene ? ethyleneFit : propyleneFit; }

}  // namespace

double freezingPoint(Glycol glycol, double concentration)
{
    const Fit& fit = fitOf(glycol);
    double sum = 0;
    for (const Term& term : fit.terms) {
        if (term.j == 0)
            sum += term.freezing * std::pow(concentration - fit.meanConcentration, term.i);
    }
    return sum;
}

Properties glycolAt(Glycol glycol, double concentration, double temperature)
{
    const Fit& fit = fitOf(glycol);
    double density = 0;
    double heatCapacity = 0;
    double lnViscosity = 0;
    for (const Term& term : fit.terms) {
        const double factor = std::pow(concentration - fit.meanConcentration, term.i)
                              * std::pow(temperature - fit.meanTemperature, term.j);
        density += term.density * factor;
        heatCapacity += term.heatCapacity * factor;
        lnViscosity += term.lnViscosity * factor;
    }
    // ν [mm²/s] = μ [mPa·s] / ρ [kg/m³] · 1000
    return {density, 1000 * std::exp(lnViscosity) / density, heatCapacity / 1000};
}

}  // namespace calc::carrier
