#include "screens/core/TimeFieldRules.h"

#include <gtest/gtest.h>

namespace breezekit {
namespace {

struct TypeCase {
    const char* text;
    int caret;
    char typed;
    const char* result; // nullptr: refused
    int caretAfter;
};

TEST(TimeFieldTyping, OverwritesTheDigitAfterTheCaret) {
    const TypeCase cases[] = {
        {"00:00", 0, '1', "10:00", 1},
        {"00:00", 0, '2', "20:00", 1},
        {"00:00", 0, '3', nullptr, 0},
        {"15:00", 0, '2', "23:00", 1}, // a "2" in front of 5 would make 25
        {"13:00", 0, '2', "23:00", 1},
        {"10:00", 1, '9', "19:00", 2},
        {"20:00", 1, '3', "23:00", 2},
        {"20:00", 1, '4', nullptr, 0}, // no 24:00 to 29:59
        {"20:00", 1, '9', nullptr, 0},
        {"00:00", 2, '5', "00:50", 4}, // just before the colon: the first
                                       // minute digit
        {"00:00", 2, '6', nullptr, 0},
        {"00:00", 3, '5', "00:50", 4},
        {"00:00", 3, '6', nullptr, 0},
        {"00:00", 4, '9', "00:09", 5},
        {"00:00", 5, '1', nullptr, 0}, // nothing beyond the fifth character
        {"00:00", 0, 'a', nullptr, 0},
        {"00:00", 1, ':', nullptr, 0},
        {"00:00", 4, ' ', nullptr, 0},
    };
    for (const TypeCase& c : cases) {
        const auto next = typeIntoTimeField({c.text, c.caret}, c.typed);
        if (!c.result) {
            EXPECT_FALSE(next.has_value()) << c.text << " @" << c.caret << " " << c.typed;
            continue;
        }
        ASSERT_TRUE(next.has_value()) << c.text << " @" << c.caret << " " << c.typed;
        EXPECT_EQ(*next, (TimeFieldState{c.result, c.caretAfter})) << c.text << " @" << c.caret;
    }
}

TEST(TimeFieldTyping, FourDigitsInARow) {
    TimeFieldState state{"00:00", 0};
    for (char c : std::string("2359")) {
        const auto next = typeIntoTimeField(state, c);
        ASSERT_TRUE(next.has_value()) << c;
        state = *next;
    }
    EXPECT_EQ(state, (TimeFieldState{"23:59", 5}));
}

TEST(TimeFieldDeleting, PutsBackZerosAndKeepsTheShape) {
    struct Case {
        TimeFieldState before;
        bool backspace;
        std::optional<TimeFieldState> after;
    } cases[] = {
        {{"12:34", 5}, true, TimeFieldState{"12:30", 4}},
        {{"12:34", 3}, true, TimeFieldState{"10:34", 1}}, // over the colon
        {{"12:34", 1}, true, TimeFieldState{"02:34", 0}},
        {{"12:34", 0}, true, std::nullopt},
        {{"12:34", 0}, false, TimeFieldState{"02:34", 0}},
        {{"12:34", 2}, false, TimeFieldState{"12:04", 2}}, // over the colon
        {{"12:34", 5}, false, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto after = c.backspace ? backspaceInTimeField(c.before) : deleteInTimeField(c.before);
        EXPECT_EQ(after, c.after) << c.before.text << " @" << c.before.caret
                                  << (c.backspace ? " bs" : " del");
    }
    EXPECT_EQ(clearTimeDigits({"12:34", 0}, 0, 5), (TimeFieldState{"00:00", 0}));
    EXPECT_EQ(clearTimeDigits({"12:34", 0}, 1, 4), (TimeFieldState{"10:04", 1}));
}

TEST(TimeFieldStepping, HourBeforeTheColonMinuteAfterBothWrap) {
    struct Case {
        const char* text;
        int caret;
        int steps;
        const char* result;
    } cases[] = {
        {"23:59", 4, 1, "23:00"},  {"23:59", 0, 1, "00:59"},  {"23:59", 2, 1, "00:59"},
        {"00:00", 1, -1, "23:00"}, {"00:00", 3, -1, "00:59"}, {"10:30", 5, 1, "10:31"},
        {"10:30", 3, -1, "10:29"}, {"10:00", 0, 25, "11:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stepTimeField({c.text, c.caret}, c.steps), (TimeFieldState{c.result, c.caret}))
            << c.text << " @" << c.caret << " " << c.steps;
}

} // namespace
} // namespace breezekit
