#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace breezekit::profile {

// The profile's fields in its order; their limits are the unit's (protocol/core/Limits.h).
constexpr std::array<const char*, 11> kWifiKeys{"role",     "router",   "ssid",        "password",
                                                "security", "channel",  "slaveNumber", "slaveDhcp",
                                                "slaveIp",  "masterIp", "gateway"};
constexpr std::array<const char*, 11> kFanKeys{"offAllowed",        "direction",       "humidityScenario",
                                               "humiditySensor",    "relaySensor",     "analogSensor",
                                               "humidityThreshold", "analogThreshold", "nightTimer",
                                               "partyTimer",        "turnOffDelay"};

} // namespace breezekit::profile
