#include "text/core/Languages.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace breezekit {
namespace {

struct OsCodeCase {
    const char* code;
    int expected;
};

class OsLanguage : public testing::TestWithParam<OsCodeCase> {};

TEST_P(OsLanguage, MapsTheIsoCodeToTheLanguageIndex) {
    EXPECT_EQ(languageFromOsCode(GetParam().code), GetParam().expected) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, OsLanguage,
    testing::Values(OsCodeCase{"ru", Russian}, OsCodeCase{"en", English}, OsCodeCase{"zh", Chinese},
                    OsCodeCase{"uk", Ukrainian}, OsCodeCase{"de", German}, OsCodeCase{"da", Danish},
                    OsCodeCase{"pl", Polish}, OsCodeCase{"no", Norwegian},
                    // Bokmål and Nynorsk are what systems report for Norwegian.
                    OsCodeCase{"nb", Norwegian}, OsCodeCase{"nn", Norwegian},
                    // Anything else, or a failed query, is English.
                    OsCodeCase{"fr", English}, OsCodeCase{"", English}, OsCodeCase{"C", English},
                    // Whole and case-sensitive.
                    OsCodeCase{"DE", English}, OsCodeCase{"de_DE", English}, OsCodeCase{"d", English},
                    OsCodeCase{"rus", English}),
    // Named by the code, so names stay the same from build to build.
    [](const testing::TestParamInfo<OsCodeCase>& info) {
        std::string name = std::to_string(info.index) + "_";
        const std::string_view code = info.param.code;
        if (code.empty()) return name + "empty";
        for (char c : code)
            name += std::isalnum(static_cast<unsigned char>(c)) ? std::string(1, c) : "_";
        return name;
    });

TEST(StoredLanguage, OnlyALanguageIndexCounts) {
    for (long long value = 0; value < 8; ++value)
        EXPECT_EQ(languageFromStoredValue(value), std::optional<std::uint8_t>(value)) << value;
    for (long long value : {-1LL, 8LL, 255LL, 256LL, 0x100000000LL, -0x80000000LL})
        EXPECT_EQ(languageFromStoredValue(value), std::nullopt) << value;
}

TEST(Languages, ComboItemsFollowTheIndexOrder) {
    const char* const items[] = {"РУС", "ENG", "中文", "УКР", "DEU", "DAN", "POL", "NOR"};
    for (std::size_t i = 0; i < kLanguages.size(); ++i)
        EXPECT_EQ(kLanguages[i].comboItem, items[i]) << i;
}

} // namespace
} // namespace breezekit
