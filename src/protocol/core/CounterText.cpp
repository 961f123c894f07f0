#include "protocol/core/CounterText.h"

#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"
#include "text/core/TextRows.h"
#include "text/core/TextTable.h"

namespace breezekit {

std::string filterCounterText(std::uint32_t s, int languageIndex) {
    constexpr unsigned kDaysShown = 365;
    const unsigned days = (s / kSecondsPerDay) % kDaysShown;
    const unsigned hours = (s / kSecondsPerHour) % kHoursPerDay;
    const unsigned minutes = (s / kSecondsPerMinute) % kMinutesPerHour;
    const unsigned seconds = s % kSecondsPerMinute;
    return std::string(textTableEntry(kRowDays, languageIndex)) + twoDigits(days) +
           textTableEntry(kRowHours, languageIndex) + twoDigits(hours) +
           textTableEntry(kRowMinutes, languageIndex) + twoDigits(minutes) +
           textTableEntry(kRowSeconds, languageIndex) + twoDigits(seconds);
}

} // namespace breezekit
