#include "protocol/CounterText.h"

#include "text/TextTable.h"

namespace breezekit {

namespace {
constexpr int kDaysRow = 37;
constexpr int kHoursRow = 38;
constexpr int kMinutesRow = 39;
constexpr int kSecondsRow = 40;
} // namespace

std::string twoDigits(unsigned number) {
    return (number < 10 ? "0" : "") + std::to_string(number);
}

std::string filterCounterText(std::uint32_t s, int languageIndex) {
    const unsigned days = (s / 86400) % 365;
    const unsigned hours = (s / 3600) % 24;
    const unsigned minutes = (s / 60) % 60;
    const unsigned seconds = s % 60;
    return std::string(textTableEntry(kDaysRow, languageIndex)) + twoDigits(days) +
           textTableEntry(kHoursRow, languageIndex) + twoDigits(hours) +
           textTableEntry(kMinutesRow, languageIndex) + twoDigits(minutes) +
           textTableEntry(kSecondsRow, languageIndex) + twoDigits(seconds);
}

} // namespace breezekit
