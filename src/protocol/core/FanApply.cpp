#include "protocol/core/FanApply.h"

#include "protocol/core/Commands.h"

namespace breezekit {

CommandSequence applyFan(DeviceSettings& settings, const FanInputs& in) {
    settings.OffAllowed = in.offAllowed ? 1 : 0;
    settings.HumiditySensorOn = in.humiditySensor ? 1 : 0;
    settings.RelaySensorOn = in.relaySensor ? 1 : 0;
    settings.AnalogSensorOn = in.analogSensor ? 1 : 0;
    settings.Direction = in.exhaust ? kDirectionExhaust : kDirectionSupply;
    settings.HumidityScenario = in.scenarioExhaust ? kScenarioExhaust : kScenarioCurrentMode;

    const DeviceSettings& s = settings;
    return {
        {CmdWriteSession, numberPayload(kWriteSessionBegin), 0},
        {CmdOffAllowed, flagPayload(in.offAllowed), 0},
        {CmdDirection, numberPayload(s.Direction), 0},
        {CmdHumiditySensor, flagPayload(in.humiditySensor), 0},
        {CmdRelaySensor, flagPayload(in.relaySensor), 0},
        {CmdAnalogSensor, flagPayload(in.analogSensor), 0},
        {CmdHumidityThreshold, numberPayload(thresholdOfPosition(in.humidityPosition)), 0},
        {CmdAnalogThreshold, numberPayload(thresholdOfPosition(in.analogPosition)), 0},
        {CmdTurnOffDelay, seconds24Payload(secondsOfTime(in.turnOffDelay)), 0},
        {CmdNightTimer, seconds24Payload(secondsOfTime(in.nightTimer)), 0},
        {CmdPartyTimer, seconds24Payload(secondsOfTime(in.partyTimer)), 0},
        {CmdHumidityScenario, numberPayload(s.HumidityScenario), 0},
        {CmdWriteSession, numberPayload(kWriteSessionEnd), 0},
    };
}

} // namespace breezekit
