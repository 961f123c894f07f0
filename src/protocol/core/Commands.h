#pragma once

#include <cstdint>

namespace breezekit {

// Command codes of the unit's protocol, one byte each.
enum CommandCode : std::uint8_t {
    CmdModuleText = 1,
    CmdModuleSwitch = 3,
    CmdSearch = 4,
    CmdDeviceMode = 5,
    CmdSsid = 6,
    CmdPassword = 7,
    CmdSlaveNumber = 8,
    CmdSlaveDhcp = 9,
    CmdSlaveIp = 10,
    CmdMasterIp = 11,
    CmdConnectionType = 12,
    CmdWriteSession = 13,
    CmdWifiChannel = 14,
    CmdSecurity = 15,
    CmdRead = 16,
    CmdSerialNumber = 23,
    CmdOffAllowed = 24,
    CmdDirection = 25,
    CmdHumiditySensor = 26,
    CmdRelaySensor = 27,
    CmdAnalogSensor = 28,
    CmdHumidityThreshold = 29,
    CmdAnalogThreshold = 30,
    CmdNightTimer = 31,
    CmdPartyTimer = 32,
    CmdTurnOffDelay = 33,
    CmdWifiState = 34,
    CmdFilterTime = 38,
    CmdRestoreDefaults = 39,
    CmdResetFilter = 40,
    CmdMasterState = 41,
    CmdHumidityScenario = 43,
    CmdGateway = 47,
};

// The codes whose input reports the window registers a handler for; the handler table alone decides,
// this list is what tests hold it to.
constexpr std::uint8_t kHandledCodes[] = {
    CmdModuleText,   CmdSearch,         CmdDeviceMode,        CmdSsid,
    CmdPassword,     CmdSlaveNumber,    CmdSlaveDhcp,         CmdSlaveIp,
    CmdMasterIp,     CmdConnectionType, CmdWifiChannel,       CmdSecurity,
    CmdSerialNumber, CmdOffAllowed,     CmdDirection,         CmdHumiditySensor,
    CmdRelaySensor,  CmdAnalogSensor,   CmdHumidityThreshold, CmdAnalogThreshold,
    CmdNightTimer,   CmdPartyTimer,     CmdTurnOffDelay,      CmdWifiState,
    CmdFilterTime,   CmdMasterState,    CmdHumidityScenario,  CmdGateway,
};
static_assert(sizeof(kHandledCodes) == 28);

// Payload values with a fixed meaning.
constexpr std::uint8_t kWriteSessionBegin = 1;
constexpr std::uint8_t kWriteSessionEnd = 0;
constexpr std::uint8_t kSearchBegin = 1;
constexpr std::uint8_t kSearchEnd = 0;
constexpr std::uint8_t kModuleOff = 0;
constexpr std::uint8_t kModuleOn = 1;
constexpr std::uint8_t kRoleSlave = 0;
constexpr std::uint8_t kRoleMaster = 1;
constexpr std::uint8_t kConnectionWithRouter = 1;
constexpr std::uint8_t kConnectionWithoutRouter = 2;
constexpr std::uint8_t kDirectionSupply = 0;
constexpr std::uint8_t kDirectionExhaust = 1;
constexpr std::uint8_t kScenarioCurrentMode = 0;
constexpr std::uint8_t kScenarioExhaust = 1;

// The Wi-Fi module's command lines.
constexpr char16_t kAtLeaveNetwork[] = u"AT+CWQAP\r\n";
constexpr char16_t kAtStationMode[] = u"AT+CWMODE_DEF=1\r\n";
constexpr char16_t kAtListNetworks[] = u"AT+CWLAP\r\n";

} // namespace breezekit
