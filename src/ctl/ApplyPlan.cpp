#include "ctl/ApplyPlan.h"

#include "protocol/core/Commands.h"
#include "protocol/core/Conversions.h"

namespace breezekit::ctl {

namespace {
constexpr int kDhcpItem = 0;
constexpr int kStaticItem = 1;

Ipv4 addressOr(const std::u16string& payload, Ipv4 fallback) {
    return ipv4FromPayload(payload).value_or(fallback);
}
} // namespace

WifiInputs wifiInputsOf(const DeviceSettings& t) {
    WifiInputs in;
    in.role = t.DeviceMode == kRoleMaster ? Role::Master : Role::Slave;
    const bool router = in.role == Role::Master ? t.ConnectionType == kConnectionWithRouter
                                                : !isMasterAccessPointName(t.Ssid);
    in.connection = router ? Connection::WithRouter : Connection::WithoutRouter;
    in.networkName = t.Ssid;
    in.password = t.Password;
    in.channelItem = channelItemOfNumber(t.WifiChannel).value_or(-1);
    in.securityItem = securityItemOfDigit(t.SecurityCode).value_or(-1);
    in.slaveNumberItem = slaveItemOfNumber(t.SlaveNumber).value_or(-1);
    in.slaveAddressingItem = t.SlaveDhcp == 1 ? kDhcpItem : kStaticItem;
    in.slaveIp = addressOr(t.SlaveIp, {});
    in.masterIp = addressOr(t.MasterIp, kAccessPointAddress);
    in.gateway = addressOr(t.Gateway, {});
    return in;
}

FanInputs fanInputsOf(const UnitValues& t) {
    const DeviceSettings& s = t.settings;
    FanInputs in;
    in.offAllowed = s.OffAllowed == 1;
    in.exhaust = s.Direction == kDirectionExhaust;
    in.scenarioExhaust = s.HumidityScenario == kScenarioExhaust;
    in.humiditySensor = s.HumiditySensorOn == 1;
    in.relaySensor = s.RelaySensorOn == 1;
    in.analogSensor = s.AnalogSensorOn == 1;
    in.humidityPosition = s.HumidityThreshold / kThresholdStep;
    in.analogPosition = s.AnalogThreshold / kThresholdStep;
    in.turnOffDelay = timeOfSeconds(t.turnOffDelaySeconds);
    in.nightTimer = timeOfSeconds(t.nightTimerSeconds);
    in.partyTimer = timeOfSeconds(t.partyTimerSeconds);
    return in;
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
    const WifiApplyResult wifi = applyWifi(settings, wifiInputsOf(target.settings));
    plan.refusal = wifiApplyRefusal(wifi);
    if (plan.refusal) return plan;
    plan.wifi = wifi.commands;
    plan.fan = applyFan(settings, fanInputsOf(target));
    plan.expected = target;
    plan.expected.settings = settings;
    return plan;
}

} // namespace breezekit::ctl
