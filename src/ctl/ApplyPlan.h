#pragma once

#include "ctl/UnitValues.h"
#include "protocol/core/CommandSequence.h"
#include "protocol/core/FanApply.h"
#include "protocol/core/WifiApply.h"

#include <optional>
#include <string>

namespace breezekit::ctl {

// The window's page contents that would show these values.
WifiInputs wifiInputsOf(const DeviceSettings& target);
FanInputs fanInputsOf(const UnitValues& target);

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

} // namespace breezekit::ctl
