#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace breezekit {

// The text of a time field, always "HH:mm", and its caret (0..5).
struct TimeFieldState {
    std::string text;
    int caret = 0;
    bool operator==(const TimeFieldState&) const = default;
};

// Typing overwrites the digit after the caret; nothing when the character is refused there.
std::optional<TimeFieldState> typeIntoTimeField(const TimeFieldState& state, char typed);
// Deleting never removes a character: the digits in [from, to) become "0". Backspace and Delete
// without a selection pass the one digit before or after the caret.
TimeFieldState clearTimeDigits(const TimeFieldState& state, int from, int to);
std::optional<TimeFieldState> backspaceInTimeField(const TimeFieldState& state);
std::optional<TimeFieldState> deleteInTimeField(const TimeFieldState& state);
// Up/Down: the hour while the caret stands before the colon, otherwise the minute; both wrap.
TimeFieldState stepTimeField(const TimeFieldState& state, int steps);

} // namespace breezekit
