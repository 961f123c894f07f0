#pragma once

#include "hid/device/HidPlatform.h"

#include <memory>

namespace breezekit::ctl {

// Two virtual units from factory values, as the demo plugs them: a "Pavona MOX", then a "Pavona".
std::unique_ptr<HidPlatform> makeSimulatedUnits();

} // namespace breezekit::ctl
