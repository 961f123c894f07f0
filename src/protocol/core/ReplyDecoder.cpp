#include "protocol/core/ReplyDecoder.h"

#include "hid/core/ReportText.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"

namespace breezekit {

namespace {

std::uint8_t byteAt(std::span<const std::uint8_t> payload, std::size_t at) {
    return at < payload.size() ? payload[at] : 0;
}

Payload addressOf(std::span<const std::uint8_t> p) {
    return ipv4Payload({byteAt(p, 0), byteAt(p, 1), byteAt(p, 2), byteAt(p, 3)});
}

std::uint32_t secondsOf(std::span<const std::uint8_t> p) {
    return secondsFrom24(byteAt(p, 0), byteAt(p, 1), byteAt(p, 2));
}

// What a control shows of a reported text; the zero padding after it must never be sent back.
std::u16string textOf(std::span<const std::uint8_t> payload) {
    const std::u16string text(payload.begin(), payload.end());
    return std::u16string(cutAtZero(text));
}

} // namespace

bool decodeReply(std::uint8_t code, std::span<const std::uint8_t> payload, UnitValues& values) {
    DeviceSettings& s = values.settings;
    const std::uint8_t b = byteAt(payload, 0);
    switch (code) {
    case CmdDeviceMode:
        s.DeviceMode = b;
        return true;
    case CmdConnectionType:
        s.ConnectionType = b;
        return true;
    case CmdSsid:
        s.Ssid = textOf(payload);
        return true;
    case CmdPassword:
        s.Password = textOf(payload);
        return true;
    case CmdSlaveNumber:
        s.SlaveNumber = b;
        return true;
    case CmdSlaveDhcp:
        s.SlaveDhcp = b;
        return true;
    case CmdSlaveIp:
        s.SlaveIp = addressOf(payload);
        return true;
    case CmdMasterIp:
        s.MasterIp = addressOf(payload);
        return true;
    case CmdWifiChannel:
        s.WifiChannel = b;
        return true;
    case CmdSecurity:
        s.SecurityCode = b;
        return true;
    case CmdOffAllowed:
        s.OffAllowed = b;
        return true;
    case CmdDirection:
        s.Direction = b;
        return true;
    case CmdHumiditySensor:
        s.HumiditySensorOn = b;
        return true;
    case CmdRelaySensor:
        s.RelaySensorOn = b;
        return true;
    case CmdAnalogSensor:
        s.AnalogSensorOn = b;
        return true;
    case CmdHumidityThreshold:
        s.HumidityThreshold = b;
        return true;
    case CmdAnalogThreshold:
        s.AnalogThreshold = b;
        return true;
    case CmdTurnOffDelay:
        values.turnOffDelaySeconds = secondsOf(payload);
        return true;
    case CmdNightTimer:
        values.nightTimerSeconds = secondsOf(payload);
        return true;
    case CmdPartyTimer:
        values.partyTimerSeconds = secondsOf(payload);
        return true;
    case CmdHumidityScenario:
        s.HumidityScenario = b;
        return true;
    case CmdGateway:
        s.Gateway = addressOf(payload);
        return true;
    default:
        return false;
    }
}

} // namespace breezekit
