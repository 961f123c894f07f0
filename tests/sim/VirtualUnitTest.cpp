#include "sim/VirtualUnit.h"

#include "protocol/core/Commands.h"

#include <gtest/gtest.h>

namespace breezekit::sim {
namespace {

using Bytes = VirtualUnit::Bytes;

struct Sent {
    Bytes report;
    std::chrono::microseconds delay;
};

// A unit whose input reports are collected instead of travelling.
struct Bench {
    explicit Bench(FactoryParameters parameters = {}) : unit(std::move(parameters)) {
        unit.attach([this](Bytes report, std::chrono::microseconds delay) {
            sent.push_back({report, delay});
        });
    }
    void write(std::uint8_t code, Bytes payload) {
        Bytes report(65, 0);
        report[0] = 1;
        report[1] = code;
        report[2] = static_cast<std::uint8_t>(payload.size());
        std::copy(payload.begin(), payload.end(), report.begin() + 3);
        unit.receiveOutputReport(report);
    }
    void writeText(std::uint8_t code, std::string_view text) { write(code, Bytes(text.begin(), text.end())); }
    // The payload of the last input report, cut to its length byte.
    Bytes lastPayload() const {
        const Bytes& r = sent.back().report;
        return Bytes(r.begin() + 3, r.begin() + 3 + r[2]);
    }

