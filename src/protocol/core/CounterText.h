#pragma once

#include <cstdint>
#include <string>

namespace breezekit {

// The filter counter text of a count of seconds in a language (UTF-8): the four headings of the text
// table, each followed straight by its number.
std::string filterCounterText(std::uint32_t seconds, int languageIndex);

} // namespace breezekit
