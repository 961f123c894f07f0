#pragma once

#include "protocol/core/CommandSequence.h"
#include "protocol/core/Limits.h"

#include <string_view>

namespace breezekit {

// Begins a search: the module leaves its network, becomes a station and lists the networks in range.
CommandSequence searchRequestCommands();
// Ends a search and switches the module off and on.
CommandSequence searchEndCommands();

// The network name of one line of the module's list: the first quoted field, as in
// +CWLAP:(3,"Home-5G",-52,"a0:b1:c2:d3:e4:f5",6). It starts after the first comma-quote pair (or at
// the second character without one) and ends before the first quote-comma pair (empty without one).
std::u16string networkNameOfLine(std::u16string_view line);

} // namespace breezekit
