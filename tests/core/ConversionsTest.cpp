#include "protocol/core/Conversions.h"

#include "protocol/core/Encodings.h"

#include <gtest/gtest.h>

namespace breezekit {
namespace {

TEST(Conversions, ReportedAddressesAndTimesAsTheWindowShowsThem) {
    // The read-back's own cases, through the shared encodings it uses.
    EXPECT_EQ(dottedIpv4(ipv4Payload({0xC0, 0xA8, 0x04, 0x02})), "192.168.4.2");
    EXPECT_EQ(dottedIpv4(ipv4Payload({0, 0, 0, 0})), "0.0.0.0");
    struct Case {
        std::uint8_t b1, b2, b3;
        const char* text;
    };
    const Case cases[] = {
        {0x00, 0x00, 0x3B, "00:00"}, // 59: the seconds within the minute are dropped
        {0x00, 0x15, 0x18, "01:30"}, // 5400
        {0x01, 0x5F, 0x90, "01:00"}, // 90000: whole days are dropped
        {0x01, 0x51, 0x7F, "23:59"}, // 86399
        {0xFF, 0xFF, 0xFF, "04:20"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timeText(timeOfSeconds(secondsFrom24(c.b1, c.b2, c.b3))), c.text) << c.text;
}

TEST(Conversions, SliderPositionOfThreshold) {
    struct Case {
        std::uint8_t value;
        int minimum, maximum;
        int position;
    };
    const Case cases[] = {
        {70, 8, 16, 14},  {72, 8, 16, 14}, {73, 8, 16, 15},  {0, 8, 16, 8},   {255, 8, 16, 16},
        {40, 8, 16, 8},   {80, 8, 16, 16}, {0, 1, 20, 1},    {12, 1, 20, 2},  {13, 1, 20, 3},
        {100, 1, 20, 20}, {5, 1, 20, 1},   {102, 1, 20, 20}, {98, 1, 20, 20}, {97, 1, 20, 19},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sliderPositionOfThreshold(c.value, c.minimum, c.maximum), c.position)
            << int{c.value} << " in " << c.minimum << ".." << c.maximum;
}

TEST(Conversions, TwoValuedBytes) {
    EXPECT_EQ(oneOrZero(1), true);
    EXPECT_EQ(oneOrZero(0), false);
    EXPECT_FALSE(oneOrZero(2).has_value());
    EXPECT_FALSE(oneOrZero(0xFF).has_value());

    EXPECT_EQ(slaveDhcpItem(1), 0);
    EXPECT_EQ(slaveDhcpItem(0), 1);
    EXPECT_FALSE(slaveDhcpItem(2).has_value());

    EXPECT_EQ(withRouterOfConnectionType(1), true);
    EXPECT_EQ(withRouterOfConnectionType(2), false);
    for (std::uint8_t other : {0, 3, 0xFF})
        EXPECT_FALSE(withRouterOfConnectionType(other).has_value());
}

TEST(Conversions, MasterAccessPointNameOnlyByItsExactPrefix) {
    struct Case {
        std::u16string_view ssid;
        bool masterAccessPoint;
    };
    const Case cases[] = {
        {u"BreezeKit", true},     {u"BreezeKit_1234", true}, {u"breezekit_1234", false},
        {u"My BreezeKit", false}, {u"Breeze", false},        {u"", false},
        {u" BreezeKit", false},   {u"BREEZEKIT", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isMasterAccessPointName(c.ssid), c.masterAccessPoint)
            << std::string(c.ssid.begin(), c.ssid.end());
}

TEST(Conversions, RouterOfAUnit) {
    struct Case {
        const char* name;
        std::uint8_t mode;
        std::uint8_t connectionType;
        std::u16string_view ssid;
        std::optional<bool> router;
    };
    const Case cases[] = {
        {"master with router", 1, 1, u"BreezeKit-1", true},
        {"master without router", 1, 2, u"Home", false},
        {"master of another type", 1, 3, u"Home", std::nullopt},
        {"slave on the master's access point", 0, 1, u"BreezeKit-0587", false},
        {"slave on a router", 0, 1, u"Home-5G", true},
        {"slave whatever its type", 0, 2, u"Home-5G", true},
        {"slave with the letters later", 0, 1, u"My BreezeKit", true},
        {"slave on an unnamed network", 0, 1, u"", true},
        {"unknown role by its type", 7, 2, u"Home", false},
    };
    for (const Case& c : cases) {
        DeviceSettings s;
        s.DeviceMode = c.mode;
        s.ConnectionType = c.connectionType;
        s.Ssid = c.ssid;
        EXPECT_EQ(withRouterOf(s), c.router) << c.name;
        if (c.mode == 0) {
            EXPECT_EQ(slaveWithRouter(c.ssid), c.router) << c.name;
        }
    }
}

} // namespace
} // namespace breezekit
