#include "protocol/core/Encodings.h"

#include <gtest/gtest.h>

namespace breezekit {
namespace {

TEST(Encodings, OneByteValues) {
    EXPECT_EQ(flagPayload(true), u"\x01");
    EXPECT_EQ(flagPayload(false), Payload(1, u'\0'));
    EXPECT_EQ(numberPayload(0), Payload(1, u'\0'));
    EXPECT_EQ(numberPayload(255), u"\xFF");
}

TEST(Encodings, Ipv4GoesFirstNumberFirst) {
    struct Case {
        Ipv4 address;
        Payload payload;
        const char* dotted;
    } cases[] = {
        {{192, 168, 4, 1}, u"\xC0\xA8\x04\x01", "192.168.4.1"},
        {{10, 0, 0, 5}, Payload{u'\x0A', u'\0', u'\0', u'\x05'}, "10.0.0.5"},
        {{255, 255, 255, 255}, u"\xFF\xFF\xFF\xFF", "255.255.255.255"},
        {{0, 0, 0, 0}, Payload(4, u'\0'), "0.0.0.0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ipv4Payload(c.address), c.payload) << c.dotted;
        EXPECT_EQ(ipv4FromPayload(c.payload), c.address) << c.dotted;
        EXPECT_EQ(dottedIpv4(c.payload), c.dotted);
    }
    EXPECT_EQ(ipv4Payload(kAccessPointAddress), u"\xC0\xA8\x04\x01");
}

TEST(Encodings, Ipv4PayloadThatIsNoAddress) {
    for (std::u16string_view payload :
         {std::u16string_view(), std::u16string_view(u"\x01\x02\x03"),
          std::u16string_view(u"\x01\x02\x03\x04\x05"), std::u16string_view(u"\x01\x02\x03\u0104")}) {
        EXPECT_FALSE(ipv4FromPayload(payload).has_value()) << payload.size();
        EXPECT_EQ(dottedIpv4(payload), "");
    }
}

TEST(Encodings, DottedAddressText) {
    struct Case {
        const char* text;
        std::optional<Ipv4> address;
    } cases[] = {
        {"192.168.4.1", Ipv4{192, 168, 4, 1}},
        {"0.0.0.0", Ipv4{0, 0, 0, 0}},
        {"255.255.255.255", Ipv4{255, 255, 255, 255}},
        {"010.001.000.009", Ipv4{10, 1, 0, 9}},
        {"10.0.0.256", std::nullopt},
        {"10.0.5", std::nullopt},
        {"10.0.0.5.6", std::nullopt},
        {"10.0.0.5.", std::nullopt},
        {"10..0.5", std::nullopt},
        {"a.b.c.d", std::nullopt},
        {"10.0.-1.5", std::nullopt},
        {"+1.2.3.4", std::nullopt},
        {" 1.2.3.4", std::nullopt},
        {"1.2.3.0004", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseDottedIpv4(c.text), c.address) << c.text;
}

TEST(Encodings, Seconds24MostSignificantFirst) {
    struct Case {
        std::uint32_t seconds;
        Payload payload;
    } cases[] = {
        {0, Payload(3, u'\0')},
        {5400, Payload{u'\0', u'\x15', u'\x18'}},
        {23 * 3600 + 59 * 60, u"\x01\x51\x44"},
        {0xFFFFFF, u"\xFF\xFF\xFF"},
        {0x1000000 + 0x10203, u"\x01\x02\x03"}, // only the low 24 bits travel
    };
    for (const Case& c : cases) {
        const Payload payload = seconds24Payload(c.seconds);
        EXPECT_EQ(payload, c.payload) << c.seconds;
        EXPECT_EQ(secondsFrom24(static_cast<std::uint8_t>(payload[0]), static_cast<std::uint8_t>(payload[1]),
                                static_cast<std::uint8_t>(payload[2])),
                  c.seconds & kMaxSeconds24);
    }
}

TEST(Encodings, TimeOfDayText) {
    struct Case {
        const char* text;
        std::optional<TimeOfDay> time;
    } cases[] = {
        {"00:00", TimeOfDay{0, 0}}, {"01:30", TimeOfDay{1, 30}}, {"23:59", TimeOfDay{23, 59}},
        {"24:00", std::nullopt},    {"29:59", std::nullopt},     {"12:60", std::nullopt},
        {"1:30", std::nullopt},     {"01:3", std::nullopt},      {"01.30", std::nullopt},
        {"0a:30", std::nullopt},    {"", std::nullopt},          {"01:300", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseTimeText(c.text), c.time) << c.text;
        if (c.time) {
            EXPECT_EQ(timeText(*c.time), c.text);
        }
    }
    EXPECT_EQ(secondsOfTime({1, 30}), 5400u);
    EXPECT_EQ(secondsOfTime({23, 59}), 23u * 3600 + 59 * 60);
}

TEST(Encodings, TwoDigitsPadsOnlyBelowTen) {
    struct Case {
        unsigned number;
        const char* text;
    } cases[] = {{0, "00"}, {7, "07"}, {9, "09"}, {10, "10"}, {59, "59"}, {364, "364"}};
    for (const Case& c : cases)
        EXPECT_EQ(twoDigits(c.number), c.text) << c.number;
}

TEST(Encodings, TimeOfReportedSecondsDropsDaysAndSeconds) {
    struct Case {
        std::uint32_t seconds;
        TimeOfDay time;
    } cases[] = {{5400, {1, 30}}, {90000, {1, 0}}, {59, {0, 0}}, {86399, {23, 59}}, {0xFFFFFF, {4, 20}}};
    for (const Case& c : cases)
        EXPECT_EQ(timeOfSeconds(c.seconds), c.time) << c.seconds;
}

TEST(Encodings, ThresholdIsPositionTimesFive) {
    EXPECT_EQ(thresholdOfPosition(14), 70);
    EXPECT_EQ(thresholdOfPosition(8), 40);
    EXPECT_EQ(thresholdOfPosition(16), 80);
    EXPECT_EQ(thresholdOfPosition(1), 5);
    EXPECT_EQ(thresholdOfPosition(20), 100);
}

TEST(Encodings, ThresholdRangesAsSliderPositions) {
    struct Case {
        ThresholdRange range;
        int first, last;
    } cases[] = {{kHumidityThresholds, 8, 16}, {kAnalogThresholds, 1, 20}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.range.firstPosition(), c.first);
        EXPECT_EQ(c.range.lastPosition(), c.last);
        EXPECT_EQ(thresholdOfPosition(c.first), c.range.minimum);
        EXPECT_EQ(thresholdOfPosition(c.last), c.range.maximum);
    }
}

TEST(Encodings, SecurityItemAndDigitBothWays) {
    const std::pair<int, std::uint8_t> pairs[] = {{0, '0'}, {1, '2'}, {2, '3'}, {3, '4'}};
    for (auto [item, digit] : pairs) {
        EXPECT_EQ(securityDigitOfItem(item), digit);
        EXPECT_EQ(securityItemOfDigit(digit), item);
    }
    for (int item : {-1, 4})
        EXPECT_FALSE(securityDigitOfItem(item).has_value()) << item;
    for (std::uint8_t digit : {std::uint8_t{'1'}, std::uint8_t{'5'}, std::uint8_t{0}, std::uint8_t{3}})
        EXPECT_FALSE(securityItemOfDigit(digit).has_value()) << int(digit);
}

TEST(Encodings, SlaveNumberAndChannelLists) {
    EXPECT_EQ(slaveNumberOfItem(0), 0);
    EXPECT_EQ(slaveNumberOfItem(31), 31); // "32" on screen
    EXPECT_FALSE(slaveNumberOfItem(-1).has_value());
    EXPECT_FALSE(slaveNumberOfItem(32).has_value());
    EXPECT_EQ(slaveItemOfNumber(31), 31);
    EXPECT_FALSE(slaveItemOfNumber(32).has_value());

    EXPECT_EQ(channelOfItem(0), 1);
    EXPECT_EQ(channelOfItem(12), 13);
    EXPECT_FALSE(channelOfItem(-1).has_value());
    EXPECT_FALSE(channelOfItem(13).has_value());
    EXPECT_EQ(channelItemOfNumber(1), 0);
    EXPECT_EQ(channelItemOfNumber(13), 12);
    EXPECT_FALSE(channelItemOfNumber(0).has_value());
    EXPECT_FALSE(channelItemOfNumber(14).has_value());
}

TEST(Encodings, SendableTextStopsAtU00FF) {
    EXPECT_TRUE(isSendableText(u""));
    EXPECT_TRUE(isSendableText(u"Home-5G"));
    EXPECT_TRUE(isSendableText(u"caf\u00E9 \u00FF"));
    EXPECT_TRUE(isSendableText(Payload(3, u'\0')));
    EXPECT_FALSE(isSendableText(u"\u0100"));
    EXPECT_FALSE(isSendableText(u"Wi-Fi \u0414\u043E\u043C"));
    EXPECT_FALSE(isSendableText(u"\u5BB6"));
}

} // namespace
} // namespace breezekit
