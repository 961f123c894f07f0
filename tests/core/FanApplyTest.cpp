#include "protocol/core/FanApply.h"

#include "protocol/core/Commands.h"

#include <gtest/gtest.h>

namespace breezekit {
namespace {

Payload b(std::uint8_t value) {
    return numberPayload(value);
}

TEST(FanApply, AllBoxesClearedThresholdsAtTheirLowEnds) {
    DeviceSettings settings;
    settings.OffAllowed = settings.HumiditySensorOn = settings.RelaySensorOn = settings.AnalogSensorOn = 1;
    FanValues in;
    in.humidityThreshold = 40;
    in.analogThreshold = 5;
    in.turnOffDelaySeconds = 5400;              // 01:30
    in.nightTimerSeconds = 23 * 3600 + 59 * 60; // 23:59
    in.partyTimerSeconds = 0;
    const CommandSequence expected{
        {CmdWriteSession, b(1), 0},
        {CmdOffAllowed, b(0), 0},
        {CmdDirection, b(0), 0},
        {CmdHumiditySensor, b(0), 0},
        {CmdRelaySensor, b(0), 0},
        {CmdAnalogSensor, b(0), 0},
        {CmdHumidityThreshold, b(40), 0},
        {CmdAnalogThreshold, b(5), 0},
        {CmdTurnOffDelay, Payload{u'\0', u'\x15', u'\x18'}, 0},
        {CmdNightTimer, u"\x01\x51\x44", 0},
        {CmdPartyTimer, Payload(3, u'\0'), 0},
        {CmdHumidityScenario, b(0), 0},
        {CmdWriteSession, b(0), 0},
    };
    EXPECT_EQ(applyFan(settings, in), expected);
    EXPECT_EQ(settings, DeviceSettings{});
}

TEST(FanApply, EveryBoxCheckedThresholdsAtTheirHighEnds) {
    DeviceSettings settings;
    FanValues in;
    in.offAllowed = in.humiditySensor = in.relaySensor = in.analogSensor = true;
    in.exhaust = true;
    in.scenarioExhaust = true;
    in.humidityThreshold = 80;
    in.analogThreshold = 100;
    const CommandSequence commands = applyFan(settings, in);
    ASSERT_EQ(commands.size(), 13u);
    for (std::size_t i : {1, 2, 3, 4, 5, 11})
        EXPECT_EQ(commands[i].payload, b(1)) << i;
    EXPECT_EQ(commands[6].payload, b(80));
    EXPECT_EQ(commands[7].payload, b(100));
    DeviceSettings expected;
    expected.OffAllowed = expected.HumiditySensorOn = expected.RelaySensorOn = expected.AnalogSensorOn = 1;
    expected.Direction = expected.HumidityScenario = 1;
    EXPECT_EQ(settings, expected);
}

} // namespace
} // namespace breezekit
