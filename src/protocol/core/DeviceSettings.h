#pragma once

#include <cstdint>
#include <string>

namespace breezekit {

// The last-known parameters of a unit: one record for the whole run, never cleared. Texts hold one
// byte per character (U+0000..U+00FF); the three addresses hold exactly four such characters, first
// number first, or nothing before any was read or applied.
struct DeviceSettings {
    std::u16string Ssid;
    std::u16string Password;
    std::u16string SlaveIp;
    std::u16string MasterIp;
    std::u16string Gateway;
    std::uint8_t DeviceMode = 0;
    std::uint8_t SlaveDhcp = 0;
    std::uint8_t SlaveNumber = 0;
    std::uint8_t ConnectionType = 0;
    std::uint8_t WifiChannel = 0;
    std::uint8_t SecurityCode = 0;
    std::uint8_t OffAllowed = 0;
    std::uint8_t Direction = 0;
    std::uint8_t HumidityScenario = 0;
    std::uint8_t HumiditySensorOn = 0;
    std::uint8_t RelaySensorOn = 0;
    std::uint8_t AnalogSensorOn = 0;
    std::uint8_t HumidityThreshold = 0;
    std::uint8_t AnalogThreshold = 0;
    std::uint8_t WifiConnected = 0;
    std::uint8_t MasterConnected = 0;

    bool operator==(const DeviceSettings&) const = default;
};

} // namespace breezekit
