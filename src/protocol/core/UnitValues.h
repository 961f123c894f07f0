#pragma once

#include "protocol/core/DeviceSettings.h"

#include <cstdint>

namespace breezekit {

// Every parameter the read-back reports, as the unit encodes it. The timers are not part of
// DeviceSettings because the window keeps them only in its time fields.
struct UnitValues {
    DeviceSettings settings;
    std::uint32_t turnOffDelaySeconds = 0;
    std::uint32_t nightTimerSeconds = 0;
    std::uint32_t partyTimerSeconds = 0;

    bool operator==(const UnitValues&) const = default;
};

} // namespace breezekit
