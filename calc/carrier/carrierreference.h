#pragma once

#include "calc/carrier/glycolproperties.h"
#include "calc/carrier/properties.h"

#include <QString>
#include <optional>

namespace calc::carrier {

enum class Fluid { Water, EthyleneGlycol, PropyleneGlycol };

// What the user typed into the reference.
struct CarrierChoice {
    Fluid fluid = Fluid::Water;
    QString concentration;  // per cent by mass; not read for water
    QString temperature;    // °C
};

// A carrier as the reference shows it and hands it to a screen: its figures rounded as shown
// (ρ to 0,1 kg/m³, ν·10⁶ to 4 significant digits, c to 0,001 kJ/(kg·K)).
struct CarrierReading {
    Fluid fluid = Fluid::Water;
    double concentration = 0;  // per cent by mass; 0 for water
    double temperature = 0;    // °C
    Properties shown;
};

struct ReferenceAnswer {
    std::optional<CarrierReading> reading;  // none for bad input and for a frozen solution
    std::optional<double> freezing;         // a solution of a valid concentration, rounded to 0,1 °С
    QString message;                        // what is wrong, or the warning near the freezing point
    bool nearFreezing = false;
};

ReferenceAnswer lookUp(const CarrierChoice& choice);

// "вода, 80 °С", "раствор этиленгликоля 40 % (по массе), 60 °С".
QString carrierName(const CarrierReading& reading);
// Where the figures come from, as the windows cite it.
QString carrierSource(Fluid fluid);

}  // namespace calc::carrier
