#pragma once

#include "hid/core/ReportText.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace breezekit {

// One input report as a reader read it: bytes()[0] is the report ID, [1] the command code, [2] the
// length byte, [3] the first payload byte. Only a view: valid while the dispatch runs.
class InputReport {
  public:
    explicit InputReport(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::uint8_t code() const { return at(1); }
    // Payload byte k counts from 1; positions outside the report read as zero.
    std::uint8_t payloadByte(int k) const { return at(static_cast<std::size_t>(2 + k)); }
    // Every byte from payload byte 1 to the end of the report; empty when the report ends before it.
    std::span<const std::uint8_t> payload() const {
        return bytes_.size() > kFirstPayloadAt ? bytes_.subspan(kFirstPayloadAt)
                                               : std::span<const std::uint8_t>();
    }
    // Every byte from payload byte 1 to the end of the report, one character each, zeros included.
    std::u16string text() const { return reportText(afterId(), sizeAfterId()); }
    // The serial-number reply's text, as long as its length byte says but never past the report.
    std::u16string serialNumber() const { return serialNumberText(afterId(), sizeAfterId()); }

  private:
    static constexpr std::size_t kFirstPayloadAt = 3;

    std::uint8_t at(std::size_t i) const { return i < bytes_.size() ? bytes_[i] : 0; }
    const std::uint8_t* afterId() const { return bytes_.empty() ? nullptr : bytes_.data() + 1; }
    std::size_t sizeAfterId() const { return bytes_.empty() ? 0 : bytes_.size() - 1; }

    std::span<const std::uint8_t> bytes_;
};

} // namespace breezekit
