#include "protocol/core/UnitActions.h"

#include "protocol/core/Commands.h"
#include "protocol/core/Limits.h"
#include "protocol/core/ReadBackTable.h"

namespace breezekit {

namespace {
constexpr std::uint8_t kActionByte = 0;
} // namespace

OutgoingCommand readRequest(std::uint8_t code) {
    return {CmdRead, numberPayload(code), 0};
}

OutgoingCommand readBackStart() {
    return readRequest(kReadBackFirst);
}

CommandSequence restoreDefaultsCommands() {
    return {
        {CmdWriteSession, numberPayload(kWriteSessionBegin), 0},
        {CmdRestoreDefaults, numberPayload(kActionByte), kRestorePauseMs},
    };
}

CommandSequence resetFilterCommands() {
    return {{CmdResetFilter, numberPayload(kActionByte), 0}};
}

} // namespace breezekit
