#include "protocol/core/WifiApply.h"

#include "protocol/core/Commands.h"
#include "protocol/core/Limits.h"

namespace breezekit {

namespace {

// Takes the combination's fields; false when a value it reads is unknown.
bool takeCombination(DeviceSettings& settings, const WifiValues& v) {
    const bool master = v.role == Role::Master;
    const bool router = v.connection == Connection::WithRouter;
    settings.DeviceMode = master ? kRoleMaster : kRoleSlave;
    settings.ConnectionType = master && !router ? kConnectionWithoutRouter : kConnectionWithRouter;
    settings.MasterIp = ipv4Payload(router ? v.masterIp : kAccessPointAddress);
    if (master && !router) {
        if (!v.channel) return false;
        settings.WifiChannel = *v.channel;
        if (v.securityDigit) settings.SecurityCode = *v.securityDigit;
    }
    if (!master) {
        if (!v.slaveNumber) return false;
        settings.SlaveNumber = *v.slaveNumber;
        settings.SlaveIp = ipv4Payload(v.slaveIp);
        settings.SlaveDhcp = !router || v.slaveDhcp ? 1 : 0;
    }
    return true;
}

// The first check that fails, or Sent.
WifiApplyOutcome check(const WifiValues& v) {
    using enum WifiApplyOutcome;
    const bool accessPoint = v.role == Role::Master && v.connection == Connection::WithoutRouter;
    if (!isSendableText(v.networkName)) return accessPoint ? NameUnsendableHidden : NameUnsendable;
    if (!isSendableText(v.password)) return PasswordUnsendable;
    if (accessPoint) {
        if (v.password.size() < kMinSecuredPasswordLength && v.securityDigit != kOpenSecurityDigit)
            return PasswordLength;
    } else if (v.networkName.empty()) {
        return NameLength;
    }
    return Sent;
}

Payload byte(std::uint8_t value) {
    return numberPayload(value);
}
} // namespace

WifiApplyResult applyWifi(DeviceSettings& settings, const WifiValues& v) {
    if (!takeCombination(settings, v)) return {WifiApplyOutcome::NoNumberSelected, {}};
    const WifiApplyOutcome outcome = check(v);
    if (isSendableText(v.networkName)) settings.Ssid = v.networkName;
    if (isSendableText(v.password)) settings.Password = v.password;
    settings.Gateway = ipv4Payload(v.gateway);
    if (outcome != WifiApplyOutcome::Sent) return {outcome, {}};

    const DeviceSettings& s = settings;
    return {WifiApplyOutcome::Sent,
            {
                {CmdWriteSession, byte(kWriteSessionBegin), 0},
                {CmdSlaveNumber, byte(s.SlaveNumber), 0},
                {CmdSlaveDhcp, byte(s.SlaveDhcp), 0},
                {CmdSlaveIp, s.SlaveIp, 0},
                {CmdDeviceMode, byte(s.DeviceMode), 0},
                {CmdConnectionType, byte(s.ConnectionType), 0},
                {CmdSsid, s.Ssid, 0},
                {CmdPassword, s.Password, 0},
                {CmdMasterIp, s.MasterIp, 0},
                {CmdWifiChannel, byte(s.WifiChannel), 0},
                {CmdSecurity, byte(s.SecurityCode), 0},
                {CmdGateway, s.Gateway, 0},
                {CmdWriteSession, byte(kWriteSessionEnd), kModuleSwitchOffPauseMs},
                {CmdModuleSwitch, byte(kModuleOff), kModuleSwitchOnPauseMs},
                {CmdModuleSwitch, byte(kModuleOn), 0},
            }};
}

} // namespace breezekit
