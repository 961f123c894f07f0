#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace breezekit {

// Every number about the unit that more than one place reads: the window's controls, the profile's
// checks, the conversions, the companion. Codes and payload values are in Commands.h.

// Texts: a network name and a password, in characters.
constexpr std::size_t kMaxNetworkNameLength = 32;
constexpr std::size_t kMaxPasswordLength = 60;
// A secured access point of the master's needs at least this many.
constexpr std::size_t kMinSecuredPasswordLength = 8;

// Slave number list: item k shows k + 1 and is written as k.
constexpr int kSlaveNumberItems = 32;
// Channel list: item k shows channel k + 1, and the channel itself is written.
constexpr int kChannelItems = 13;

// Slave addressing list.
constexpr int kDhcpItem = 0;
constexpr int kStaticItem = 1;
constexpr std::array<std::string_view, 2> kSlaveAddressingNames{"DHCP", "Static"};

// Security list: the name of item i and the ASCII digit the unit keeps for it (the digit "1" is unused).
struct SecurityType {
    std::string_view name;
    std::uint8_t digit;
};
constexpr std::array<SecurityType, 4> kSecurityTypes{{
    {"OPEN", '0'},
    {"WPA_PSK", '2'},
    {"WPA2_PSK", '3'},
    {"WPA_WPA2_PSK", '4'},
}};
constexpr int kOpenSecurityItem = 0;
constexpr std::uint8_t kOpenSecurityDigit = kSecurityTypes[kOpenSecurityItem].digit;

// Thresholds in percent, sent in steps of 5; a slider position is the threshold / 5.
constexpr int kThresholdStep = 5;
struct ThresholdRange {
    int minimum;
    int maximum;
    constexpr int firstPosition() const { return minimum / kThresholdStep; }
    constexpr int lastPosition() const { return maximum / kThresholdStep; }
};
constexpr ThresholdRange kHumidityThresholds{40, 80};
constexpr ThresholdRange kAnalogThresholds{5, 100};

// Time, as the timers and the filter counter count it.
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr std::uint32_t kSecondsPerMinute = 60;
constexpr std::uint32_t kSecondsPerHour = 3600;
constexpr std::uint32_t kSecondsPerDay = 86400;

// Pauses after a command, in milliseconds: the unit is paced by them, nothing acknowledges a command.
constexpr unsigned kReadBackStepPauseMs = 1;      // after a read-back reply, before the next request
constexpr unsigned kStatusPollPauseMs = 20;       // between the status requests of one poll
constexpr unsigned kModuleLinePauseMs = 100;      // after a command line to the Wi-Fi module
constexpr unsigned kSearchEndSwitchPauseMs = 200; // between switching the module off and on after a search
constexpr unsigned kModuleSwitchOffPauseMs = 100; // after a Wi-Fi write group, before the module goes off
constexpr unsigned kModuleSwitchOnPauseMs = 250;  // before it goes on again
constexpr unsigned kRestorePauseMs = 200;         // before a restored unit is read

// Timers, in milliseconds.
constexpr int kStatusPollIntervalMs = 1000;
// A network search asks again this often until the first network, then listens this long more.
constexpr int kSearchRepeatMs = 2000;
constexpr int kSearchListenMs = 1500;

} // namespace breezekit
