#pragma once

#include "app/Pause.h"
#include "hid/DeviceLink.h"
#include "protocol/CommandSequence.h"

namespace breezekit {

// Sends the commands in order, with the blocking pause that follows each.
inline void sendSequence(DeviceLink& link, const CommandSequence& commands) {
    for (const OutgoingCommand& command : commands) {
        link.SendCommand(command.code, command.payload);
        if (command.pauseAfterMs > 0) pause(command.pauseAfterMs);
    }
}

} // namespace breezekit
