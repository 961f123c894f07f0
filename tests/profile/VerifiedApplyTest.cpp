#include "profile/VerifiedApply.h"

#include "LinkRig.h"
#include "SimWindow.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

using namespace breezekit;
using namespace breezekit::testing;
using profile::Asking;
using profile::VerifiedApply;
using Outcome = VerifiedApply::Outcome;

namespace {

// A slave on a router, every value away from the factory's.
UnitValues slaveTarget() {
    UnitValues v;
    DeviceSettings& s = v.settings;
    s.DeviceMode = kRoleSlave;
    s.ConnectionType = kConnectionWithRouter;
    s.Ssid = u"Home-5G-Network";
    s.Password = u"Secret-Pass-9";
    s.SlaveNumber = 6;
    s.SlaveDhcp = 0;
    s.SlaveIp = ipv4Payload({10, 1, 2, 7});
    s.MasterIp = ipv4Payload({10, 1, 2, 3});
    s.Gateway = ipv4Payload({10, 1, 2, 254});
    s.WifiChannel = 4;
    s.SecurityCode = '2';
    s.Direction = kDirectionExhaust;
    s.HumidityThreshold = 55;
    s.AnalogThreshold = 15;
    v.nightTimerSeconds = 5400;
    return v;
}

// Runs the event loop until the engine has ended, or planned (then writes) and ended.
Outcome applyAndWait(VerifiedApply& engine, const UnitValues& target) {
    engine.start(target, false);
    EXPECT_TRUE(SimWindow::waitUntil([&] { return !engine.reading(); }));
    if (!engine.outcome()) engine.write();
    EXPECT_TRUE(SimWindow::waitUntil([&] { return engine.outcome().has_value(); }));
    return engine.outcome().value_or(Outcome::Unanswered);
}

TEST(VerifiedApply, WritesPlansAndReadsBack) {
    LinkRig rig({SimWindow::unitParameters(u"Pavona", "S1")});
    VerifiedApply engine(rig.link());
    QSignalSpy planned(&engine, &VerifiedApply::planned);
    ASSERT_EQ(applyAndWait(engine, slaveTarget()), Outcome::Applied) << engine.differences().size();
    EXPECT_EQ(planned.count(), 1);
    EXPECT_TRUE(engine.differences().empty());
    EXPECT_EQ(engine.after(), engine.plan().expected);
    EXPECT_EQ(engine.before().settings.Ssid, u"BreezeKit-0587");
    const std::vector<std::string> changes = engine.changes();
    EXPECT_NE(std::find(changes.begin(), changes.end(), "wifi.role: master -> slave"), changes.end());
    EXPECT_EQ(
        rig.unit(0).unit()->value(CmdSsid),
        (sim::VirtualUnit::Bytes{'H', 'o', 'm', 'e', '-', '5', 'G', '-', 'N', 'e', 't', 'w', 'o', 'r', 'k'}));
}

TEST(VerifiedApply, EndsWithoutWritingWhereItCannotGoOn) {
    struct Case {
        const char* name;
        std::function<void(sim::FactoryParameters&, UnitValues&)> setUp;
        Outcome outcome;
        std::uint8_t awaited; // the code the silent unit did not answer, else 0
    };
    const Case cases[] = {
        {"a silent unit", [](sim::FactoryParameters&, UnitValues&) {}, Outcome::Unanswered, CmdDeviceMode},
        {"a short password for a secured access point",
         [](sim::FactoryParameters&, UnitValues& t) {
             t.settings.DeviceMode = kRoleMaster;
             t.settings.ConnectionType = kConnectionWithoutRouter;
             t.settings.WifiChannel = 6;
             t.settings.Password = u"short";
         },
         Outcome::Refused, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::FactoryParameters unit = SimWindow::unitParameters(u"Pavona", "S1");
        UnitValues target = slaveTarget();
        c.setUp(unit, target);
        LinkRig rig({unit});
        if (c.awaited != 0) rig.unit(0).unit()->setSilent(true);
        VerifiedApply engine(rig.link());
        QElapsedTimer clock;
        clock.start();
        engine.start(target, false);
        ASSERT_TRUE(SimWindow::waitUntil([&] { return engine.outcome().has_value(); }, 3000));
        EXPECT_EQ(engine.outcome(), c.outcome);
        EXPECT_LT(clock.elapsed(), 2000);
        if (c.awaited != 0) {
            EXPECT_EQ(engine.awaitedCode(), c.awaited);
        }
        engine.write(); // nothing after an outcome
        EXPECT_TRUE(SimWindow::commands(rig.unit(0)).size() <= 22u);
        EXPECT_TRUE(rig.unit(0).unit()->writeSessionFlags().empty());
    }
}

// With output reports of 8 bytes the unit keeps only the last part of a long name.
TEST(VerifiedApply, AUnitHoldingSomethingElseDiffers) {
    sim::FactoryParameters unit = SimWindow::unitParameters(u"Pavona", "S1");
    unit.outputReportLength = 8;
    LinkRig rig({unit});
    VerifiedApply engine(rig.link());
    ASSERT_EQ(applyAndWait(engine, slaveTarget()), Outcome::Differs);
    const std::vector<std::string> differences = engine.differences();
    ASSERT_FALSE(differences.empty());
    EXPECT_EQ(differences.front().rfind("wifi.ssid: Home-5G-Network -> ", 0), 0u) << differences.front();
}

TEST(VerifiedApply, AStopRequestClosesTheOpenGroup) {
    LinkRig rig({SimWindow::unitParameters(u"Pavona", "S1")});
    bool stop = false;
    rig.unit(0).setFailingWrites([&stop](std::span<const std::uint8_t> report) {
        if (report.size() > 1 && report[1] == CmdSsid) stop = true;
        return false;
    });
    VerifiedApply engine(rig.link());
    engine.setStopRequest([&stop] { return stop; });
    EXPECT_EQ(applyAndWait(engine, slaveTarget()), Outcome::Stopped);
    EXPECT_EQ(rig.unit(0).unit()->writeSessionFlags(), (sim::VirtualUnit::Bytes{1, 0}));
    EXPECT_FALSE(engine.reading());
}

TEST(VerifiedApply, AFailedWriteEndsIt) {
    LinkRig rig({SimWindow::unitParameters(u"Pavona", "S1")});
    rig.unit(0).setFailingWrites(
        [](std::span<const std::uint8_t> report) { return report.size() > 1 && report[1] == CmdGateway; });
    VerifiedApply engine(rig.link());
    EXPECT_EQ(applyAndWait(engine, slaveTarget()), Outcome::WriteFailed);
    // the Fan group never started
    EXPECT_EQ(rig.unit(0).unit()->writeSessionFlags(), (sim::VirtualUnit::Bytes{1, 0}));
}

// Inside the window the read-back asks for each next parameter itself; the engine only listens.
TEST(VerifiedApply, InsideTheWindowItTakesNoHandlerAndFollowsTheReadBack) {
    SimWindow w({SimWindow::unitParameters(u"Pavona", "S1")});
    w.form().Timer3->stop();
    w.clearCommands();
    VerifiedApply engine(w.link(), Asking::FirstOnly);
    ASSERT_EQ(applyAndWait(engine, slaveTarget()), Outcome::Applied);
    for (std::uint8_t code : kHandledCodes)
        EXPECT_TRUE(w.link().hasReportHandler(code)) << int{code};
    // two read-backs, each request once
    const std::vector<SentCommand> sent = w.commands(0);
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const SentCommand& c) { return c.code == CmdRead; }),
              2 * 22);
    // the window's own read-back showed what the unit holds now
    EXPECT_EQ(w.form().ComboBox_Wi_Fi_name->currentText(), QStringLiteral("Home-5G-Network"));
    EXPECT_EQ(w.form().deviceSettings.SlaveNumber, 6);
}

} // namespace
