#include "protocol/core/Conversions.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/ReadBackTable.h"
#include "protocol/core/ReplyDecoder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Reported values as the read-back converts them for the window: every byte comes from the unit.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace breezekit;
    if (size < 3) return 0;

    const std::uint32_t seconds = secondsFrom24(data[0], data[1], data[2]);
    if (seconds > kMaxSeconds24) __builtin_trap();
    const Payload again = seconds24Payload(seconds);
    if (again[0] != data[0] || again[1] != data[1] || again[2] != data[2]) __builtin_trap();
    const TimeOfDay time = timeOfSeconds(seconds);
    const std::optional<TimeOfDay> parsed = parseTimeText(timeText(time));
    if (!parsed || *parsed != time) __builtin_trap();

    const std::uint8_t value = data[0];
    const int minimum = data[1] % 21;
    const int maximum = minimum + data[2] % 21;
    const int position = sliderPositionOfThreshold(value, minimum, maximum);
    if (position < minimum || position > maximum) __builtin_trap();
    if (const auto item = slaveDhcpItem(value); item && *item != 0 && *item != 1) __builtin_trap();
    if (oneOrZero(value).has_value() != (value <= 1)) __builtin_trap();
    if (withRouterOfConnectionType(value).has_value() && value != 1 && value != 2) __builtin_trap();
    if (const auto item = securityItemOfDigit(value); item && securityDigitOfItem(*item) != value)
        __builtin_trap();
    if (const auto item = slaveItemOfNumber(value); item && slaveNumberOfItem(*item) != value)
        __builtin_trap();
    if (const auto item = channelItemOfNumber(value); item && channelOfItem(*item) != value) __builtin_trap();

    // The rest as a payload: the address fields take one character per byte, wide text from pairs.
    Payload payload;
    for (std::size_t i = 3; i < size; ++i)
        payload.push_back(static_cast<char16_t>(data[i]));
    Payload wide;
    for (std::size_t i = 3; i + 1 < size; i += 2)
        wide.push_back(static_cast<char16_t>(data[i] << 8 | data[i + 1]));
    for (const Payload& text : {payload, wide}) {
        const std::optional<Ipv4> address = ipv4FromPayload(text);
        const std::string dotted = dottedIpv4(text);
        if (address.has_value() == dotted.empty()) __builtin_trap();
        if (address && ipv4Payload(*address) != text) __builtin_trap();
        if (dotted.size() > 15) __builtin_trap();
        if (isMasterAccessPointName(text) && text.size() < 9) __builtin_trap();
    }

    // The first byte as a reply's code, the rest as its payload.
    UnitValues values;
    const bool decoded = decodeReply(data[0], std::span(data + 3, size - 3), values);
    const bool inChain = std::any_of(kReadBackChain.begin(), kReadBackChain.end(),
                                     [&](const ReadBackStep& step) { return step.reply == data[0]; });
    if (decoded != inChain) __builtin_trap();
    for (const std::u16string& text : {values.settings.Ssid, values.settings.Password})
        if (text.find(u'\0') != std::u16string::npos || text.size() > size) __builtin_trap();
    for (const std::u16string& address :
         {values.settings.SlaveIp, values.settings.MasterIp, values.settings.Gateway})
        if (!address.empty() && !ipv4FromPayload(address)) __builtin_trap();
    return 0;
}
