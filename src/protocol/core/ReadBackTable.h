#pragma once

#include "protocol/core/Commands.h"

#include <array>
#include <cstdint>
#include <optional>

namespace breezekit {

// One step of the read-back chain: the reply that arrives and the parameter it asks for next.
struct ReadBackStep {
    std::uint8_t reply;
    std::optional<std::uint8_t> next; // none: the chain ends with this reply
};

// The whole chain, in the order the unit is asked. The mode comes first because the replies of the
// connection type and the network name depend on it.
inline constexpr std::array<ReadBackStep, 22> kReadBackChain{{
    {CmdDeviceMode, CmdConnectionType},
    {CmdConnectionType, CmdSsid},
    {CmdSsid, CmdPassword},
    {CmdPassword, CmdSlaveNumber},
    {CmdSlaveNumber, CmdSlaveDhcp},
    {CmdSlaveDhcp, CmdSlaveIp},
    {CmdSlaveIp, CmdMasterIp},
    {CmdMasterIp, CmdWifiChannel},
    {CmdWifiChannel, CmdSecurity},
    {CmdSecurity, CmdOffAllowed},
    {CmdOffAllowed, CmdDirection},
    {CmdDirection, CmdHumiditySensor},
    {CmdHumiditySensor, CmdRelaySensor},
    {CmdRelaySensor, CmdAnalogSensor},
    {CmdAnalogSensor, CmdHumidityThreshold},
    {CmdHumidityThreshold, CmdAnalogThreshold},
    {CmdAnalogThreshold, CmdTurnOffDelay},
    {CmdTurnOffDelay, CmdNightTimer},
    {CmdNightTimer, CmdPartyTimer},
    {CmdPartyTimer, CmdHumidityScenario},
    {CmdHumidityScenario, CmdGateway},
    {CmdGateway, std::nullopt},
}};

// The request that starts a read-back.
inline constexpr std::uint8_t kReadBackFirst = CmdDeviceMode;

} // namespace breezekit
