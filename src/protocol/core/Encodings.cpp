#include "protocol/core/Encodings.h"

#include <algorithm>

namespace breezekit {

namespace {
constexpr std::size_t kTimeTextLength = 5;
constexpr char kTimeSeparator = ':';

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int twoDigitNumber(std::string_view text, std::size_t at) {
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}
} // namespace

Payload flagPayload(bool on) {
    return Payload(1, on ? u'\x01' : u'\0');
}

Payload numberPayload(std::uint8_t value) {
    return Payload(1, static_cast<char16_t>(value));
}

Payload ipv4Payload(const Ipv4& address) {
    Payload payload;
    for (std::uint8_t number : address)
        payload.push_back(static_cast<char16_t>(number));
    return payload;
}

std::optional<Ipv4> ipv4FromPayload(std::u16string_view payload) {
    if (payload.size() != kIpv4Bytes || !isSendableText(payload)) return std::nullopt;
    Ipv4 address{};
    for (std::size_t i = 0; i < kIpv4Bytes; ++i)
        address[i] = static_cast<std::uint8_t>(payload[i]);
    return address;
}

std::string dottedIpv4(std::u16string_view payload) {
    const std::optional<Ipv4> address = ipv4FromPayload(payload);
    if (!address) return {};
    std::string text;
    for (std::size_t i = 0; i < kIpv4Bytes; ++i) {
        if (i > 0) text += '.';
        text += std::to_string((*address)[i]);
    }
    return text;
}

std::optional<Ipv4> parseDottedIpv4(std::string_view text) {
    Ipv4 address{};
    for (std::size_t i = 0; i < kIpv4Bytes; ++i) {
        const std::size_t end = i + 1 < kIpv4Bytes ? text.find('.') : text.size();
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view number = text.substr(0, end);
        if (number.empty() || number.size() > static_cast<std::size_t>(kMaxAddressDigits))
            return std::nullopt;
        int value = 0;
        for (char c : number) {
            if (!isDigit(c)) return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value > kMaxAddressNumber) return std::nullopt;
        address[i] = static_cast<std::uint8_t>(value);
        text.remove_prefix(std::min(text.size(), end + 1));
    }
    return address;
}

Payload seconds24Payload(std::uint32_t seconds) {
    return Payload{static_cast<char16_t>((seconds >> 16) & 0xFF),
                   static_cast<char16_t>((seconds >> 8) & 0xFF), static_cast<char16_t>(seconds & 0xFF)};
}

std::uint32_t secondsFrom24(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    return static_cast<std::uint32_t>(b1) * 65536 + static_cast<std::uint32_t>(b2) * 256 + b3;
}

std::uint32_t secondsOfTime(TimeOfDay time) {
    return static_cast<std::uint32_t>(time.hours) * kSecondsPerHour +
           static_cast<std::uint32_t>(time.minutes) * kSecondsPerMinute;
}

std::optional<TimeOfDay> parseTimeText(std::string_view text) {
    if (text.size() != kTimeTextLength || text[2] != kTimeSeparator) return std::nullopt;
    if (!isDigit(text[0]) || !isDigit(text[1]) || !isDigit(text[3]) || !isDigit(text[4])) return std::nullopt;
    const TimeOfDay time{twoDigitNumber(text, 0), twoDigitNumber(text, 3)};
    if (time.hours >= kHoursPerDay || time.minutes >= kMinutesPerHour) return std::nullopt;
    return time;
}

std::string timeText(TimeOfDay time) {
    return twoDigits(static_cast<unsigned>(time.hours)) + kTimeSeparator +
           twoDigits(static_cast<unsigned>(time.minutes));
}

std::string twoDigits(unsigned number) {
    // Appending, not "0" + text: GCC 12 at -O3 sees a possible overlap in that and warns (-Wrestrict).
    std::string text(number < 10 ? 1 : 0, '0');
    text += std::to_string(number);
    return text;
}

TimeOfDay timeOfSeconds(std::uint32_t seconds) {
    return {static_cast<int>((seconds / kSecondsPerHour) % kHoursPerDay),
            static_cast<int>((seconds / kSecondsPerMinute) % kMinutesPerHour)};
}

std::uint8_t thresholdOfPosition(int sliderPosition) {
    return static_cast<std::uint8_t>(sliderPosition * kThresholdStep);
}

std::optional<std::uint8_t> securityDigitOfItem(int item) {
    if (item < 0 || item >= static_cast<int>(kSecurityTypes.size())) return std::nullopt;
    return kSecurityTypes[static_cast<std::size_t>(item)].digit;
}

std::optional<int> securityItemOfDigit(std::uint8_t digit) {
    const auto found = std::find_if(kSecurityTypes.begin(), kSecurityTypes.end(),
                                    [digit](const SecurityType& type) { return type.digit == digit; });
    if (found == kSecurityTypes.end()) return std::nullopt;
    return static_cast<int>(found - kSecurityTypes.begin());
}

std::optional<std::uint8_t> slaveNumberOfItem(int item) {
    if (item < 0 || item >= kSlaveNumberItems) return std::nullopt;
    return static_cast<std::uint8_t>(item);
}

std::optional<int> slaveItemOfNumber(std::uint8_t reported) {
    if (reported >= kSlaveNumberItems) return std::nullopt;
    return reported;
}

std::optional<std::uint8_t> channelOfItem(int item) {
    if (item < 0 || item >= kChannelItems) return std::nullopt;
    return static_cast<std::uint8_t>(item + 1);
}

std::optional<int> channelItemOfNumber(std::uint8_t reported) {
    if (reported < 1 || reported > kChannelItems) return std::nullopt;
    return reported - 1;
}

bool isSendableText(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= kHighestPayloadChar; });
}

} // namespace breezekit
