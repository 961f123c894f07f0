#include "hid/core/Framing.h"

#include <algorithm>
#include <array>

namespace breezekit {

std::size_t frameCommand(std::uint8_t code, std::u16string_view payload, int outputReportLength,
                         const ReportSink& sink) {
    if (!canFrame(outputReportLength)) return 0;
    const auto n = static_cast<std::size_t>(outputReportLength);
    const std::size_t perReport = n - kFrameHeaderSize;
    std::array<std::uint8_t, kReportBufferSize> buffer{};
    buffer[0] = kOutputReportId;
    buffer[1] = code;

    std::size_t pos = 0;
    std::size_t written = 0;
    // An empty payload still goes out as one report with count 0.
    do {
        const std::size_t chunk = std::min(perReport, payload.size() - pos);
        std::fill(buffer.begin() + kFrameHeaderSize, buffer.end(), std::uint8_t{0});
        buffer[2] = static_cast<std::uint8_t>(chunk);
        for (std::size_t k = 0; k < chunk; ++k)
            buffer[kFrameHeaderSize + k] = static_cast<std::uint8_t>(payload[pos + k] & 0xFFu);
        pos += chunk;
        ++written;
        if (!sink(std::span<const std::uint8_t>(buffer.data(), n))) break;
    } while (pos < payload.size());
    return written;
}

} // namespace breezekit
