#pragma once

#include <cstdint>

namespace breezekit {

// Rows 0..63 are the window's own table; the rows after it hold the program's later messages.
constexpr int kTextRows = 69;
constexpr int kLanguageCount = 8;

// Languages in TextTable column order; the value is the LanguageIndex.
enum Language : std::uint8_t { Russian, English, Chinese, Ukrainian, German, Danish, Polish, Norwegian };

// The UTF-8 text of a row in a language; the empty text for a row or language out of range.
const char* textTableEntry(int row, int languageIndex);

} // namespace breezekit
