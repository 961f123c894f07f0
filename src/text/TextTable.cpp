#include "text/TextTable.h"

namespace breezekit {

namespace {

// Columns: Russian, English, Chinese, Ukrainian, German, Danish, Polish, Norwegian.
const char* const kTable[kTextRows][kLanguageCount] = {
    /*  0 */ {"Select device", "Select device", "Select device", "Select device", "Select device",
              "Select device", "Select device", "Select device"},
    /*  1 */
    {"Select device mode", "Select device mode", "Select device mode", "Select device mode",
     "Select device mode", "Select device mode", "Select device mode", "Select device mode"},
    /*  2 */
    {"Select connection type", "Select connection type", "Select connection type", "Select connection type",
     "Select connection type", "Select connection type", "Select connection type", "Select connection type"},
    /*  3 */ {"Master", "Master", "Master", "Master", "Master", "Master", "Master", "Master"},
    /*  4 */ {"Slave", "Slave", "Slave", "Slave", "Slave", "Slave", "Slave", "Slave"},
    /*  5 */
    {"No Wi-Fi router", "No Wi-Fi router", "No Wi-Fi router", "No Wi-Fi router", "No Wi-Fi router",
     "No Wi-Fi router", "No Wi-Fi router", "No Wi-Fi router"},
    /*  6 */
    {"With Wi-Fi router", "With Wi-Fi router", "With Wi-Fi router", "With Wi-Fi router", "With Wi-Fi router",
     "With Wi-Fi router", "With Wi-Fi router", "With Wi-Fi router"},
    /*  7 */
    {"Receive current parameters", "Receive current parameters", "Receive current parameters",
     "Receive current parameters", "Receive current parameters", "Receive current parameters",
     "Receive current parameters", "Receive current parameters"},
    /*  8 */
    {"Restore default parameters", "Restore default parameters", "Restore default parameters",
     "Restore default parameters", "Restore default parameters", "Restore default parameters",
     "Restore default parameters", "Restore default parameters"},
    /*  9 */ {"Wi-Fi", "Wi-Fi", "Wi-Fi", "Wi-Fi", "Wi-Fi", "Wi-Fi", "Wi-Fi", "Wi-Fi"},
    /* 10 */ {"Fan", "Fan", "Fan", "Fan", "Fan", "Fan", "Fan", "Fan"},
    /* 11 */ {"Filter", "Filter", "Filter", "Filter", "Filter", "Filter", "Filter", "Filter"},
    /* 12 */
    {"Search Wi-Fi", "Search Wi-Fi", "Search Wi-Fi", "Search Wi-Fi", "Search Wi-Fi", "Search Wi-Fi",
     "Search Wi-Fi", "Search Wi-Fi"},
    /* 13 */
    {"Name of Wi-Fi (1 - 32 characters)", "Name of Wi-Fi (1 - 32 characters)",
     "Name of Wi-Fi (1 - 32 characters)", "Name of Wi-Fi (1 - 32 characters)",
     "Name of Wi-Fi (1 - 32 characters)", "Name of Wi-Fi (1 - 32 characters)",
     "Name of Wi-Fi (1 - 32 characters)", "Name of Wi-Fi (1 - 32 characters)"},
    /* 14 */
    {"Type of security", "Type of security", "Type of security", "Type of security", "Type of security",
     "Type of security", "Type of security", "Type of security"},
    /* 15 */ {"", "", "", "", "", "", "", ""},
    /* 16 */ {"", "", "", "", "", "", "", ""},
    /* 17 */ {"", "", "", "", "", "", "", ""},
    /* 18 */ {"", "", "", "", "", "", "", ""},
    /* 19 */
    {"New Wi-Fi password (8 - 60 characters)", "New Wi-Fi password (8 - 60 characters)",
     "New Wi-Fi password (8 - 60 characters)", "New Wi-Fi password (8 - 60 characters)",
     "New Wi-Fi password (8 - 60 characters)", "New Wi-Fi password (8 - 60 characters)",
     "New Wi-Fi password (8 - 60 characters)", "New Wi-Fi password (8 - 60 characters)"},
    /* 20 */
    {"Wi-Fi Password (0 - 60 characters)", "Wi-Fi Password (0 - 60 characters)",
     "Wi-Fi Password (0 - 60 characters)", "Wi-Fi Password (0 - 60 characters)",
     "Wi-Fi Password (0 - 60 characters)", "Wi-Fi Password (0 - 60 characters)",
     "Wi-Fi Password (0 - 60 characters)", "Wi-Fi Password (0 - 60 characters)"},
    /* 21 */
    {"Wi-Fi channel", "Wi-Fi channel", "Wi-Fi channel", "Wi-Fi channel", "Wi-Fi channel", "Wi-Fi channel",
     "Wi-Fi channel", "Wi-Fi channel"},
    /* 22 */
    {"MASTER IP address", "MASTER IP address", "MASTER IP address", "MASTER IP address", "MASTER IP address",
     "MASTER IP address", "MASTER IP address", "MASTER IP address"},
    /* 23 */
    {"SLAVE IP address", "SLAVE IP address", "SLAVE IP address", "SLAVE IP address", "SLAVE IP address",
     "SLAVE IP address", "SLAVE IP address", "SLAVE IP address"},
    /* 24 */
    {"SLAVE number", "SLAVE number", "SLAVE number", "SLAVE number", "SLAVE number", "SLAVE number",
     "SLAVE number", "SLAVE number"},
    /* 25 */ {"", "", "", "", "", "", "", ""},
    /* 26 */ {"", "", "", "", "", "", "", ""},
    /* 27 */
    {"Wi-Fi Connected", "Wi-Fi Connected", "Wi-Fi Connected", "Wi-Fi Connected", "Wi-Fi Connected",
     "Wi-Fi Connected", "Wi-Fi Connected", "Wi-Fi Connected"},
    /* 28 */
    {"Wi-Fi Disconnected", "Wi-Fi Disconnected", "Wi-Fi Disconnected", "Wi-Fi Disconnected",
     "Wi-Fi Disconnected", "Wi-Fi Disconnected", "Wi-Fi Disconnected", "Wi-Fi Disconnected"},
    /* 29 */
    {"Master Connected", "Master Connected", "Master Connected", "Master Connected", "Master Connected",
     "Master Connected", "Master Connected", "Master Connected"},
    /* 30 */
    {"Master Disconnected", "Master Disconnected", "Master Disconnected", "Master Disconnected",
     "Master Disconnected", "Master Disconnected", "Master Disconnected", "Master Disconnected"},
    /* 31 */
    {"Apply/Save", "Apply/Save", "Apply/Save", "Apply/Save", "Apply/Save", "Apply/Save", "Apply/Save",
     "Apply/Save"},
    /* 32 */
    {"Available OFF device", "Available OFF device", "Available OFF device", "Available OFF device",
     "Available OFF device", "Available OFF device", "Available OFF device", "Available OFF device"},
    /* 33 */
    {"Direction", "Direction", "Direction", "Direction", "Direction", "Direction", "Direction", "Direction"},
    /* 34 */ {"Supply", "Supply", "Supply", "Supply", "Supply", "Supply", "Supply", "Supply"},
    /* 35 */ {"Exhaust", "Exhaust", "Exhaust", "Exhaust", "Exhaust", "Exhaust", "Exhaust", "Exhaust"},
    /* 36 */ {" %RH", " %RH", " %RH", " %RH", " %RH", " %RH", " %RH", " %RH"},
    /* 37 */ {"Days: ", "Days: ", "Days: ", "Days: ", "Days: ", "Days: ", "Days: ", "Days: "},
    /* 38 */
    {"    Hours: ", "    Hours: ", "    Hours: ", "    Hours: ", "    Hours: ", "    Hours: ", "    Hours: ",
     "    Hours: "},
    /* 39 */
    {"    Minutes: ", "    Minutes: ", "    Minutes: ", "    Minutes: ", "    Minutes: ", "    Minutes: ",
     "    Minutes: ", "    Minutes: "},
    /* 40 */
    {"    Seconds: ", "    Seconds: ", "    Seconds: ", "    Seconds: ", "    Seconds: ", "    Seconds: ",
     "    Seconds: ", "    Seconds: "},
    /* 41 */
    {"Reset the filter timer", "Reset the filter timer", "Reset the filter timer", "Reset the filter timer",
     "Reset the filter timer", "Reset the filter timer", "Reset the filter timer", "Reset the filter timer"},
    /* 42 */ {"S/N:", "S/N:", "S/N:", "S/N:", "S/N:", "S/N:", "S/N:", "S/N:"},
    /* 43 */ {"Language", "Language", "Language", "Language", "Language", "Language", "Language", "Language"},
    /* 44 */
    {"Information", "Information", "Information", "Information", "Information", "Information", "Information",
     "Information"},
    /* 45 */
    {"Turn-off delay timer", "Turn-off delay timer", "Turn-off delay timer", "Turn-off delay timer",
     "Turn-off delay timer", "Turn-off delay timer", "Turn-off delay timer", "Turn-off delay timer"},
    /* 46 */
    {"Night mode timer", "Night mode timer", "Night mode timer", "Night mode timer", "Night mode timer",
     "Night mode timer", "Night mode timer", "Night mode timer"},
    /* 47 */
    {"Party mode timer", "Party mode timer", "Party mode timer", "Party mode timer", "Party mode timer",
     "Party mode timer", "Party mode timer", "Party mode timer"},
    /* 48 */
    {"Humidity sensor", "Humidity sensor", "Humidity sensor", "Humidity sensor", "Humidity sensor",
     "Humidity sensor", "Humidity sensor", "Humidity sensor"},
    /* 49 */
    {"Relay sensor", "Relay sensor", "Relay sensor", "Relay sensor", "Relay sensor", "Relay sensor",
     "Relay sensor", "Relay sensor"},
    /* 50 */
    {"0 - 10V sensor", "0 - 10V sensor", "0 - 10V sensor", "0 - 10V sensor", "0 - 10V sensor",
     "0 - 10V sensor", "0 - 10V sensor", "0 - 10V sensor"},
    /* 51 */
    {"Version: ", "Version: ", "Version: ", "Version: ", "Version: ", "Version: ", "Version: ", "Version: "},
    /* 52 */
    {"Developed by: ZEPHA", "Developed by: ZEPHA", "Developed by: ZEPHA", "Developed by: ZEPHA",
     "Developed by: ZEPHA", "Developed by: ZEPHA", "Developed by: ZEPHA", "Developed by: ZEPHA"},
    /* 53 */ {"", "", "", "", "", "", "", ""},
    /* 54 */
    {"   No devices", "   No devices", "   No devices", "   No devices", "   No devices", "   No devices",
     "   No devices", "   No devices"},
    /* 55 */
    {"Select device", "Select device", "Select device", "Select device", "Select device", "Select device",
     "Select device", "Select device"},
    /* 56 */
    {"Please wait...", "Please wait...", "Please wait...", "Please wait...", "Please wait...",
     "Please wait...", "Please wait...", "Please wait..."},
    /* 57 */
    {"The length of name of Wi-Fi must be 1 - 32 characters",
     "The length of name of Wi-Fi must be 1 - 32 characters",
     "The length of name of Wi-Fi must be 1 - 32 characters",
     "The length of name of Wi-Fi must be 1 - 32 characters",
     "The length of name of Wi-Fi must be 1 - 32 characters",
     "The length of name of Wi-Fi must be 1 - 32 characters",
     "The length of name of Wi-Fi must be 1 - 32 characters",
     "The length of name of Wi-Fi must be 1 - 32 characters"},
    /* 58 */
    {"The length of password must be 8 - 60 characters", "The length of password must be 8 - 60 characters",
     "The length of password must be 8 - 60 characters", "The length of password must be 8 - 60 characters",
     "The length of password must be 8 - 60 characters", "The length of password must be 8 - 60 characters",
     "The length of password must be 8 - 60 characters", "The length of password must be 8 - 60 characters"},
    /* 59 */
    {"Please close \"Service ZEPHA BreezeKit\"", "Please close \"Service ZEPHA BreezeKit\"",
     "Please close \"Service ZEPHA BreezeKit\"", "Please close \"Service ZEPHA BreezeKit\"",
     "Please close \"Service ZEPHA BreezeKit\"", "Please close \"Service ZEPHA BreezeKit\"",
     "Please close \"Service ZEPHA BreezeKit\"", "Please close \"Service ZEPHA BreezeKit\""},
    /* 60 */
    {"Boost in current mode", "Boost in current mode", "Boost in current mode", "Boost in current mode",
     "Boost in current mode", "Boost in current mode", "Boost in current mode", "Boost in current mode"},
    /* 61 */
    {"Boost and switch to exhaust mode", "Boost and switch to exhaust mode",
     "Boost and switch to exhaust mode", "Boost and switch to exhaust mode",
     "Boost and switch to exhaust mode", "Boost and switch to exhaust mode",
     "Boost and switch to exhaust mode", "Boost and switch to exhaust mode"},
    /* 62 */
    {"Humidity control scenario:", "Humidity control scenario:", "Humidity control scenario:",
     "Humidity control scenario:", "Humidity control scenario:", "Humidity control scenario:",
     "Humidity control scenario:", "Humidity control scenario:"},
    /* 63 */
    {"Default Gateway", "Default Gateway", "Default Gateway", "Default Gateway", "Default Gateway",
     "Default Gateway", "Default Gateway", "Default Gateway"},
};

} // namespace

const char* textTableEntry(int row, int languageIndex) {
    if (row < 0 || row >= kTextRows || languageIndex < 0 || languageIndex >= kLanguageCount) return "";
    return kTable[row][languageIndex];
}

} // namespace breezekit
