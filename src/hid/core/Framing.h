#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace breezekit {

// Output reports: report ID, command code, payload count, payload, zeros to the end.
constexpr std::uint8_t kOutputReportId = 1;
constexpr std::size_t kReportBufferSize = 65; // report ID and 64 bytes
constexpr std::size_t kFrameHeaderSize = 3;   // report ID, code, count
constexpr int kMinFramedLength = 4;           // room for one payload byte
constexpr int kMaxFramedLength = static_cast<int>(kReportBufferSize);

// Whether an output report length can carry the framing at all.
constexpr bool canFrame(int outputReportLength) {
    return outputReportLength >= kMinFramedLength && outputReportLength <= kMaxFramedLength;
}

// Called once per framed report; false stops the command's remaining reports.
using ReportSink = std::function<bool(std::span<const std::uint8_t> report)>;

// Frames one command into output reports of the given length and hands each to the sink, in order.
// Each payload character contributes its low 8 bits. Returns the number of reports handed on; 0 when
// the length cannot be framed.
std::size_t frameCommand(std::uint8_t code, std::u16string_view payload, int outputReportLength,
                         const ReportSink& sink);

} // namespace breezekit
