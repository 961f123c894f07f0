#include "protocol/core/NetworkSearch.h"

#include "protocol/core/Commands.h"

#include <gtest/gtest.h>

namespace breezekit {
namespace {

TEST(NetworkName, FirstQuotedFieldOfTheModuleLine) {
    struct Case {
        const char16_t* line;
        const char16_t* name;
    } cases[] = {
        {u"+CWLAP:(3,\"Home-5G\",-52,\"a0:b1:c2:d3:e4:f5\",6)", u"Home-5G"},
        {u"+CWLAP:(3,\"\",-52,\"a0:b1:c2:d3:e4:f5\",6)", u""},
        {u"+CWLAP:(3,\"My,Net\",-70,\"a0:b1:c2:d3:e4:f5\",1)", u"My,Net"},
        {u"+CWLAP:(3,Home,-52,a0,6)", u""},  // no quotes at all
        {u"X\"Home\",-52", u"\"Home"},       // no comma-quote: the name starts at the second character
        {u"+CWLAP:(3,\"Home", u""},          // no closing quote-comma
        {u"\",+CWLAP:(3,\"Home\",-52", u""}, // the first quote-comma stands before the name
        {u"", u""},
        {u"+CWLAP:(3,\"Caf\u00E9\",-40,\"x\",2)", u"Caf\u00E9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(networkNameOfLine(c.line), c.name) << std::u16string_view(c.line).size();
}

TEST(NetworkName, ReportTextWithTrailingZerosKeepsTheName) {
    std::u16string text = u"+CWLAP:(3,\"Home-5G\",-52,\"a0:b1:c2:d3:e4:f5\",6)";
    text.resize(62, u'\0');
    EXPECT_EQ(networkNameOfLine(text), u"Home-5G");
}

TEST(NetworkSearch, RequestAndEndSequences) {
    const CommandSequence request{
        {CmdSearch, u"\x01", 0},
        {CmdModuleText, u"AT+CWQAP\r\n", 100},
        {CmdModuleText, u"AT+CWMODE_DEF=1\r\n", 100},
        {CmdModuleText, u"AT+CWLAP\r\n", 0},
    };
    EXPECT_EQ(searchRequestCommands(), request);
    const CommandSequence end{
        {CmdSearch, Payload(1, u'\0'), 0},
        {CmdModuleSwitch, Payload(1, u'\0'), 200},
        {CmdModuleSwitch, u"\x01", 0},
    };
    EXPECT_EQ(searchEndCommands(), end);
}

} // namespace
} // namespace breezekit
