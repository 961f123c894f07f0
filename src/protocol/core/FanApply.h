#pragma once

#include "protocol/core/CommandSequence.h"
#include "protocol/core/DeviceSettings.h"

#include <cstdint>

namespace breezekit {

// The unit's fan values an Apply writes, as the unit encodes them.
struct FanValues {
    bool offAllowed = false;
    bool exhaust = false;         // else supply
    bool scenarioExhaust = false; // boost and switch to exhaust, else boost in the current mode
    bool humiditySensor = false;
    bool relaySensor = false;
    bool analogSensor = false;
    std::uint8_t humidityThreshold = 0; // percent
    std::uint8_t analogThreshold = 0;   // percent
    std::uint32_t turnOffDelaySeconds = 0;
    std::uint32_t nightTimerSeconds = 0;
    std::uint32_t partyTimerSeconds = 0;
};

// Takes the flags into settings and forms the write group; thresholds and timers are not stored.
[[nodiscard]] CommandSequence applyFan(DeviceSettings& settings, const FanValues& values);

} // namespace breezekit
