#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace breezekit {

// Report lengths as the window uses them: the largest report of each direction plus one byte (the
// report ID, or a 0 byte for an interface without numbered reports); 0 for a direction with no report.
struct ReportLengths {
    std::size_t input = 0;
    std::size_t output = 0;
    std::size_t feature = 0;
    bool numbered = false; // the interface's reports start with a report ID

    bool operator==(const ReportLengths&) const = default;
};

// The kernel's limit on one report; a descriptor that declares a larger one is rejected.
constexpr std::size_t kMaxDescribedReportBytes = 16384;

// Computes the report lengths from a HID report descriptor. None when the descriptor is malformed
// (an item runs past the end, the global stack overflows, a report exceeds the limit).
[[nodiscard]] std::optional<ReportLengths> parseReportDescriptor(std::span<const std::uint8_t> descriptor);

} // namespace breezekit
