#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace breezekit::testing {

constexpr std::size_t kUnitReportLength = 65;

// An input report as a unit sends it: report ID 1, the code, the length byte (the payload's size unless
// given), the payload as far as the report holds it, zeros to the end.
inline std::vector<std::uint8_t> inputReport(std::uint8_t code, const std::vector<std::uint8_t>& payload = {},
                                             std::size_t length = kUnitReportLength,
                                             std::optional<std::uint8_t> lengthByte = std::nullopt) {
    std::vector<std::uint8_t> report(length, 0);
    const std::uint8_t head[] = {1, code, lengthByte.value_or(static_cast<std::uint8_t>(payload.size()))};
    std::copy_n(head, std::min(length, std::size(head)), report.begin());
    if (length > std::size(head))
        std::copy_n(payload.begin(), std::min(payload.size(), length - std::size(head)), report.begin() + 3);
    return report;
}

inline std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

} // namespace breezekit::testing
