#pragma once

#include "calc/carrier/glycolproperties.h"
#include "calc/carrier/properties.h"
#include "calc/common/calculationrequest.h"

#include <QString>
#include <optional>

namespace calc::carrier {

using Fluid = CarrierKind;

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
// Where the figures come from, as the windows cite it, and in short as the record does.
QString carrierSource(Fluid fluid);
QString carrierShortSource(Fluid fluid);

// "вода", "раствор этиленгликоля", "раствор пропиленгликоля"; none for another name.
QString fluidName(Fluid fluid);
std::optional<Fluid> fluidOfName(const QString& name);

// The carrier a request names, as the reference gives it.
CarrierReading readingOf(const ReferenceCarrier& carrier, double density, double viscosityE6);

// What no reference could have given: an unknown kind is caught on reading, this checks the
// numbers against the reference's ranges, and the load against the load window's. Empty when
// all holds.
QString referenceFault(const CalculationRequest& request);

}  // namespace calc::carrier
