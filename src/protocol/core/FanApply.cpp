#include "protocol/core/FanApply.h"

#include "protocol/core/Commands.h"

namespace breezekit {

CommandSequence applyFan(DeviceSettings& settings, const FanValues& v) {
    settings.OffAllowed = v.offAllowed ? 1 : 0;
    settings.HumiditySensorOn = v.humiditySensor ? 1 : 0;
    settings.RelaySensorOn = v.relaySensor ? 1 : 0;
    settings.AnalogSensorOn = v.analogSensor ? 1 : 0;
    settings.Direction = v.exhaust ? kDirectionExhaust : kDirectionSupply;
    settings.HumidityScenario = v.scenarioExhaust ? kScenarioExhaust : kScenarioCurrentMode;

    const DeviceSettings& s = settings;
    return {
        {CmdWriteSession, numberPayload(kWriteSessionBegin), 0},
        {CmdOffAllowed, flagPayload(v.offAllowed), 0},
        {CmdDirection, numberPayload(s.Direction), 0},
        {CmdHumiditySensor, flagPayload(v.humiditySensor), 0},
        {CmdRelaySensor, flagPayload(v.relaySensor), 0},
        {CmdAnalogSensor, flagPayload(v.analogSensor), 0},
        {CmdHumidityThreshold, numberPayload(v.humidityThreshold), 0},
        {CmdAnalogThreshold, numberPayload(v.analogThreshold), 0},
        {CmdTurnOffDelay, seconds24Payload(v.turnOffDelaySeconds), 0},
        {CmdNightTimer, seconds24Payload(v.nightTimerSeconds), 0},
        {CmdPartyTimer, seconds24Payload(v.partyTimerSeconds), 0},
        {CmdHumidityScenario, numberPayload(s.HumidityScenario), 0},
        {CmdWriteSession, numberPayload(kWriteSessionEnd), 0},
    };
}

} // namespace breezekit
