#pragma once

#include "protocol/core/Encodings.h"

#include <cstdint>
#include <vector>

namespace breezekit {

// One command as a handler sends it, with the pause that follows it.
struct OutgoingCommand {
    std::uint8_t code = 0;
    Payload payload;
    unsigned pauseAfterMs = 0;
    bool operator==(const OutgoingCommand&) const = default;
};

using CommandSequence = std::vector<OutgoingCommand>;

} // namespace breezekit
