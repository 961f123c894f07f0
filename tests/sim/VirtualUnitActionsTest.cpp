#include "protocol/core/Commands.h"
#include "sim/VirtualUnit.h"

#include <gtest/gtest.h>

namespace breezekit::sim {
namespace {

using Bytes = VirtualUnit::Bytes;

// A unit whose input reports are kept instead of travelling.
struct Firmware {
    explicit Firmware(FactoryParameters parameters = {}) : unit(std::move(parameters)) {
        unit.attach([this](Bytes report, std::chrono::microseconds) { sent.push_back(std::move(report)); });
    }
    void write(std::uint8_t code, const Bytes& payload) {
        Bytes report(65, 0);
        report[0] = 1;
        report[1] = code;
        report[2] = static_cast<std::uint8_t>(payload.size());
        std::copy(payload.begin(), payload.end(), report.begin() + 3);
        unit.receiveOutputReport(report);
    }

    VirtualUnit unit;
    std::vector<Bytes> sent;
};

TEST(VirtualUnitActions, RestoreDefaultsBringsBackEveryParameterButNotTheUnitsOwnStates) {
    FactoryParameters parameters;
    parameters.settings.filterSeconds = 1000;
    Firmware f(parameters);
    const std::pair<std::uint8_t, Bytes> changed[] = {
        {CmdDeviceMode, {0}},        {CmdSsid, {'x'}},
        {CmdPassword, {}},           {CmdSlaveNumber, {9}},
        {CmdSlaveDhcp, {0}},         {CmdSlaveIp, {1, 2, 3, 4}},
        {CmdMasterIp, {1, 2, 3, 5}}, {CmdConnectionType, {1}},
        {CmdWifiChannel, {2}},       {CmdSecurity, {'0'}},
        {CmdOffAllowed, {0}},        {CmdDirection, {1}},
        {CmdHumiditySensor, {0}},    {CmdRelaySensor, {0}},
        {CmdAnalogSensor, {0}},      {CmdHumidityThreshold, {5}},
        {CmdAnalogThreshold, {5}},   {CmdNightTimer, {0, 0, 60}},
        {CmdPartyTimer, {0, 0, 60}}, {CmdTurnOffDelay, {0, 0, 60}},
        {CmdHumidityScenario, {0}},  {CmdGateway, {1, 2, 3, 6}},
    };
    const VirtualUnit factory(parameters);
    for (const auto& [code, bytes] : changed) {
        f.write(code, bytes);
        ASSERT_EQ(f.unit.value(code), bytes) << int{code};
    }
    f.unit.setWifiState(1);
    f.unit.setMasterState(3);
    f.unit.setFilterSeconds(50000);

    f.write(CmdRestoreDefaults, {0});
    for (const auto& [code, bytes] : changed)
        EXPECT_EQ(f.unit.value(code), factory.value(code)) << int{code};
    EXPECT_EQ(f.unit.value(CmdWifiState), Bytes{1});
    EXPECT_EQ(f.unit.value(CmdMasterState), Bytes{3});
    EXPECT_GE(f.unit.filterSeconds(), 50000u);
    EXPECT_TRUE(f.sent.empty()) << "a restore reports nothing by itself";
}

TEST(VirtualUnitActions, TheFilterCounterIsResetSetAndHeldWithin24Bits) {
    FactoryParameters parameters;
    parameters.settings.filterSeconds = 86400;
    Firmware f(parameters);
    EXPECT_GE(f.unit.filterSeconds(), 86400u);

    f.write(CmdResetFilter, {0});
    EXPECT_LT(f.unit.filterSeconds(), 2u);

    f.unit.setValue(CmdFilterTime, {0x01, 0x51, 0x80});
    EXPECT_GE(f.unit.filterSeconds(), 86400u);
    EXPECT_LT(f.unit.filterSeconds(), 86402u);

    f.unit.setFilterSeconds(0xFFFFFF);
    f.write(CmdRead, {CmdFilterTime});
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(Bytes(f.sent[0].begin() + 1, f.sent[0].begin() + 6),
              (Bytes{CmdFilterTime, 3, 0xFF, 0xFF, 0xFF}));
}

TEST(VirtualUnitActions, LinkStatesAreReportedAsSet) {
    Firmware f;
    f.unit.setWifiState(2);
    f.unit.setMasterState(0);
    f.write(CmdRead, {CmdWifiState});
    f.write(CmdRead, {CmdMasterState});
    ASSERT_EQ(f.sent.size(), 2u);
    EXPECT_EQ(Bytes(f.sent[0].begin() + 1, f.sent[0].begin() + 4), (Bytes{CmdWifiState, 1, 2}));
    EXPECT_EQ(Bytes(f.sent[1].begin() + 1, f.sent[1].begin() + 4), (Bytes{CmdMasterState, 1, 0}));
}

TEST(VirtualUnitActions, ModuleTextGoesOutUnasked) {
    Firmware f;
    f.unit.sendModuleText("WIFI GOT IP\r\n");
    ASSERT_EQ(f.sent.size(), 1u);
    EXPECT_EQ(f.sent[0][1], CmdModuleText);
    EXPECT_EQ(f.sent[0][2], 13);
    EXPECT_EQ(std::string(f.sent[0].begin() + 3, f.sent[0].begin() + 16), "WIFI GOT IP\r\n");
}

} // namespace
} // namespace breezekit::sim
