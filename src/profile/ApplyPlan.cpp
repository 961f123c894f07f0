#include "profile/ApplyPlan.h"

#include "protocol/core/Commands.h"
#include "protocol/core/Conversions.h"

namespace breezekit::profile {

namespace {
Ipv4 addressOr(const std::u16string& payload, Ipv4 fallback) {
    return ipv4FromPayload(payload).value_or(fallback);
}

// A number outside its window list is unknown, as the list would have no selection.
std::optional<std::uint8_t> listed(std::uint8_t number, std::optional<int> (*itemOf)(std::uint8_t)) {
    return itemOf(number) ? std::optional<std::uint8_t>(number) : std::nullopt;
}
} // namespace

WifiValues wifiValuesOf(const DeviceSettings& t) {
    WifiValues v;
    v.role = t.DeviceMode == kRoleMaster ? Role::Master : Role::Slave;
    v.connection = withRouterOf(t).value_or(false) ? Connection::WithRouter : Connection::WithoutRouter;
    v.networkName = t.Ssid;
    v.password = t.Password;
    v.channel = listed(t.WifiChannel, channelItemOfNumber);
    // an unusual digit is kept as it is, and counts as secured
    v.securityDigit = t.SecurityCode;
    v.slaveNumber = listed(t.SlaveNumber, slaveItemOfNumber);
    v.slaveDhcp = t.SlaveDhcp == 1;
    v.slaveIp = addressOr(t.SlaveIp, {});
    v.masterIp = addressOr(t.MasterIp, kAccessPointAddress);
    v.gateway = addressOr(t.Gateway, {});
    return v;
}

FanValues fanValuesOf(const UnitValues& t) {
    const DeviceSettings& s = t.settings;
    FanValues v;
    v.offAllowed = s.OffAllowed == 1;
    v.exhaust = s.Direction == kDirectionExhaust;
    v.scenarioExhaust = s.HumidityScenario == kScenarioExhaust;
    v.humiditySensor = s.HumiditySensorOn == 1;
    v.relaySensor = s.RelaySensorOn == 1;
    v.analogSensor = s.AnalogSensorOn == 1;
    v.humidityThreshold = s.HumidityThreshold;
    v.analogThreshold = s.AnalogThreshold;
    v.turnOffDelaySeconds = t.turnOffDelaySeconds;
    v.nightTimerSeconds = t.nightTimerSeconds;
    v.partyTimerSeconds = t.partyTimerSeconds;
    return v;
}

std::optional<std::string> wifiApplyRefusal(const WifiApplyResult& result) {
    using enum WifiApplyOutcome;
    switch (result.outcome) {
    case Sent:
        return std::nullopt;
    case NoNumberSelected:
        return "a list of the Wi-Fi page would have no selection";
    case NameUnsendable:
    case NameUnsendableHidden:
        return "wifi.ssid: cannot be sent";
    case PasswordUnsendable:
        return "wifi.password: cannot be sent";
    case NameLength:
        return "wifi.ssid: empty";
    case PasswordLength:
        return "wifi.password: fewer than 8 characters for a secured access point";
    }
    return "the Wi-Fi apply refused the values";
}

ApplyPlan planApply(const UnitValues& target) {
    ApplyPlan plan;
    // The last-known values are the target's, so the fields the combination does not read go back unchanged.
    DeviceSettings settings = target.settings;
    const WifiApplyResult wifi = applyWifi(settings, wifiValuesOf(target.settings));
    plan.refusal = wifiApplyRefusal(wifi);
    if (plan.refusal) return plan;
    plan.wifi = wifi.commands;
    plan.fan = applyFan(settings, fanValuesOf(target));
    plan.expected = target;
    plan.expected.settings = settings;
    return plan;
}

} // namespace breezekit::profile
