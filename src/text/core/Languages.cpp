#include "text/core/Languages.h"

#include "text/core/TextTable.h"

namespace breezekit {

std::uint8_t languageFromOsCode(std::string_view code) {
    for (std::size_t i = 0; i < kLanguages.size(); ++i)
        if (kLanguages[i].osCode == code) return static_cast<std::uint8_t>(i);
    // Systems name Norwegian by its written forms, Bokmål or Nynorsk, rather than by "no".
    if (code == "nb" || code == "nn") return Norwegian;
    return English;
}

std::optional<std::uint8_t> languageFromStoredValue(long long value) {
    if (value < 0 || value >= static_cast<long long>(kLanguages.size())) return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

} // namespace breezekit
