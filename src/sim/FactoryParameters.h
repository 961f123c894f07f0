#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace breezekit::sim {

// One access point that the unit's Wi-Fi module finds in a search.
struct Network {
    std::string ssid;
    int rssi = -60;
    std::string mac = "a0:b1:c2:d3:e4:f5";
    int channel = 6;
    int encryption = 3; // the module's code: 0 open, 2 WPA_PSK, 3 WPA2_PSK, 4 WPA_WPA2_PSK
};

// The unit's settings as it leaves the factory; the unit reports and stores them in the encodings
// of its command table.
struct UnitSettings {
    std::uint8_t deviceMode = 1; // master
    std::string ssid = "BreezeKit-0587";
    std::string password = "12345678";
    std::uint8_t slaveNumber = 0;
    std::uint8_t slaveDhcp = 1;
    std::array<std::uint8_t, 4> slaveIp{192, 168, 4, 2};
    std::array<std::uint8_t, 4> masterIp{192, 168, 4, 1};
    std::uint8_t connectionType = 2; // without a router
    std::uint8_t wifiChannel = 11;
    std::uint8_t securityCode = '4'; // WPA_WPA2_PSK
    std::uint8_t offAllowed = 1;
    std::uint8_t direction = 0; // supply
    std::uint8_t humiditySensor = 1;
    std::uint8_t relaySensor = 1;
    std::uint8_t analogSensor = 1;
    std::uint8_t humidityThreshold = 70;
    std::uint8_t analogThreshold = 50;
    std::uint32_t nightTimerSeconds = 0;
    std::uint32_t partyTimerSeconds = 0;
    std::uint32_t turnOffDelaySeconds = 0;
    std::uint8_t humidityScenario = 1; // boost and switch to exhaust
    std::array<std::uint8_t, 4> gateway{192, 168, 4, 1};
    std::uint8_t wifiState = 0;
    std::uint8_t masterState = 0;
    std::uint32_t filterSeconds = 0;
};

// Everything a virtual unit starts with, in one place.
struct FactoryParameters {
    std::u16string productString = u"Pavona";
    // 24 characters, as the unit answers it.
    std::string serialNumber = "48FF6D065077554932380587";
    // Report ID byte included.
    int inputReportLength = 65;
    int outputReportLength = 65;
    // About one USB interrupt interval.
    std::chrono::microseconds replyDelay{1000};

    UnitSettings settings;
    // What a network search finds, in the order the module lists it; empty: nothing in range.
    std::vector<Network> networks;
    // From the listing request to the first network's report, and between two networks' reports.
    std::chrono::milliseconds firstNetworkDelay{30};
    std::chrono::milliseconds networkInterval{10};
};

} // namespace breezekit::sim
