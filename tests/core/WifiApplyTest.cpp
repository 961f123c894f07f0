#include "protocol/core/WifiApply.h"

#include "protocol/core/Commands.h"

#include <gtest/gtest.h>
#include <ostream>

namespace breezekit {
namespace {

Payload b(std::uint8_t value) {
    return numberPayload(value);
}

// The page as a test leaves it unless a case says otherwise.
WifiValues page(Role role, Connection connection) {
    WifiValues in;
    in.role = role;
    in.connection = connection;
    in.networkName = u"Home-5G";
    in.password = u"secret-pass";
    in.channel = 11;
    in.securityDigit = '3'; // "WPA2_PSK"
    in.slaveNumber = 31;    // "32"
    in.slaveDhcp = false;   // "Static"
    in.slaveIp = {10, 0, 0, 5};
    in.masterIp = {10, 1, 2, 3};
    in.gateway = {10, 1, 2, 254};
    return in;
}

// What a unit read back earlier: the last-known values that a combination carries over.
DeviceSettings readBack() {
    DeviceSettings s;
    s.SlaveNumber = 7;
    s.SlaveDhcp = 0;
    s.SlaveIp = {u'\xC0', u'\xA8', u'\0', u'\x09'};
    s.WifiChannel = 6;
    s.SecurityCode = '4';
    return s;
}

CommandSequence group(const DeviceSettings& s) {
    return {
        {CmdWriteSession, b(1), 0},
        {CmdSlaveNumber, b(s.SlaveNumber), 0},
        {CmdSlaveDhcp, b(s.SlaveDhcp), 0},
        {CmdSlaveIp, s.SlaveIp, 0},
        {CmdDeviceMode, b(s.DeviceMode), 0},
        {CmdConnectionType, b(s.ConnectionType), 0},
        {CmdSsid, s.Ssid, 0},
        {CmdPassword, s.Password, 0},
        {CmdMasterIp, s.MasterIp, 0},
        {CmdWifiChannel, b(s.WifiChannel), 0},
        {CmdSecurity, b(s.SecurityCode), 0},
        {CmdGateway, s.Gateway, 0},
        {CmdWriteSession, b(0), 100},
        {CmdModuleSwitch, b(0), 250},
        {CmdModuleSwitch, b(1), 0},
    };
}

struct CombinationCase {
    const char* name;
    Role role;
    Connection connection;
    DeviceSettings expected; // on top of readBack()
};

// Test names show the case's name instead of its bytes.
void PrintTo(const CombinationCase& c, std::ostream* out) {
    *out << c.name;
}

class WifiApplyCombination : public testing::TestWithParam<CombinationCase> {};

TEST_P(WifiApplyCombination, TakesItsFieldsAndCarriesTheOthersOver) {
    const CombinationCase& c = GetParam();
    DeviceSettings settings = readBack();
    const WifiApplyResult result = applyWifi(settings, page(c.role, c.connection));
    EXPECT_EQ(result.outcome, WifiApplyOutcome::Sent);
    EXPECT_EQ(settings, c.expected);
    EXPECT_EQ(result.commands, group(c.expected));
}

DeviceSettings expect(std::uint8_t mode, std::uint8_t type, Payload masterIp, bool slaveFields, bool apFields,
                      std::uint8_t dhcp = 0) {
    DeviceSettings s = readBack();
    s.DeviceMode = mode;
    s.ConnectionType = type;
    s.MasterIp = std::move(masterIp);
    s.Ssid = u"Home-5G";
    s.Password = u"secret-pass";
    s.Gateway = u"\x0A\x01\x02\xFE";
    if (apFields) {
        s.WifiChannel = 11;
        s.SecurityCode = '3';
    }
    if (slaveFields) {
        s.SlaveNumber = 31;
        s.SlaveIp = Payload{u'\x0A', u'\0', u'\0', u'\x05'};
        s.SlaveDhcp = dhcp;
    }
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, WifiApplyCombination,
    testing::Values(CombinationCase{"MasterWithoutRouter", Role::Master, Connection::WithoutRouter,
                                    expect(1, 2, u"\xC0\xA8\x04\x01", false, true)},
                    CombinationCase{"MasterWithRouter", Role::Master, Connection::WithRouter,
                                    expect(1, 1, u"\x0A\x01\x02\x03", false, false)},
                    CombinationCase{"SlaveWithoutRouter", Role::Slave, Connection::WithoutRouter,
                                    expect(0, 1, u"\xC0\xA8\x04\x01", true, false, 1)},
                    CombinationCase{"SlaveWithRouterStatic", Role::Slave, Connection::WithRouter,
                                    expect(0, 1, u"\x0A\x01\x02\x03", true, false, 0)}),
    [](const testing::TestParamInfo<CombinationCase>& info) { return std::string(info.param.name); });

TEST(WifiApply, SlaveWithRouterAndDhcpSendsTheFlagOne) {
    DeviceSettings settings;
    WifiValues in = page(Role::Slave, Connection::WithRouter);
    in.slaveDhcp = true;
    ASSERT_EQ(applyWifi(settings, in).outcome, WifiApplyOutcome::Sent);
    EXPECT_EQ(settings.SlaveDhcp, 1);
}

TEST(WifiApply, BeforeAnyReadBackTheCarriedFieldsAreZeroAndEmpty) {
    DeviceSettings settings;
    const WifiApplyResult master = applyWifi(settings, page(Role::Master, Connection::WithRouter));
    ASSERT_EQ(master.commands.size(), 15u);
    EXPECT_EQ(master.commands[1].payload, b(0));  // slave number
    EXPECT_EQ(master.commands[2].payload, b(0));  // DHCP flag
    EXPECT_EQ(master.commands[3].payload, u"");   // slave address, length 0
    EXPECT_EQ(master.commands[9].payload, b(0));  // channel
    EXPECT_EQ(master.commands[10].payload, b(0)); // security byte 0, not the digit "0"
}

struct CheckCase {
    const char* name;
    Role role;
    Connection connection;
    const char16_t* networkName;
    const char16_t* password;
    std::uint8_t securityDigit;
    WifiApplyOutcome outcome;
};

// Test names show the case's name instead of its bytes.
void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.name;
}

class WifiApplyCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(WifiApplyCheck, FailsWithItsMessageAndSendsNothing) {
    const CheckCase& c = GetParam();
    DeviceSettings settings = readBack();
    WifiValues in = page(c.role, c.connection);
    in.networkName = c.networkName;
    in.password = c.password;
    in.securityDigit = c.securityDigit;
    const WifiApplyResult result = applyWifi(settings, in);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_TRUE(result.commands.empty());
    // The fields and texts were taken all the same; a text that cannot be sent is never stored.
    EXPECT_EQ(settings.DeviceMode, c.role == Role::Master ? 1 : 0);
    EXPECT_EQ(settings.Gateway, u"\x0A\x01\x02\xFE");
    EXPECT_EQ(settings.Ssid, isSendableText(c.networkName) ? std::u16string(c.networkName) : u"");
    EXPECT_EQ(settings.Password, isSendableText(c.password) ? std::u16string(c.password) : u"");
}

using enum WifiApplyOutcome;

INSTANTIATE_TEST_SUITE_P(
    Checks, WifiApplyCheck,
    testing::Values(CheckCase{"ShortSecuredPassword", Role::Master, Connection::WithoutRouter, u"",
                              u"1234567", '3', PasswordLength},
                    CheckCase{"EmptyNameMasterWithRouter", Role::Master, Connection::WithRouter, u"", u"x",
                              '3', NameLength},
                    CheckCase{"EmptyNameSlaveWithoutRouter", Role::Slave, Connection::WithoutRouter, u"", u"",
                              '0', NameLength},
                    CheckCase{"EmptyNameSlaveWithRouter", Role::Slave, Connection::WithRouter, u"",
                              u"12345678", '2', NameLength},
                    CheckCase{"CyrillicName", Role::Slave, Connection::WithRouter, u"\u0414\u043E\u043C",
                              u"12345678", '2', NameUnsendable},
                    CheckCase{"CyrillicNameMasterWithRouter", Role::Master, Connection::WithRouter, u"\u0414",
                              u"x", '2', NameUnsendable},
                    CheckCase{"CyrillicNameSlaveWithoutRouter", Role::Slave, Connection::WithoutRouter,
                              u"\u0414", u"", '0', NameUnsendable},
                    CheckCase{"ChinesePassword", Role::Master, Connection::WithRouter, u"Home",
                              u"\u5BC6\u7801abcdefgh", '2', PasswordUnsendable},
                    CheckCase{"UnsendableNameWhileHidden", Role::Master, Connection::WithoutRouter, u"\u0414",
                              u"12345678", '3', NameUnsendableHidden},
                    // Both faults: the characters are named first, one message only.
                    CheckCase{"ShortCyrillicPassword", Role::Master, Connection::WithoutRouter, u"",
                              u"\u043F\u0430\u0440", '3', PasswordUnsendable}),
    [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST(WifiApply, ChecksThatDoNotApply) {
    struct Case {
        Role role;
        Connection connection;
        const char16_t* networkName;
        const char16_t* password;
        std::uint8_t securityDigit;
    } cases[] = {
        {Role::Master, Connection::WithoutRouter, u"", u"", '0'},         // OPEN, empty password
        {Role::Master, Connection::WithoutRouter, u"", u"12345678", '4'}, // name not looked at
        {Role::Master, Connection::WithRouter, u"N", u"1", '3'},          // no length test with a router
        {Role::Slave, Connection::WithoutRouter, u"caf\u00E9\u00FF", u"", '0'}, // U+00FF still goes out
    };
    for (const Case& c : cases) {
        DeviceSettings settings;
        WifiValues in = page(c.role, c.connection);
        in.networkName = c.networkName;
        in.password = c.password;
        in.securityDigit = c.securityDigit;
        const WifiApplyResult result = applyWifi(settings, in);
        EXPECT_EQ(result.outcome, WifiApplyOutcome::Sent) << std::u16string_view(c.networkName).size();
        ASSERT_EQ(result.commands.size(), 15u);
        EXPECT_EQ(result.commands[6].payload, c.networkName);
        EXPECT_EQ(result.commands[7].payload, c.password);
    }
}

TEST(WifiApply, FailedCheckStillTakesChannelAndSecurityForTheNextApply) {
    DeviceSettings settings;
    WifiValues in = page(Role::Master, Connection::WithoutRouter);
    in.password = u"1234567";
    in.channel = 1;
    in.securityDigit = '3';
    ASSERT_EQ(applyWifi(settings, in).outcome, WifiApplyOutcome::PasswordLength);
    const WifiApplyResult next = applyWifi(settings, page(Role::Master, Connection::WithRouter));
    ASSERT_EQ(next.outcome, WifiApplyOutcome::Sent);
    EXPECT_EQ(next.commands[9].payload, b(1));
    EXPECT_EQ(next.commands[10].payload, b('3'));
}

TEST(WifiApply, ListWithoutSelectionStopsWhereItIsRead) {
    struct Case {
        Role role;
        Connection connection;
        bool channelMissing;
    } cases[] = {
        {Role::Master, Connection::WithoutRouter, true},
        {Role::Slave, Connection::WithoutRouter, false},
        {Role::Slave, Connection::WithRouter, false},
    };
    for (const Case& c : cases) {
        DeviceSettings settings = readBack();
        WifiValues in = page(c.role, c.connection);
        in.networkName = u""; // the stop comes before the name is checked
        (c.channelMissing ? in.channel : in.slaveNumber) = std::nullopt;
        const WifiApplyResult result = applyWifi(settings, in);
        EXPECT_EQ(result.outcome, WifiApplyOutcome::NoNumberSelected);
        EXPECT_TRUE(result.commands.empty());
        DeviceSettings expected = readBack();
        expected.DeviceMode = c.role == Role::Master ? 1 : 0;
        expected.ConnectionType = c.role == Role::Master ? 2 : 1;
        expected.MasterIp =
            ipv4Payload(c.connection == Connection::WithRouter ? Ipv4{10, 1, 2, 3} : kAccessPointAddress);
        EXPECT_EQ(settings, expected); // nothing after the list, no texts, no gateway
    }
}

TEST(WifiApply, ListsThatTheCombinationDoesNotReadMayBeEmpty) {
    DeviceSettings settings;
    WifiValues in = page(Role::Master, Connection::WithRouter);
    in.channel = std::nullopt;
    in.slaveNumber = std::nullopt;
    EXPECT_EQ(applyWifi(settings, in).outcome, WifiApplyOutcome::Sent);
    in = page(Role::Slave, Connection::WithRouter);
    in.channel = std::nullopt;
    EXPECT_EQ(applyWifi(settings, in).outcome, WifiApplyOutcome::Sent);
}

} // namespace
} // namespace breezekit
