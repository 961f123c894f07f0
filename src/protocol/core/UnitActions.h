#pragma once

#include "protocol/core/CommandSequence.h"

#include <cstdint>

namespace breezekit {

// Asks the unit for one report with the code.
OutgoingCommand readRequest(std::uint8_t code);
// Starts a read-back: each reply asks for the next parameter (ReadBackTable.h).
OutgoingCommand readBackStart();

// Restores the factory values. The write group stays open, the unit needs no closing 0 here; the pause
// lets the unit take them before a read-back follows.
CommandSequence restoreDefaultsCommands();
CommandSequence resetFilterCommands();

} // namespace breezekit
