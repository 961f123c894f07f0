#pragma once

#include "protocol/core/CommandSequence.h"
#include "protocol/core/DeviceSettings.h"

namespace breezekit {

// What the Fan page shows when Apply is clicked.
struct FanInputs {
    bool offAllowed = false;
    bool exhaust = false;         // RadioButton_Exhaust, else RadioButton_Supply
    bool scenarioExhaust = false; // RadioButton_Exhaust_MOX, else RadioButton_Supply_Exhaust_MOX
    bool humiditySensor = false;
    bool relaySensor = false;
    bool analogSensor = false;
    int humidityPosition = 0;
    int analogPosition = 0;
    TimeOfDay turnOffDelay;
    TimeOfDay nightTimer;
    TimeOfDay partyTimer;
};

// Takes the flags into settings and forms the write group; thresholds and timers are not stored.
[[nodiscard]] CommandSequence applyFan(DeviceSettings& settings, const FanInputs& inputs);

} // namespace breezekit
