#pragma once

#include "protocol/core/CommandSequence.h"
#include "protocol/core/FanApply.h"
#include "protocol/core/UnitValues.h"
#include "protocol/core/WifiApply.h"

#include <optional>
#include <string>

namespace breezekit::profile {

// The values an Apply writes for a unit that is to hold target.
WifiValues wifiValuesOf(const DeviceSettings& target);
FanValues fanValuesOf(const UnitValues& target);

// The reports of the window's Apply Wi-Fi followed by its Apply Fan for target, or why the window's
// Apply would refuse it. expected receives what the unit holds afterwards.
struct ApplyPlan {
    CommandSequence wifi;
    CommandSequence fan;
    std::optional<std::string> refusal;
    UnitValues expected;
};
ApplyPlan planApply(const UnitValues& target);

// The one place that reads applyWifi's failure; none when it passed.
std::optional<std::string> wifiApplyRefusal(const WifiApplyResult& result);

} // namespace breezekit::profile
