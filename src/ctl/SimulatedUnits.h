#pragma once

#include "hid/device/HidPlatform.h"

#include <memory>

namespace breezekit::ctl {

// The demo's two virtual units: a "Pavona MOX", then a "Pavona".
// BREEZEKITCTL_SIMULATED_WRITE_MS (1-999) makes every write to them take that long, for tests.
std::unique_ptr<HidPlatform> makeSimulatedUnits();

} // namespace breezekit::ctl
