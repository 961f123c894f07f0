#pragma once

#include "protocol/core/UnitValues.h"

#include <cstdint>
#include <span>

namespace breezekit {

// Takes the value of one read-back reply into values: the one field of that code, read from fixed
// payload positions whatever the reply's length (positions past its end read as zero). payload is
// every byte after the length byte. Texts end at their first zero byte. False for a code that carries
// no parameter of the read-back; values stay as they were.
bool decodeReply(std::uint8_t code, std::span<const std::uint8_t> payload, UnitValues& values);

} // namespace breezekit
