#include "screens/core/TimeFieldRules.h"

#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"

#include <algorithm>

namespace breezekit {

namespace {
constexpr int kHourTens = 0;
constexpr int kHourUnits = 1;
constexpr int kColon = 2;
constexpr int kMinuteTens = 3;
constexpr int kMinuteUnits = 4;
constexpr int kEnd = 5;

bool inRange(char c, char first, char last) {
    return c >= first && c <= last;
}

int wrap(int value, int modulus) {
    return ((value % modulus) + modulus) % modulus;
}

TimeFieldState overwrite(TimeFieldState state, int at, char digit) {
    state.text[static_cast<std::size_t>(at)] = digit;
    state.caret = at + 1;
    return state;
}
} // namespace

std::optional<TimeFieldState> typeIntoTimeField(const TimeFieldState& state, char typed) {
    switch (state.caret) {
    case kHourTens: {
        if (!inRange(typed, '0', '2')) return std::nullopt;
        TimeFieldState next = overwrite(state, kHourTens, typed);
        // A "2" in front of a units digit above 3 would make an hour past 23.
        if (typed == '2' && next.text[kHourUnits] > '3') next.text[kHourUnits] = '3';
        return next;
    }
    case kHourUnits:
        if (!inRange(typed, '0', state.text[kHourTens] == '2' ? '3' : '9')) return std::nullopt;
        return overwrite(state, kHourUnits, typed);
    case kColon:
    case kMinuteTens:
        if (!inRange(typed, '0', '5')) return std::nullopt;
        return overwrite(state, kMinuteTens, typed);
    case kMinuteUnits:
        if (!inRange(typed, '0', '9')) return std::nullopt;
        return overwrite(state, kMinuteUnits, typed);
    default:
        return std::nullopt;
    }
}

TimeFieldState clearTimeDigits(const TimeFieldState& state, int from, int to) {
    TimeFieldState next = state;
    for (int i = std::max(from, 0); i < std::min(to, kEnd); ++i)
        if (i != kColon) next.text[static_cast<std::size_t>(i)] = '0';
    next.caret = std::max(from, 0);
    return next;
}

std::optional<TimeFieldState> backspaceInTimeField(const TimeFieldState& state) {
    int at = state.caret - 1;
    if (at == kColon) --at;
    if (at < 0) return std::nullopt;
    return clearTimeDigits(state, at, at + 1);
}

std::optional<TimeFieldState> deleteInTimeField(const TimeFieldState& state) {
    int at = state.caret;
    if (at == kColon) ++at;
    if (at >= kEnd) return std::nullopt;
    TimeFieldState next = clearTimeDigits(state, at, at + 1);
    next.caret = state.caret;
    return next;
}

TimeFieldState stepTimeField(const TimeFieldState& state, int steps) {
    TimeOfDay time = parseTimeText(state.text).value_or(TimeOfDay{});
    if (state.caret <= kColon)
        time.hours = wrap(time.hours + steps, kHoursPerDay);
    else
        time.minutes = wrap(time.minutes + steps, kMinutesPerHour);
    return {timeText(time), state.caret};
}

} // namespace breezekit
