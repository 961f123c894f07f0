#pragma once

#include "protocol/core/Limits.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace breezekit {

// A payload as SendCommand takes it: one character per byte.
using Payload = std::u16string;
using Ipv4 = std::array<std::uint8_t, 4>;

constexpr std::size_t kIpv4Bytes = 4;
constexpr std::size_t kSecondsBytes = 3;
constexpr std::uint32_t kMaxSeconds24 = 0xFFFFFF;
constexpr char16_t kHighestPayloadChar = u'\u00FF';

Payload flagPayload(bool on);
Payload numberPayload(std::uint8_t value);

// The four numbers first number first, as DeviceSettings holds them.
Payload ipv4Payload(const Ipv4& address);
// Exactly four characters U+0000..U+00FF, or nothing.
std::optional<Ipv4> ipv4FromPayload(std::u16string_view payload);
// "192.168.4.1"; the empty text for a payload that is not an address.
std::string dottedIpv4(std::u16string_view payload);
// The numbers of a dotted address: 0..255, written with one to three digits.
constexpr int kMaxAddressNumber = 255;
constexpr int kMaxAddressDigits = 3;
// Four such numbers joined by "."; nothing for any other text.
std::optional<Ipv4> parseDottedIpv4(std::string_view text);
constexpr Ipv4 kAccessPointAddress{192, 168, 4, 1};

// 24 bits, most significant byte first; counts above 24 bits keep their low 24 bits.
Payload seconds24Payload(std::uint32_t seconds);
std::uint32_t secondsFrom24(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);

// Hours and minutes of a time of day, as the time fields hold them.
struct TimeOfDay {
    int hours = 0;
    int minutes = 0;
    bool operator==(const TimeOfDay&) const = default;
};
std::uint32_t secondsOfTime(TimeOfDay time);
// "HH:mm" with hours 00..23 and minutes 00..59, nothing else.
std::optional<TimeOfDay> parseTimeText(std::string_view text);
std::string timeText(TimeOfDay time);
// A number with a "0" in front when it is below 10; larger numbers keep all their digits.
std::string twoDigits(unsigned number);
// Whole days and the seconds within the minute are dropped.
TimeOfDay timeOfSeconds(std::uint32_t seconds);

std::uint8_t thresholdOfPosition(int sliderPosition);

// Security list item 0..3 <-> the ASCII digit "0", "2", "3", "4"; nothing for anything else.
std::optional<std::uint8_t> securityDigitOfItem(int item);
std::optional<int> securityItemOfDigit(std::uint8_t digit);

// Slave number list (Limits.h).
std::optional<std::uint8_t> slaveNumberOfItem(int item);
// The reported number is the item index; nothing outside the list.
std::optional<int> slaveItemOfNumber(std::uint8_t reported);

// Channel list (Limits.h).
std::optional<std::uint8_t> channelOfItem(int item);
std::optional<int> channelItemOfNumber(std::uint8_t reported);

// True when every character survives the one-byte-per-character framing.
bool isSendableText(std::u16string_view text);

} // namespace breezekit
