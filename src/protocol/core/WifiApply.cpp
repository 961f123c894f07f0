#include "protocol/core/WifiApply.h"

#include "protocol/core/Commands.h"

namespace breezekit {

namespace {
constexpr int kOpenSecurityItem = 0;
constexpr int kDhcpItem = 0;

// Takes the combination's fields; false when a list it reads has no selection.
bool takeCombination(DeviceSettings& settings, const WifiInputs& in) {
    const bool master = in.role == Role::Master;
    const bool router = in.connection == Connection::WithRouter;
    settings.DeviceMode = master ? kRoleMaster : kRoleSlave;
    settings.ConnectionType = master && !router ? kConnectionWithoutRouter : kConnectionWithRouter;
    settings.MasterIp = ipv4Payload(router ? in.masterIp : kAccessPointAddress);
    if (master && !router) {
        const std::optional<std::uint8_t> channel = channelOfItem(in.channelItem);
        if (!channel) return false;
        settings.WifiChannel = *channel;
        if (const std::optional<std::uint8_t> digit = securityDigitOfItem(in.securityItem))
            settings.SecurityCode = *digit;
    }
    if (!master) {
        const std::optional<std::uint8_t> number = slaveNumberOfItem(in.slaveNumberItem);
        if (!number) return false;
        settings.SlaveNumber = *number;
        settings.SlaveIp = ipv4Payload(in.slaveIp);
        settings.SlaveDhcp = !router || in.slaveAddressingItem == kDhcpItem ? 1 : 0;
    }
    return true;
}

// The first check that fails, or Sent.
WifiApplyOutcome check(const WifiInputs& in) {
    using enum WifiApplyOutcome;
    const bool accessPoint = in.role == Role::Master && in.connection == Connection::WithoutRouter;
    if (!isSendableText(in.networkName)) return accessPoint ? NameUnsendableHidden : NameUnsendable;
    if (!isSendableText(in.password)) return PasswordUnsendable;
    if (accessPoint) {
        if (in.password.size() < kMinSecuredPasswordLength && in.securityItem != kOpenSecurityItem)
            return PasswordLength;
    } else if (in.networkName.empty()) {
        return NameLength;
    }
    return Sent;
}

Payload byte(std::uint8_t value) {
    return numberPayload(value);
}
} // namespace

WifiApplyResult applyWifi(DeviceSettings& settings, const WifiInputs& in) {
    if (!takeCombination(settings, in)) return {WifiApplyOutcome::NoNumberSelected, {}};
    const WifiApplyOutcome outcome = check(in);
    if (isSendableText(in.networkName)) settings.Ssid = in.networkName;
    if (isSendableText(in.password)) settings.Password = in.password;
    settings.Gateway = ipv4Payload(in.gateway);
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
