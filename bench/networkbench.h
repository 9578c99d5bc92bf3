#pragma once

// A network of 1,000 sections (a riser of 200 sections, four branches from each of its nodes)
// computed again after the fixtures, or the heat load, at one end changed: accumulation, every
// section's calculation, the paths and the head at the input, or the rings and the pump head.
// Prints the median and the first time in ms of water supply, then of heating.
int networkTimes(int runs);
