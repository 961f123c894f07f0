#include "protocol/core/CounterText.h"

#include "protocol/core/Encodings.h"
#include "text/core/TextRows.h"
#include "text/core/TextTable.h"

namespace breezekit {

std::string filterCounterText(std::uint32_t s, int languageIndex) {
    const unsigned days = (s / 86400) % 365;
    const unsigned hours = (s / 3600) % 24;
    const unsigned minutes = (s / 60) % 60;
    const unsigned seconds = s % 60;
    return std::string(textTableEntry(kRowDays, languageIndex)) + twoDigits(days) +
           textTableEntry(kRowHours, languageIndex) + twoDigits(hours) +
           textTableEntry(kRowMinutes, languageIndex) + twoDigits(minutes) +
           textTableEntry(kRowSeconds, languageIndex) + twoDigits(seconds);
}

} // namespace breezekit
