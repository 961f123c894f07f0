#include "text/core/TextTable.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace breezekit {
namespace {

using Row = std::array<const char*, kLanguageCount>;

TEST(TextTable, OutOfRangeLookupsGiveTheEmptyText) {
    for (auto [row, language] : {std::pair{-1, 1}, {kTextRows, 1}, {0, -1}, {0, 8}})
        EXPECT_EQ(std::string(textTableEntry(row, language)), "") << row << "/" << language;
}

// The rows whose every translation is fixed, character for character.
TEST(TextTable, RowsGivenInEveryLanguageAreExact) {
    const std::pair<int, Row> rows[] = {
        {0,
         {"Выберите устройство", "Select device", "选择设备", "Виберіть пристрій", "Gerät wählen",
          "Vælg en enhed", "Wybierz urządzenie", "Velg en enhet"}},
        {36, {" %RH", " %RH", " %RH", " %RH", " %RF", " %RH", " %RH", " %RH"}},
        {37, {"Дней: ", "Days: ", "日期: ", "Днів: ", "Tage: ", "Dage", "Dni", "Dager"}},
        {38,
         {"    Часов: ", "    Hours: ", "    小时: ", "    Годин: ", "    Stunden: ", "    Timer",
          "    Godzin", "    Timer"}},
        {39,
         {"    Минут: ", "    Minutes: ", "    分钟: ", "    Хвилин: ", "    Minuten: ", "    Minutter",
          "    Minut", "    Minutter"}},
        {40,
         {"    Секунд: ", "    Seconds: ", "    秒数: ", "    Секунд: ", "    Sekunden: ", "    Sekunder",
          "    Sekund", "    Sekunder"}},
        {42, {"С/Н:", "S/N:", "编码:", "С/Н:", "S/N:", "S/N", "C/H", "S/N"}},
        {52,
         {"Разработано: ZEPHA", "Developed by: ZEPHA", "由...创造: ZEPHA", "Розроблено: ZEPHA",
          "Entwickelt von: ZEPHA", "Udviklet af: ZEPHA", "Sporządzono: ZEPHA", "Utviklet av: ZEPHA"}},
        {54,
         {"   Нет устройств", "   No devices", "   沒有設備", "   Немає пристроїв", "   Keine Geräte",
          "   Ingen enheder", "   Brak urządzeń", "   Ingen enheter"}},
        {55,
         {"Пожалуйста, выберите устройство", "Select device", "請選擇設備", "Будь ласка, виберіть пристрій",
          "Gerät wählen", "Vælg enhed", "Proszę o wybranie urządzenia", "Velg enhet"}},
        {59,
         {"Пожалуйста, закройте \"Service ZEPHA BreezeKit\"", "Please close \"Service ZEPHA BreezeKit\"",
          "請關閉 \"Service ZEPHA BreezeKit\"", "Будь ласка, закрийте \"Service ZEPHA BreezeKit\"",
          "Bitte \"Service ZEPHA BreezeKit\" schließen", "Luk venligst \"Service ZEPHA BreezeKit\"",
          "Proszę o zamknięcie \"Service ZEPHA BreezeKit\"", "Vennligst lukk \"Service ZEPHA BreezeKit\""}},
        {62,
         {"Сценарий управления влажностью", "Humidity control scenario:", "湿度控制方案：",
          "Сценарій управління вологістю:", "Szenario für Feuchteregelung :", "Fugtighedsjustering scenario",
          "Scenariusz sterowania wilgotnością", "Fuktighetsjustering scenario"}},
    };
    for (const auto& [row, texts] : rows)
        for (int language = 0; language < kLanguageCount; ++language)
            EXPECT_EQ(std::string(textTableEntry(row, language)), texts[static_cast<std::size_t>(language)])
                << "row " << row << ", language " << language;
}

TEST(TextTable, EnglishTextsAreExact) {
    const std::pair<int, const char*> rows[] = {
        {1, "Select device mode"},
        {2, "Select connection type"},
        {3, "Master"},
        {4, "Slave"},
        {5, "No Wi-Fi router"},
        {6, "With Wi-Fi router"},
        {7, "Receive current parameters"},
        {8, "Restore default parameters"},
        {9, "Wi-Fi"},
        {10, "Fan"},
        {11, "Filter"},
        {12, "Search Wi-Fi"},
        {13, "Name of Wi-Fi (1 - 32 characters)"},
        {14, "Type of security"},
        {19, "New Wi-Fi password (8 - 60 characters)"},
        {20, "Wi-Fi Password (0 - 60 characters)"},
        {21, "Wi-Fi channel"},
        {22, "MASTER IP address"},
        {23, "SLAVE IP address"},
        {24, "SLAVE number"},
        {27, "Wi-Fi Connected"},
        {28, "Wi-Fi Disconnected"},
        {29, "Master Connected"},
        {30, "Master Disconnected"},
        {31, "Apply/Save"},
        {32, "Available OFF device"},
        {33, "Direction"},
        {34, "Supply"},
        {35, "Exhaust"},
        {41, "Reset the filter timer"},
        {43, "Language"},
        {44, "Information"},
        {45, "Turn-off delay timer"},
        {46, "Night mode timer"},
        {47, "Party mode timer"},
        {48, "Humidity sensor"},
        {49, "Relay sensor"},
        {50, "0 - 10V sensor"},
        {51, "Version: "},
        {56, "Please wait..."},
        {57, "The length of name of Wi-Fi must be 1 - 32 characters"},
        {58, "The length of password must be 8 - 60 characters"},
        {60, "Boost in current mode"},
        {61, "Boost and switch to exhaust mode"},
        {63, "Default Gateway"},
    };
    for (const auto& [row, english] : rows)
        EXPECT_EQ(std::string(textTableEntry(row, English)), english) << "row " << row;
}

std::size_t leadingSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? text.size() : first;
}

std::size_t trailingSpaces(const std::string& text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? text.size() : text.size() - 1 - last;
}

// Rows that nothing shows may stay empty; every other text exists in every language, with the spaces
// around it that the English text has (the filter headings of rows 37 to 40 differ by design).
TEST(TextTable, TranslationsKeepTheEnglishSpacing) {
    for (int row = 0; row < kTextRows; ++row) {
        if (row == 18 || row == 25 || row == 26) continue;
        const std::string english = textTableEntry(row, English);
        for (int language = 0; language < kLanguageCount; ++language) {
            const std::string text = textTableEntry(row, language);
            EXPECT_FALSE(text.empty()) << "row " << row << ", language " << language;
            if (row >= 37 && row <= 40) continue;
            EXPECT_EQ(leadingSpaces(text), leadingSpaces(english))
                << "row " << row << ", language " << language;
            EXPECT_EQ(trailingSpaces(text), trailingSpaces(english))
                << "row " << row << ", language " << language;
        }
    }
}

// Both texts about access name the rule file and where it is described, in every language.
TEST(TextTable, AccessTextsNameTheRuleFile) {
    for (int row : {53, 67})
        for (int language = 0; language < kLanguageCount; ++language) {
            const std::string text = textTableEntry(row, language);
            EXPECT_NE(text.find("70-breezekit.rules"), std::string::npos)
                << "row " << row << ", language " << language;
            EXPECT_NE(text.find("README"), std::string::npos) << "row " << row << ", language " << language;
        }
}

} // namespace
} // namespace breezekit
