#pragma once

#include "sim/SimulatedPlatform.h"

#include <memory>

namespace breezekit::sim {

// The two virtual units of the demo and of the companion's --simulate: a "Pavona MOX" in service, then a
// "Pavona" from the factory, both with a few networks in range. They keep no record of what they receive.
std::unique_ptr<SimulatedPlatform> makeDemoUnits();

} // namespace breezekit::sim
