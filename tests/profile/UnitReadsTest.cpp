#include "profile/UnitReads.h"

#include "LinkRig.h"
#include "SimWindow.h"
#include "profile/GroupWriter.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/UnitActions.h"

#include <QElapsedTimer>
#include <QLabel>
#include <gtest/gtest.h>

using namespace breezekit;
using namespace breezekit::testing;
using profile::Asking;

namespace {

sim::FactoryParameters unitWithStatus() {
    sim::FactoryParameters p = SimWindow::unitParameters(u"Pavona", "48FF6D065077554932380587");
    p.settings.ssid = "Home-5G";
    p.settings.nightTimerSeconds = 5400;
    p.settings.wifiState = 2;
    p.settings.filterSeconds = 3 * 86400;
    return p;
}

bool finished(const profile::ReplyChain& read) {
    return SimWindow::waitUntil([&] { return !read.running(); }, 3000) && read.complete();
}

TEST(UnitReads, ReadTheSelectedUnit) {
    LinkRig rig({unitWithStatus()});
    profile::ParameterRead parameters(rig.link());
    parameters.start();
    ASSERT_TRUE(finished(parameters));
    EXPECT_EQ(parameters.values().settings.Ssid, u"Home-5G");
    EXPECT_EQ(parameters.values().nightTimerSeconds, 5400u);
    EXPECT_EQ(parameters.values().settings.Gateway, ipv4Payload({192, 168, 4, 1}));

    profile::SerialRead serial(rig.link());
    serial.start();
    ASSERT_TRUE(finished(serial));
    EXPECT_EQ(serial.serial(), "48FF6D065077554932380587");

    profile::StatusRead status(rig.link());
    status.start();
    ASSERT_TRUE(finished(status));
    EXPECT_TRUE(status.status().wifiConnected);
    EXPECT_FALSE(status.status().masterConnected);
    EXPECT_GE(status.status().filterSeconds, 3u * 86400);

    // one request per parameter, in the read-back's order
    std::vector<std::uint8_t> asked;
    for (const SentCommand& c : SimWindow::commands(rig.unit(0)))
        if (c.code == CmdRead && !c.payload.empty()) asked.push_back(c.payload[0]);
    ASSERT_EQ(asked.size(), 22u + 1 + 3);
    EXPECT_EQ(asked.front(), CmdDeviceMode);
    EXPECT_EQ(asked[21], CmdGateway);
}

TEST(UnitReads, EndIncompleteNamingTheAwaitedCode) {
    struct Case {
        const char* name;
        bool unplug; // else the unit falls silent
    };
    for (const Case c : {Case{"silent", false}, Case{"unplugged", true}}) {
        SCOPED_TRACE(c.name);
        LinkRig rig({unitWithStatus()});
        profile::ParameterRead read(rig.link());
        QSignalSpy ended(&read, &profile::ReplyChain::finished);
        // the request after the password goes unanswered
        const ReportListener afterPassword(rig.link(), CmdPassword, [&](const InputReport&) {
            rig.unit(0).unit()->setSilent(true);
            if (c.unplug) rig.platform().unplug(rig.platform().interfaces().front());
        });
        QElapsedTimer clock;
        clock.start();
        read.start();
        ASSERT_TRUE(SimWindow::waitUntil([&] { return !read.running(); }, 3000));
        EXPECT_FALSE(read.complete());
        EXPECT_EQ(read.awaitedCode(), CmdSlaveNumber);
        EXPECT_EQ(read.values().settings.Password, u"12345678"); // what came before stays
        ASSERT_EQ(ended.count(), 1);
        EXPECT_EQ(ended.front().front().toBool(), false);
        // a unit that goes away ends it at once, silence after the reply time
        if (c.unplug) {
            EXPECT_LT(clock.elapsed(), 900);
        } else {
            EXPECT_GE(clock.elapsed(), 1000);
        }
    }
}

// The window's handlers stay: the reads listen beside them.
TEST(UnitReads, InsideTheWindowTheHandlersStay) {
    SimWindow w({unitWithStatus()});
    w.form().Timer3->stop();
    w.clearCommands();
    profile::ParameterRead parameters(w.link());
    parameters.start(Asking::FirstOnly);
    ASSERT_TRUE(finished(parameters));
    EXPECT_EQ(parameters.values().settings.Ssid, u"Home-5G");
    profile::SerialRead serial(w.link());
    serial.start();
    ASSERT_TRUE(finished(serial));
    profile::StatusRead status(w.link());
    status.start();
    ASSERT_TRUE(finished(status));
    for (std::uint8_t code : kHandledCodes)
        EXPECT_TRUE(w.link().hasReportHandler(code)) << int{code};
    // the window handled the same replies: the device list's serial and the polling's panel
    EXPECT_EQ(w.form().Label_Serial_number->text(), QStringLiteral("48FF6D065077554932380587"));
    EXPECT_EQ(w.form().deviceSettings.WifiConnected, 2);
    // the read-back asked for each parameter once; the engine asked only for the first
    const std::vector<SentCommand> sent = w.commands(0);
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const SentCommand& c) { return c.code == CmdRead; }),
              22 + 1 + 3);
}

TEST(GroupWriter, AStopClosesAnOpenGroupAndOpensNoNewOne) {
    const CommandSequence group{{CmdWriteSession, numberPayload(kWriteSessionBegin), 0},
                                {CmdSsid, u"Home", 0},
                                {CmdWriteSession, numberPayload(kWriteSessionEnd), 0},
                                {CmdModuleSwitch, numberPayload(kModuleOff), 0},
                                {CmdModuleSwitch, numberPayload(kModuleOn), 0}};
    struct Case {
        const char* name;
        int stopAfter; // commands written before the stop request; -1 never
        profile::GroupWriter::Result result;
        std::vector<std::uint8_t> codes; // written, in order
    };
    const Case cases[] = {
        {"no stop", -1, profile::GroupWriter::Result::Written, {13, 6, 13, 3, 3}},
        {"before the group", 0, profile::GroupWriter::Result::Stopped, {}},
        {"inside the group", 2, profile::GroupWriter::Result::Stopped, {13, 6, 13}},
        {"after the group", 3, profile::GroupWriter::Result::Stopped, {13, 6, 13, 3, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LinkRig rig({SimWindow::unitParameters(u"Pavona", "S1")});
        profile::GroupWriter writer(rig.link(), [&] {
            return c.stopAfter >= 0 &&
                   SimWindow::commands(rig.unit(0)).size() >= static_cast<std::size_t>(c.stopAfter);
        });
        rig.unit(0).clearReceivedReports();
        EXPECT_EQ(writer.write(group), c.result);
        EXPECT_FALSE(writer.groupOpen());
        std::vector<std::uint8_t> codes;
        for (const SentCommand& sent : SimWindow::commands(rig.unit(0)))
            codes.push_back(sent.code);
        EXPECT_EQ(codes, c.codes);
    }
}

TEST(GroupWriter, AFailedWriteFailsTheGroup) {
    LinkRig rig({SimWindow::unitParameters(u"Pavona", "S1")});
    rig.unit(0).setFailingWrites([](std::span<const std::uint8_t> report) {
        return report.size() > 1 && report[1] == CmdResetFilter;
    });
    profile::GroupWriter writer(rig.link(), nullptr);
    EXPECT_EQ(writer.write(resetFilterCommands()), profile::GroupWriter::Result::Failed);
    EXPECT_EQ(writer.write(restoreDefaultsCommands()), profile::GroupWriter::Result::Written);
    EXPECT_TRUE(writer.groupOpen()); // a restore leaves its group open
}

} // namespace
