#pragma once

namespace help {

class HelpPage;

// The legend of the one-formula windows: slope, velocity and calculation diameter.
void addSlopeLegend(HelpPage& page);

}  // namespace help
