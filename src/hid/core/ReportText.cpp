#include "hid/core/ReportText.h"

#include "protocol/core/Commands.h"

#include <algorithm>

namespace breezekit {

namespace {
constexpr std::size_t kLengthByte = 1;
constexpr std::size_t kFirstPayloadByte = 2;

std::u16string bytesToText(const std::uint8_t* begin, std::size_t count) {
    std::u16string text(count, u'\0');
    std::transform(begin, begin + count, text.begin(), [](std::uint8_t b) { return char16_t{b}; });
    return text;
}
} // namespace

std::u16string reportText(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size <= kFirstPayloadByte) return {};
    return bytesToText(data + kFirstPayloadByte, size - kFirstPayloadByte);
}

std::u16string serialNumberText(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size <= kLengthByte) return {};
    const std::size_t inReport = size > kFirstPayloadByte ? size - kFirstPayloadByte : 0;
    const std::size_t count = std::min<std::size_t>(data[kLengthByte], inReport);
    return bytesToText(data + kFirstPayloadByte, count);
}

std::u16string_view cutAtZero(std::u16string_view text) {
    return text.substr(0, text.find(u'\0'));
}

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

std::string reportForLog(std::span<const std::uint8_t> report) {
    constexpr std::size_t kCodeAt = 1;
    constexpr std::size_t kFirstPayloadAt = 3; // report ID, code, length byte
    if (report.size() <= kFirstPayloadAt || report[kCodeAt] != CmdPassword) return hexBytes(report);
    std::string out = hexBytes(report.first(kFirstPayloadAt));
    for (std::size_t i = kFirstPayloadAt; i < report.size(); ++i)
        out += " **";
    return out;
}

} // namespace breezekit
