#include "hid/core/Framing.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace breezekit {
namespace {

using Report = std::vector<std::uint8_t>;

std::vector<Report> frame(std::uint8_t code, std::u16string_view payload, int length) {
    std::vector<Report> reports;
    frameCommand(code, payload, length, [&](std::span<const std::uint8_t> r) {
        reports.emplace_back(r.begin(), r.end());
        return true;
    });
    return reports;
}

// A report of the given length: ID 1, code, count, then the bytes, then zeros.
Report report(std::uint8_t code, std::vector<std::uint8_t> bytes, int length) {
    Report r(static_cast<std::size_t>(length), 0);
    r[0] = 1;
    r[1] = code;
    r[2] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), r.begin() + 3);
    return r;
}

std::u16string counting(std::size_t n) {
    std::u16string text;
    for (std::size_t i = 0; i < n; ++i)
        text += static_cast<char16_t>(1 + i % 250);
    return text;
}
std::vector<std::uint8_t> countingBytes(std::size_t from, std::size_t to) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = from; i < to; ++i)
        bytes.push_back(static_cast<std::uint8_t>(1 + i % 250));
    return bytes;
}

struct FramingCase {
    const char* name;
    std::u16string payload;
    int length;
    std::vector<Report> expected;
};

// Test names show the case's name instead of its bytes.
void PrintTo(const FramingCase& c, std::ostream* out) {
    *out << c.name;
}

class FramingTest : public ::testing::TestWithParam<FramingCase> {};

TEST_P(FramingTest, FramesAsTheUnitExpects) {
    const FramingCase& c = GetParam();
    EXPECT_EQ(frame(16, c.payload, c.length), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, FramingTest,
    ::testing::Values(
        FramingCase{"empty_payload", u"", 65, {report(16, {}, 65)}},
        FramingCase{"one_byte", u"\x17", 65, {report(16, {23}, 65)}},
        FramingCase{"62_bytes_fill_one_report", counting(62), 65, {report(16, countingBytes(0, 62), 65)}},
        FramingCase{"63_bytes_spill_one",
                    counting(63),
                    65,
                    {report(16, countingBytes(0, 62), 65), report(16, countingBytes(62, 63), 65)}},
        FramingCase{"124_bytes_no_empty_third",
                    counting(124),
                    65,
                    {report(16, countingBytes(0, 62), 65), report(16, countingBytes(62, 124), 65)}},
        FramingCase{"high_byte_dropped", u"\u0419", 65, {report(16, {0x19}, 65)}},
        FramingCase{"zero_counts", std::u16string(u"A\0B", 3), 65, {report(16, {'A', 0, 'B'}, 65)}},
        FramingCase{"shortest_report", u"AB", 4, {report(16, {'A'}, 4), report(16, {'B'}, 4)}},
        FramingCase{"short_report_split", u"ABCDE", 8, {report(16, {'A', 'B', 'C', 'D', 'E'}, 8)}},
        FramingCase{"length_3_cannot_frame", u"A", 3, {}}, FramingCase{"length_0_cannot_frame", u"", 0, {}},
        FramingCase{"length_66_cannot_frame", u"A", 66, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FramingStop, AFalseFromTheSinkEndsTheCommand) {
    int calls = 0;
    const std::size_t handed = frameCommand(6, counting(200), 65, [&](std::span<const std::uint8_t>) {
        ++calls;
        return false;
    });
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(handed, 1u);
}

} // namespace
} // namespace breezekit
