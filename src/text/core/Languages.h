#pragma once

#include "text/core/TextTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace breezekit {

struct LanguageInfo {
    std::string_view comboItem; // UTF-8 item of the language combo
    std::string_view osCode;    // ISO 639 code of the operating system's language
};

// In LanguageIndex order.
inline constexpr std::array<LanguageInfo, 8> kLanguages{{
    {"РУС", "ru"},
    {"ENG", "en"},
    {"中文", "zh"},
    {"УКР", "uk"},
    {"DEU", "de"},
    {"DAN", "da"},
    {"POL", "pl"},
    {"NOR", "no"},
}};

// The LanguageIndex of an ISO 639 language code, compared whole and case-sensitive; English for any
// other code. Norwegian Bokmål ("nb") and Nynorsk ("nn") count as Norwegian.
std::uint8_t languageFromOsCode(std::string_view code);

// A stored language choice: the value when it is a LanguageIndex (0..7), else none.
std::optional<std::uint8_t> languageFromStoredValue(long long value);

} // namespace breezekit
