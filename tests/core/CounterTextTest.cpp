#include "protocol/CounterText.h"

#include "text/TextTable.h"

#include <gtest/gtest.h>

namespace breezekit {
namespace {

TEST(FilterCounterText, SplitsSecondsIntoDaysHoursMinutesSeconds) {
    struct Case {
        std::uint32_t seconds;
        const char* english;
    } cases[] = {
        {0, "Days: 00    Hours: 00    Minutes: 00    Seconds: 00"},
        {86399, "Days: 00    Hours: 23    Minutes: 59    Seconds: 59"},
        {86400, "Days: 01    Hours: 00    Minutes: 00    Seconds: 00"},
        {1 * 86400 + 2 * 3600 + 3 * 60 + 4, "Days: 01    Hours: 02    Minutes: 03    Seconds: 04"},
        {16777215, "Days: 194    Hours: 04    Minutes: 20    Seconds: 15"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterCounterText(c.seconds, English), c.english) << c.seconds;
}

} // namespace
} // namespace breezekit
