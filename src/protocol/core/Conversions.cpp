#include "protocol/core/Conversions.h"

#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"

#include <algorithm>

namespace breezekit {

namespace {
constexpr std::u16string_view kMasterAccessPointPrefix = u"BreezeKit";
} // namespace

int sliderPositionOfThreshold(std::uint8_t value, int minimum, int maximum) {
    // value is whole, so value / 5 is never halfway between two positions
    const int rounded = (value + kThresholdStep / 2) / kThresholdStep;
    return std::clamp(rounded, minimum, maximum);
}

std::optional<int> slaveDhcpItem(std::uint8_t flag) {
    const std::optional<bool> dhcp = oneOrZero(flag);
    if (!dhcp) return std::nullopt;
    return *dhcp ? kDhcpItem : kStaticItem;
}

std::optional<bool> oneOrZero(std::uint8_t value) {
    if (value == 1) return true;
    if (value == 0) return false;
    return std::nullopt;
}

std::optional<bool> withRouterOfConnectionType(std::uint8_t type) {
    if (type == kConnectionWithRouter) return true;
    if (type == kConnectionWithoutRouter) return false;
    return std::nullopt;
}

bool isMasterAccessPointName(std::u16string_view ssid) {
    return ssid.starts_with(kMasterAccessPointPrefix);
}

bool slaveWithRouter(std::u16string_view ssid) {
    return !isMasterAccessPointName(ssid);
}

std::optional<bool> withRouterOf(const DeviceSettings& settings) {
    if (settings.DeviceMode == kRoleSlave) return slaveWithRouter(settings.Ssid);
    return withRouterOfConnectionType(settings.ConnectionType);
}

} // namespace breezekit
