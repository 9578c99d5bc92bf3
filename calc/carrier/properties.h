#pragma once

namespace calc::carrier {

// What the hydraulics and the heat balance need of a heat carrier at one temperature.
struct Properties {
    double density = 0;       // ρ, kg/m³
    double viscosityE6 = 0;   // ν·10⁶, m²/s (that is, mm²/s)
    double heatCapacity = 0;  // c, kJ/(kg·K)
};

}  // namespace calc::carrier
