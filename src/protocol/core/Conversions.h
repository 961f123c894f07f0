#pragma once

#include "protocol/core/DeviceSettings.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace breezekit {

// What the read-back makes of reported values that the window shows; the value encodings themselves
// (addresses, seconds, time text, list items) are in Encodings.h.

// A threshold in percent as a slider position: value / 5 rounded, held within the slider's range.
int sliderPositionOfThreshold(std::uint8_t value, int minimum, int maximum);

// Item of the slave addressing list: 1 (DHCP) is item 0, 0 (static) item 1; none for anything else.
std::optional<int> slaveDhcpItem(std::uint8_t flag);

// A two-valued byte (flag, role, direction, scenario): 1 is true, 0 false, anything else none.
std::optional<bool> oneOrZero(std::uint8_t value);

// A master's connection type: 1 is with a router (true), 2 without (false), anything else none.
std::optional<bool> withRouterOfConnectionType(std::uint8_t type);

// The master's own access point is a network whose name begins with "BreezeKit".
bool isMasterAccessPointName(std::u16string_view ssid);

// Every slave holds connection type 1, so its network's name tells whether it runs with a router: joined
// to the master's own access point it runs without one.
bool slaveWithRouter(std::u16string_view ssid);
// Whether a unit runs with a router: a slave by its network's name, any other unit by its connection
// type; none for a connection type other than 1 and 2.
std::optional<bool> withRouterOf(const DeviceSettings& settings);

} // namespace breezekit
