#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace breezekit {

// The text of an input report's payload: data[2] to the end, one character per byte, zeros included.
// data[0] is the command code and data[1] the length byte; size counts the bytes of data.
std::u16string reportText(const std::uint8_t* data, std::size_t size);

// The serial-number reply: as many characters as the length byte data[1] says, but never past the end
// of the report.
std::u16string serialNumberText(const std::uint8_t* data, std::size_t size);

// What a control shows of a report text: the part before its first U+0000.
std::u16string_view cutAtZero(std::u16string_view text);

// Bytes as two-digit upper-case hex separated by single spaces.
std::string hexBytes(std::span<const std::uint8_t> bytes);

// A whole report (report ID first) as hexBytes writes it, except that the payload of a password report
// shows as ** per byte, so that a log can be shared.
std::string reportForLog(std::span<const std::uint8_t> report);

} // namespace breezekit
