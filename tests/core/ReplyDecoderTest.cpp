#include "protocol/core/ReplyDecoder.h"

#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/ReadBackTable.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace breezekit {
namespace {

// Values a unit reported earlier: a reply must change its own field and no other.
UnitValues earlier() {
    UnitValues v;
    DeviceSettings& s = v.settings;
    s.Ssid = u"Old-Net";
    s.Password = u"old-pass";
    s.SlaveIp = s.MasterIp = s.Gateway = ipv4Payload({1, 2, 3, 4});
    s.DeviceMode = s.SlaveDhcp = s.ConnectionType = s.OffAllowed = 7;
    s.SlaveNumber = s.WifiChannel = s.SecurityCode = s.Direction = s.HumidityScenario = 7;
    s.HumiditySensorOn = s.RelaySensorOn = s.AnalogSensorOn = s.HumidityThreshold = s.AnalogThreshold = 7;
    s.WifiConnected = s.MasterConnected = 7;
    v.turnOffDelaySeconds = v.nightTimerSeconds = v.partyTimerSeconds = 77;
    return v;
}

struct Case {
    const char* name;
    std::uint8_t code;
    std::vector<std::uint8_t> payload;
    std::function<void(UnitValues&)> change;
};

TEST(ReplyDecoder, EachReplyTakesItsOwnFieldOnly) {
    const Case cases[] = {
        {"mode", CmdDeviceMode, {1, 9, 9}, [](UnitValues& v) { v.settings.DeviceMode = 1; }},
        {"connection type", CmdConnectionType, {2}, [](UnitValues& v) { v.settings.ConnectionType = 2; }},
        {"name cut at its first zero",
         CmdSsid,
         {'H', 'o', 'm', 'e', 0, 'x', 0},
         [](UnitValues& v) { v.settings.Ssid = u"Home"; }},
        {"name to the end of the report",
         CmdSsid,
         {'N', 0xE9},
         [](UnitValues& v) { v.settings.Ssid = u"N\u00E9"; }},
        {"empty name", CmdSsid, {0, 'x'}, [](UnitValues& v) { v.settings.Ssid = u""; }},
        {"password", CmdPassword, {'p', 'w', 0}, [](UnitValues& v) { v.settings.Password = u"pw"; }},
        {"slave number", CmdSlaveNumber, {31}, [](UnitValues& v) { v.settings.SlaveNumber = 31; }},
        {"slave addressing", CmdSlaveDhcp, {0}, [](UnitValues& v) { v.settings.SlaveDhcp = 0; }},
        {"slave address",
         CmdSlaveIp,
         {192, 168, 4, 2, 9},
         [](UnitValues& v) {
             v.settings.SlaveIp = ipv4Payload({192, 168, 4, 2});
         }},
        {"short master address reads zeros",
         CmdMasterIp,
         {10, 1},
         [](UnitValues& v) {
             v.settings.MasterIp = ipv4Payload({10, 1, 0, 0});
         }},
        {"channel", CmdWifiChannel, {11}, [](UnitValues& v) { v.settings.WifiChannel = 11; }},
        {"security digit", CmdSecurity, {'3'}, [](UnitValues& v) { v.settings.SecurityCode = '3'; }},
        {"unusual flag kept", CmdOffAllowed, {5}, [](UnitValues& v) { v.settings.OffAllowed = 5; }},
        {"direction", CmdDirection, {1}, [](UnitValues& v) { v.settings.Direction = 1; }},
        {"humidity sensor", CmdHumiditySensor, {0}, [](UnitValues& v) { v.settings.HumiditySensorOn = 0; }},
        {"relay sensor", CmdRelaySensor, {1}, [](UnitValues& v) { v.settings.RelaySensorOn = 1; }},
        {"analog sensor", CmdAnalogSensor, {1}, [](UnitValues& v) { v.settings.AnalogSensorOn = 1; }},
        {"humidity threshold off the step",
         CmdHumidityThreshold,
         {73},
         [](UnitValues& v) { v.settings.HumidityThreshold = 73; }},
        {"analog threshold",
         CmdAnalogThreshold,
         {50},
         [](UnitValues& v) { v.settings.AnalogThreshold = 50; }},
        {"turn-off delay",
         CmdTurnOffDelay,
         {0x00, 0x15, 0x18},
         [](UnitValues& v) { v.turnOffDelaySeconds = 5400; }},
        {"night timer past a day",
         CmdNightTimer,
         {0x01, 0x5F, 0x90},
         [](UnitValues& v) { v.nightTimerSeconds = 90000; }},
        {"party timer",
         CmdPartyTimer,
         {0xFF, 0xFF, 0xFF},
         [](UnitValues& v) { v.partyTimerSeconds = 0xFFFFFF; }},
        {"scenario", CmdHumidityScenario, {0}, [](UnitValues& v) { v.settings.HumidityScenario = 0; }},
        {"gateway",
         CmdGateway,
         {10, 1, 2, 254},
         [](UnitValues& v) {
             v.settings.Gateway = ipv4Payload({10, 1, 2, 254});
         }},
        {"empty payload reads zero", CmdSlaveNumber, {}, [](UnitValues& v) { v.settings.SlaveNumber = 0; }},
        {"empty timer reads zero", CmdPartyTimer, {}, [](UnitValues& v) { v.partyTimerSeconds = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UnitValues values = earlier();
        UnitValues expected = earlier();
        c.change(expected);
        EXPECT_TRUE(decodeReply(c.code, c.payload, values));
        EXPECT_EQ(values, expected);
    }
}

TEST(ReplyDecoder, CodesWithoutAParameterLeaveTheValues) {
    const std::vector<std::uint8_t> payload{1, 2, 3, 4};
    for (std::uint8_t code : {0, int{CmdModuleText}, int{CmdSearch}, int{CmdRead}, int{CmdSerialNumber},
                              int{CmdWifiState}, int{CmdFilterTime}, int{CmdMasterState}, 255}) {
        UnitValues values = earlier();
        EXPECT_FALSE(decodeReply(code, payload, values)) << int{code};
        EXPECT_EQ(values, earlier()) << int{code};
    }
}

TEST(ReplyDecoder, KnowsEveryReplyOfTheReadBack) {
    for (const ReadBackStep& step : kReadBackChain) {
        UnitValues values;
        EXPECT_TRUE(decodeReply(step.reply, std::vector<std::uint8_t>{1}, values)) << int{step.reply};
    }
}

} // namespace
} // namespace breezekit
