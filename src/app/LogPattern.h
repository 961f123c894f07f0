#pragma once

#include <QString>

namespace breezekit {

// Every log line starts with the time of day to the millisecond, then Qt's usual category and message.
inline constexpr const char* kLogPattern =
    "%{time hh:mm:ss.zzz} %{if-category}%{category}: %{endif}%{message}";

// Makes kLogPattern the pattern of every log line, unless the user set QT_MESSAGE_PATTERN.
void installLogPattern();

} // namespace breezekit