    VirtualUnit unit;
    std::vector<Sent> sent;
};

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

TEST(VirtualUnit, AnswersEveryParameterWithTheFactoryEncoding) {
    FactoryParameters parameters;
    parameters.settings.nightTimerSeconds = 5400;
    parameters.settings.filterSeconds = 0xFFFFFF;
    Bench bench(parameters);
    const std::pair<std::uint8_t, Bytes> expected[] = {
        {CmdDeviceMode, {1}},
        {CmdSsid, bytesOf("BreezeKit-0587")},
        {CmdPassword, bytesOf("12345678")},
        {CmdSlaveNumber, {0}},
        {CmdSlaveDhcp, {1}},
        {CmdSlaveIp, {192, 168, 4, 2}},
        {CmdMasterIp, {192, 168, 4, 1}},
        {CmdConnectionType, {2}},
        {CmdWifiChannel, {11}},
        {CmdSecurity, {'4'}},
        {CmdOffAllowed, {1}},
        {CmdDirection, {0}},
        {CmdHumiditySensor, {1}},
        {CmdRelaySensor, {1}},
        {CmdAnalogSensor, {1}},
        {CmdHumidityThreshold, {70}},
        {CmdAnalogThreshold, {50}},
        {CmdNightTimer, {0x00, 0x15, 0x18}},
        {CmdPartyTimer, {0, 0, 0}},
        {CmdTurnOffDelay, {0, 0, 0}},
        {CmdWifiState, {0}},
        {CmdFilterTime, {0xFF, 0xFF, 0xFF}},
        {CmdMasterState, {0}},
        {CmdHumidityScenario, {1}},
        {CmdGateway, {192, 168, 4, 1}},
    };
    for (const auto& [code, payload] : expected) {
        bench.write(CmdRead, {code});
        ASSERT_FALSE(bench.sent.empty()) << int(code);
        const Bytes& report = bench.sent.back().report;
        ASSERT_EQ(report.size(), 65u);
        EXPECT_EQ(report[0], 1);
        EXPECT_EQ(report[1], code);
        EXPECT_EQ(bench.lastPayload(), payload) << int(code);
        EXPECT_TRUE(
            std::all_of(report.begin() + 3 + report[2], report.end(), [](std::uint8_t b) { return b == 0; }));
    }
}

TEST(VirtualUnit, AppliesEachWriteAtOnce) {
    Bench bench;
    const std::pair<std::uint8_t, Bytes> writes[] = {
        {CmdDeviceMode, {0}},
        {CmdSsid, bytesOf("Home-5G")},
        {CmdPassword, {}},
        {CmdSlaveNumber, {31}},
        {CmdSlaveIp, {}},
        {CmdMasterIp, {10, 1, 2, 3}},
        {CmdWifiChannel, {0}},
        {CmdSecurity, {0}},
        {CmdNightTimer, {0x01, 0x51, 0x44}},
        {CmdHumidityThreshold, {40}},
        {CmdHumidityScenario, {0}},
        {CmdGateway, {10, 1, 2, 254}},
    };
    for (const auto& [code, payload] : writes) {
        bench.write(code, payload);
        EXPECT_EQ(bench.unit.value(code), payload) << int(code);
        bench.write(CmdRead, {code});
        EXPECT_EQ(bench.lastPayload(), payload) << int(code);
    }
    // Its own states are reported, never written; commands without a value keep none.
    for (std::uint8_t code : {CmdWifiState, CmdFilterTime, CmdMasterState}) {
        const Bytes before = bench.unit.value(code);
        bench.write(code, {7, 7, 7});
        EXPECT_EQ(bench.unit.value(code), before) << int(code);
    }
    const std::size_t answered = bench.sent.size();
    for (std::uint8_t code : {std::uint8_t{CmdWriteSession}, std::uint8_t{CmdRead},
                              std::uint8_t{CmdModuleSwitch}, std::uint8_t{99}}) {
        bench.write(CmdRead, {code});
        EXPECT_TRUE(bench.unit.value(code).empty()) << int(code);
    }
    EXPECT_EQ(bench.sent.size(), answered);
}

TEST(VirtualUnit, RecordsTheWriteSessionFlags) {
    Bench bench;
    bench.write(CmdWriteSession, {1});
    bench.write(CmdOffAllowed, {0});
    bench.write(CmdWriteSession, {0});
    bench.write(CmdWriteSession, {1});
    EXPECT_EQ(bench.unit.writeSessionFlags(), (Bytes{1, 0, 1}));
    EXPECT_EQ(bench.unit.value(CmdOffAllowed), Bytes{0});
}

TEST(VirtualUnit, SearchReportsEachNetworkAfterADelay) {
    FactoryParameters parameters;
    parameters.networks = {{"Home-5G", -52, "a0:b1:c2:d3:e4:f5", 6, 3}, {"", -80}, {"Office", -70}};
    Bench bench(parameters);
    bench.write(CmdSearch, {1});
    for (const char* line : {"AT+CWQAP\r\n", "AT+CWMODE_DEF=1\r\n", "AT+CWLAP\r\n"}) {
        bench.writeText(CmdModuleText, line);
        EXPECT_EQ(bench.sent.at(bench.unit.moduleLines().size() - 1).report[1], CmdModuleText);
        if (std::string_view(line) != "AT+CWLAP\r\n") {
            EXPECT_EQ(bench.lastPayload(), bytesOf("OK\r\n"));
        }
    }
    ASSERT_EQ(bench.sent.size(), 3u + 3u);
    EXPECT_EQ(bench.sent[2].report[1], CmdModuleText);
    const char* lines[] = {"+CWLAP:(3,\"Home-5G\",-52,\"a0:b1:c2:d3:e4:f5\",6)",
                           "+CWLAP:(3,\"\",-80,\"a0:b1:c2:d3:e4:f5\",6)",
                           "+CWLAP:(3,\"Office\",-70,\"a0:b1:c2:d3:e4:f5\",6)"};
    for (std::size_t i = 0; i < 3; ++i) {
        const Sent& s = bench.sent[3 + i];
        EXPECT_EQ(s.report[1], CmdSearch);
        EXPECT_EQ(Bytes(s.report.begin() + 3, s.report.begin() + 3 + s.report[2]), bytesOf(lines[i]));
        EXPECT_EQ(s.delay, parameters.firstNetworkDelay + parameters.networkInterval * static_cast<int>(i));
    }
    EXPECT_TRUE(bench.unit.searching());
    bench.write(CmdSearch, {0});
    EXPECT_FALSE(bench.unit.searching());
}

TEST(VirtualUnit, ListsNoNetworkOutsideASearchOrWithNoneInRange) {
    FactoryParameters parameters;
    parameters.networks = {{"Home-5G"}};
    Bench outside(parameters);
    outside.writeText(CmdModuleText, "AT+CWLAP\r\n");
    Bench empty;
    empty.write(CmdSearch, {1});
    empty.writeText(CmdModuleText, "AT+CWLAP\r\n");
    for (const Bench* bench : {&outside, &empty}) {
        ASSERT_EQ(bench->sent.size(), 1u);
        EXPECT_EQ(bench->sent[0].report[1], CmdModuleText);
    }
}

} // namespace
} // namespace breezekit::sim
