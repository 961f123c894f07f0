#include "hid/core/ReportText.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace breezekit {
namespace {

struct TextCase {
    const char* name;
    std::vector<std::uint8_t> data; // from the code byte on
    std::u16string reportText;
    std::u16string serialText;
};

// Test names show the case's name instead of its bytes.
void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class ReportTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReportTextTest, ConvertsBytesToCharacters) {
    const TextCase& c = GetParam();
    EXPECT_EQ(reportText(c.data.data(), c.data.size()), c.reportText);
    EXPECT_EQ(serialNumberText(c.data.data(), c.data.size()), c.serialText);
}

std::vector<std::uint8_t> with64(std::vector<std::uint8_t> head) {
    head.resize(64, 0);
    return head;
}

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportTextTest,
    ::testing::Values(TextCase{"empty", {}, u"", u""}, TextCase{"code_only", {6}, u"", u""},
                      TextCase{"size_2_is_empty", {6, 3}, u"", u""},
                      TextCase{"three_letters_then_zeros", with64({6, 3, 'a', 'b', 'c'}),
                               u"abc" + std::u16string(59, u'\0'), u"abc"},
                      TextCase{"length_byte_ignored_by_report_text", {23, 1, 'x', 'y'}, u"xy", u"x"},
                      TextCase{"length_zero", {23, 0, 'x'}, u"x", u""},
                      TextCase{"length_past_report", {23, 200, 'a', 'b', 'c'}, u"abc", u"abc"},
                      TextCase{"latin1_bytes", {23, 2, 0xC4, 0xFF}, u"\u00C4\u00FF", u"\u00C4\u00FF"},
                      TextCase{"zero_inside_kept",
                               {23, 3, 'a', 0, 'b'},
                               std::u16string(u"a\0b", 3),
                               std::u16string(u"a\0b", 3)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CutAtZero, KeepsThePartBeforeTheFirstZero) {
    struct Case {
        std::u16string in;
        std::u16string out;
    };
    const Case cases[] = {{u"", u""},
                          {u"abc", u"abc"},
                          {std::u16string(u"ab\0cd", 5), u"ab"},
                          {std::u16string(u"\0abc", 4), u""}};
    for (const Case& c : cases)
        EXPECT_EQ(cutAtZero(c.in), c.out);
}

TEST(HexBytes, TwoUpperCaseDigitsSeparatedBySpaces) {
    const std::uint8_t bytes[] = {0x01, 0x10, 0xAB, 0x00, 0xFF};
    EXPECT_EQ(hexBytes(bytes), "01 10 AB 00 FF");
    EXPECT_EQ(hexBytes({}), "");
}

} // namespace
} // namespace breezekit
