#include "CtlRig.h"
#include "SimWindow.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "sim/VirtualUnit.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace breezekit;
using breezekit::testing::CtlRig;
using breezekit::testing::SimWindow;

namespace {

struct Combination {
    const char* name;
    std::uint8_t mode;
    std::uint8_t connectionType;
    const char* ssid;
    std::uint8_t slaveDhcp;
};

// This test keeps its own copy of the unit's rules (the router of a slave, the access point's address) on
// purpose: it checks the core that both programs share from outside.
// A unit configured for one combination, every fan value away from the factory's.
sim::FactoryParameters configured(const Combination& c) {
    sim::FactoryParameters p = CtlRig::unitParameters(u"Pavona MOX", "SOURCE-UNIT-00000000001");
    sim::UnitSettings& s = p.settings;
    s.deviceMode = c.mode;
    s.connectionType = c.connectionType;
    s.ssid = c.ssid;
    s.password = "Secret-Pass-9";
    s.slaveNumber = 6;
    s.slaveDhcp = c.slaveDhcp;
    s.slaveIp = {10, 1, 2, 7};
    // without a router the master's address is its access point's, as the window writes it
    const bool router =
        c.mode == 1 ? c.connectionType == 1 : std::string_view(c.ssid).rfind("BreezeKit", 0) != 0;
    s.masterIp =
        router ? std::array<std::uint8_t, 4>{10, 1, 2, 3} : std::array<std::uint8_t, 4>{192, 168, 4, 1};
    s.gateway = {10, 1, 2, 254};
    s.wifiChannel = 4;
    s.securityCode = '2';
    s.offAllowed = 0;
    s.direction = 1;
    s.humiditySensor = 0;
    s.relaySensor = 1;
    s.analogSensor = 0;
    s.humidityThreshold = 55;
    s.analogThreshold = 15;
    s.nightTimerSeconds = 5400;
    s.partyTimerSeconds = 2700;
    s.turnOffDelaySeconds = 300;
    s.humidityScenario = 0;
    return p;
}

const Combination kCombinations[] = {
    {"master without router", 1, 2, "BreezeKit-Lab", 1},
    {"master with router", 1, 1, "Home-5G", 1},
    {"slave with router, static", 0, 1, "Home-5G", 0},
    {"slave without router", 0, 1, "BreezeKit-0587", 1},
};

// What the window writes for Apply Wi-Fi and Apply Fan after reading the unit's values.
std::vector<std::vector<std::uint8_t>> windowWrites(const sim::FactoryParameters& unit) {
    SimWindow w({unit});
    QTest::mouseClick(w.form().Button_Get_current_parameters, Qt::LeftButton);
    const std::u16string gateway = ipv4Payload(unit.settings.gateway);
    EXPECT_TRUE(SimWindow::waitUntil([&] { return w.form().deviceSettings.Gateway == gateway; }));
    w.unit(0).clearReceivedReports();
    QTest::mouseClick(w.form().Button_Apply_Save_Wi_Fi, Qt::LeftButton);
    QTest::mouseClick(w.form().Button_Apply_Save_Fan, Qt::LeftButton);
    EXPECT_TRUE(w.messages().isEmpty()) << w.messages().join('\n').toStdString();
    return CtlRig::writes(w.unit(0));
}

QJsonObject withoutIdentity(const QString& file) {
    QFile f(file);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    QJsonObject p = QJsonDocument::fromJson(f.readAll()).object();
    p.remove("model");
    p.remove("serial");
    return p;
}

TEST(CtlWindowParity, ApplyWritesTheWindowsReportsAndTheCloneMatches) {
    for (const Combination& c : kCombinations) {
        SCOPED_TRACE(c.name);
        const sim::FactoryParameters source = configured(c);
        const auto expected = windowWrites(source);
        ASSERT_EQ(expected.size(), 15u + 13u);

        CtlRig rig({source, CtlRig::unitParameters(u"Pavona", "TARGET-UNIT-00000000002")});
        const QString first = rig.path("first.json");
        const QString second = rig.path("second.json");
        ASSERT_EQ(rig.run({"--unit", "1", "export", "--with-password", first}).code, 0);
        rig.unit(1).clearReceivedReports();
        const auto applied = rig.run({"--unit", "2", "apply", first});
        ASSERT_EQ(applied.code, 0) << applied.err << applied.out;
        EXPECT_EQ(CtlRig::writes(rig.unit(1)), expected);
        EXPECT_NE(applied.err.find("note: the profile is of a Pavona MOX"), std::string::npos);

        ASSERT_EQ(rig.run({"--unit", "2", "export", "--with-password", second}).code, 0);
        EXPECT_EQ(withoutIdentity(first), withoutIdentity(second));
    }
}

TEST(CtlWindowParity, RawValuesSurviveACloneWhereTheCombinationDoesNotReadThem) {
    sim::FactoryParameters source = configured(kCombinations[1]);
    source.settings.wifiChannel = 0;
    source.settings.securityCode = 0;
    source.settings.slaveNumber = 40;
    CtlRig rig({source, CtlRig::unitParameters(u"Pavona", "TARGET-UNIT-00000000002")});
    const QString first = rig.path("first.json");
    const QString second = rig.path("second.json");
    ASSERT_EQ(rig.run({"--unit", "1", "export", "--with-password", first}).code, 0);
    const QJsonObject profile = withoutIdentity(first);
    EXPECT_EQ(profile["problems"].toArray().size(), 3);
    const auto applied = rig.run({"--unit", "2", "apply", first});
    ASSERT_EQ(applied.code, 0) << applied.err << applied.out;
    EXPECT_EQ(rig.unit(1).unit()->value(CmdSlaveNumber), sim::VirtualUnit::Bytes{40});
    ASSERT_EQ(rig.run({"--unit", "2", "export", "--with-password", second}).code, 0);
    EXPECT_EQ(profile, withoutIdentity(second));
}

} // namespace
