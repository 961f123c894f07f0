#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace breezekit::ctl {

// The profile's fields in its order, and the limits both its writer and its reader keep.
constexpr std::array<const char*, 11> kWifiKeys{"role",     "router",   "ssid",        "password",
                                                "security", "channel",  "slaveNumber", "slaveDhcp",
                                                "slaveIp",  "masterIp", "gateway"};
constexpr std::array<const char*, 11> kFanKeys{"offAllowed",        "direction",       "humidityScenario",
                                               "humiditySensor",    "relaySensor",     "analogSensor",
                                               "humidityThreshold", "analogThreshold", "nightTimer",
                                               "partyTimer",        "turnOffDelay"};
constexpr std::array<const char*, 4> kSecurityNames{"OPEN", "WPA_PSK", "WPA2_PSK", "WPA_WPA2_PSK"};
constexpr std::size_t kMaxNameLength = 32;
constexpr std::size_t kMaxPasswordLength = 60;
constexpr std::uint32_t kSecondsPerDay = 86400;
constexpr int kHumidityMin = 40, kHumidityMax = 80, kAnalogMin = 5, kAnalogMax = 100;

} // namespace breezekit::ctl
