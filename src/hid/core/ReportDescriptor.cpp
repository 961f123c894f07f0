#include "hid/core/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace breezekit {

namespace {

enum ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2 };
enum MainTag : std::uint8_t { Input = 0x8, Output = 0x9, Feature = 0xB };
enum GlobalTag : std::uint8_t { ReportSize = 0x7, ReportId = 0x8, ReportCount = 0x9, Push = 0xA, Pop = 0xB };

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::size_t kMaxGlobalStackDepth = 32;
constexpr std::uint64_t kMaxReportBits = kMaxDescribedReportBytes * 8;

struct GlobalState {
    std::uint64_t reportSize = 0;
    std::uint64_t reportCount = 0;
    std::uint8_t reportId = 0;
};

enum Direction { In, Out, Feat, DirectionCount };
using ReportBits = std::array<std::uint64_t, DirectionCount>;

std::uint32_t itemValue(const std::uint8_t* data, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    return value;
}

std::size_t lengthOf(const std::map<std::uint8_t, ReportBits>& reports, Direction direction) {
    std::uint64_t largest = 0;
    bool any = false;
    for (const auto& [id, bits] : reports) {
        if (bits[direction] == 0) continue;
        any = true;
        largest = std::max(largest, bits[direction]);
    }
    return any ? static_cast<std::size_t>((largest + 7) / 8) + 1 : 0;
}

} // namespace

std::optional<ReportLengths> parseReportDescriptor(std::span<const std::uint8_t> descriptor) {
    GlobalState global;
    std::vector<GlobalState> stack;
    std::map<std::uint8_t, ReportBits> reports;
    bool numbered = false;

    std::size_t pos = 0;
    while (pos < descriptor.size()) {
        const std::uint8_t prefix = descriptor[pos];
        if (prefix == kLongItemPrefix) {
            if (pos + 2 >= descriptor.size()) return std::nullopt;
            const std::size_t dataSize = descriptor[pos + 1];
            pos += 3 + dataSize;
            if (pos > descriptor.size()) return std::nullopt;
            continue;
        }
        const std::size_t sizeCode = prefix & 0x03u;
        const std::size_t dataSize = sizeCode == 3 ? 4 : sizeCode;
        const auto type = static_cast<std::uint8_t>((prefix >> 2) & 0x03u);
        const auto tag = static_cast<std::uint8_t>(prefix >> 4);
        if (pos + 1 + dataSize > descriptor.size()) return std::nullopt;
        const std::uint32_t value = itemValue(descriptor.data() + pos + 1, dataSize);
        pos += 1 + dataSize;

        if (type == Global) {
            switch (tag) {
            case ReportSize:
                global.reportSize = value;
                break;
            case ReportCount:
                global.reportCount = value;
                break;
            case ReportId:
                global.reportId = static_cast<std::uint8_t>(value);
                numbered = true;
                break;
            case Push:
                if (stack.size() == kMaxGlobalStackDepth) return std::nullopt;
                stack.push_back(global);
                break;
            case Pop:
                if (stack.empty()) return std::nullopt;
                global = stack.back();
                stack.pop_back();
                break;
            default:
                break;
            }
        } else if (type == Main && (tag == Input || tag == Output || tag == Feature)) {
            const Direction direction = tag == Input ? In : tag == Output ? Out : Feat;
            std::uint64_t& bits = reports[global.reportId][direction];
            // Both factors are at most 32 bits wide, so the product fits before the limit check.
            bits += global.reportSize * global.reportCount;
            if (bits > kMaxReportBits) return std::nullopt;
        }
    }

    ReportLengths lengths;
    lengths.input = lengthOf(reports, In);
    lengths.output = lengthOf(reports, Out);
    lengths.feature = lengthOf(reports, Feat);
    lengths.numbered = numbered;
    return lengths;
}

} // namespace breezekit
