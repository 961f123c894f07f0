#include "protocol/core/CounterText.h"

#include "text/core/TextTable.h"

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

TEST(FilterCounterText, RunsEachHeadingOfTheLanguageIntoItsNumber) {
    constexpr std::uint32_t kCount = 1 * 86400 + 2 * 3600 + 3 * 60 + 4;
    struct Case {
        int language;
        const char* text;
    } cases[] = {
        {Russian, "Дней: 01    Часов: 02    Минут: 03    Секунд: 04"},
        {Chinese, "日期: 01    小时: 02    分钟: 03    秒数: 04"},
        {German, "Tage: 01    Stunden: 02    Minuten: 03    Sekunden: 04"},
        {Danish, "Dage01    Timer02    Minutter03    Sekunder04"},
        {Polish, "Dni01    Godzin02    Minut03    Sekund04"},
        {Norwegian, "Dager01    Timer02    Minutter03    Sekunder04"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(filterCounterText(kCount, c.language), c.text) << c.language;
}

TEST(FilterCounterText, DaysWrapAfterAYear) {
    EXPECT_EQ(filterCounterText(365 * 86400 + 5, English),
              "Days: 00    Hours: 00    Minutes: 00    Seconds: 05");
    EXPECT_EQ(filterCounterText(UINT32_MAX, English), "Days: 70    Hours: 06    Minutes: 28    Seconds: 15");
}

} // namespace
} // namespace breezekit
