#include "CtlRig.h"
#include "ctl/Interrupt.h"
#include "markers/FlockInstanceMarkers.h"
#include "protocol/core/Commands.h"
#include "sim/VirtualUnit.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace breezekit;
using breezekit::testing::CtlRig;

namespace {

CtlRig twoUnits() {
    return CtlRig({CtlRig::unitParameters(u"Pavona MOX", "SERIAL-MOX-000000000001"),
                   CtlRig::unitParameters(u"Pavona", "SERIAL-PAV-000000000002")});
}

std::string modelOfShow(const std::string& out) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object()["model"].toString().toStdString();
}

TEST(CtlSelection, ByPositionAndBySerial) {
    CtlRig rig = twoUnits();
    const struct {
        QStringList selection;
        int code;
        const char* model;
    } cases[] = {
        {{"--unit", "1"}, 0, "Pavona MOX"},
        {{"--unit", "2"}, 0, "Pavona"},
        {{"--serial", "SERIAL-PAV-000000000002"}, 0, "Pavona"},
        {{"--serial", "SERIAL-MOX-000000000001"}, 0, "Pavona MOX"},
        {{"--unit", "3"}, 3, ""},
        {{"--serial", "NOPE"}, 3, ""},
        {{"--unit", "0"}, 2, ""},
        {{}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selection.join(' ').toStdString());
        const auto result = rig.run(c.selection + QStringList{"show", "--json"});
        EXPECT_EQ(result.code, c.code) << result.err;
        if (c.code == 0) {
            EXPECT_EQ(modelOfShow(result.out), c.model);
        }
    }
    const auto several = rig.run({"show"});
    EXPECT_NE(several.err.find("--unit 2  (Pavona, serial SERIAL-PAV-000000000002)"), std::string::npos);
}

TEST(CtlSelection, ListsUnitsWithTheirAccess) {
    CtlRig rig = twoUnits();
    rig.plug(CtlRig::unitParameters(u"Pavona", "LOCKED"), sim::VirtualAccess::IdentificationOnly);
    const auto result = rig.run({"list", "--json"});
    ASSERT_EQ(result.code, 0);
    const QJsonArray units = QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).array();
    ASSERT_EQ(units.size(), 3);
    EXPECT_EQ(units[1].toObject()["serial"].toString(), "SERIAL-PAV-000000000002");
    EXPECT_EQ(units[2].toObject()["access"].toString(), "no access");
    const auto text = rig.run({"list"});
    EXPECT_NE(text.out.find("udev"), std::string::npos);
    const auto denied = rig.run({"--unit", "3", "status"});
    EXPECT_EQ(denied.code, 3);
    EXPECT_NE(denied.err.find("no access"), std::string::npos);
}

TEST(CtlSelection, NoUnitIsExitThree) {
    CtlRig rig;
    EXPECT_EQ(rig.run({"show"}).code, 3);
    EXPECT_EQ(rig.run({"list"}).code, 0);
}

TEST(CtlTalk, SilentUnitEndsWithinTheTimeOutNamingTheStep) {
    CtlRig rig({CtlRig::unitParameters(u"Pavona", "S1")});
    rig.unit(0).unit()->setSilent(true);
    const struct {
        QStringList args;
        const char* step;
    } cases[] = {{{"show"}, "device mode"}, {{"status"}, "Wi-Fi state"}};
    for (const auto& c : cases) {
        QElapsedTimer clock;
        clock.start();
        const auto result = rig.run(c.args);
        EXPECT_EQ(result.code, 1);
        EXPECT_NE(result.err.find(c.step), std::string::npos) << result.err;
        EXPECT_LT(clock.elapsed(), 2500);
    }
}

TEST(CtlTalk, BusyWhileTheWindowProgramRuns) {
    CtlRig rig({CtlRig::unitParameters(u"Pavona", "S1")});
    FileLockMarker window(rig.userMarker());
    ASSERT_EQ(window.hold(), FileLockMarker::Hold::Taken);
    const auto result = rig.run({"status"});
    EXPECT_EQ(result.code, 4);
    EXPECT_TRUE(rig.unit(0).receivedReports().empty());
    EXPECT_EQ(rig.run({"--simulate", "status"}).code, 0);
}

TEST(CtlTalk, ExportKeepsThePasswordPrivateAndTheOldFileOnFailure) {
    CtlRig rig({CtlRig::unitParameters(u"Pavona", "S1")});
    const QString file = rig.path("unit.json");
    ASSERT_EQ(rig.run({"export", "--with-password", file}).code, 0);
    struct stat st {};
    ASSERT_EQ(::stat(file.toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("\"password\": \"12345678\""));
    const auto without = rig.run({"export", "-"});
    EXPECT_EQ(without.out.find("password"), std::string::npos);

    rig.unit(0).unit()->setSilent(true);
    EXPECT_EQ(rig.run({"export", file}).code, 1);
    f.seek(0);
    EXPECT_TRUE(f.readAll().contains("12345678"));
}

TEST(CtlApply, DryRunWritesNothingAndMasksThePassword) {
    CtlRig rig = twoUnits();
    const QString file = rig.path("p.json");
    ASSERT_EQ(rig.run({"--unit", "1", "export", "--with-password", file}).code, 0);
    rig.unit(1).clearReceivedReports();
    const auto dry = rig.run({"--unit", "2", "apply", file, "--dry-run"});
    EXPECT_EQ(dry.code, 0) << dry.err;
    EXPECT_TRUE(CtlRig::writes(rig.unit(1)).empty());
    EXPECT_NE(dry.out.find("01 07 08 ** ** ** ** ** ** ** **"), std::string::npos) << dry.out;
    const auto shown = rig.run({"--unit", "2", "apply", file, "--dry-run", "--with-password"});
    EXPECT_NE(shown.out.find("01 07 08 31 32 33 34 35 36 37 38"), std::string::npos);
}

TEST(CtlApply, SlaveNumberOverride) {
    CtlRig rig({CtlRig::unitParameters(u"Pavona", "S1")});
    const QString file = rig.path("p.json");
    ASSERT_EQ(rig.run({"export", "--with-password", file}).code, 0);
    EXPECT_EQ(rig.run({"apply", file, "--slave-number", "3"}).code, 2) << "refused for a master";

    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QJsonObject p = QJsonDocument::fromJson(f.readAll()).object();
    QJsonObject w = p["wifi"].toObject();
    w["role"] = "slave";
    w["router"] = true;
    w["ssid"] = "Home";
    w["slaveDhcp"] = false;
    p["wifi"] = w;
    const QByteArray staticSlave = QJsonDocument(p).toJson();
    EXPECT_EQ(rig.run({"apply", "-", "--slave-number", "3"}, staticSlave).code, 2) << "needs --slave-ip";
    EXPECT_TRUE(CtlRig::writes(rig.unit(0)).empty());
    const auto done = rig.run({"apply", "-", "--slave-number", "3", "--slave-ip", "10.1.1.3"}, staticSlave);
    ASSERT_EQ(done.code, 0) << done.err << done.out;
    EXPECT_EQ(rig.unit(0).unit()->value(CmdSlaveNumber), sim::VirtualUnit::Bytes{2});
    EXPECT_EQ(rig.unit(0).unit()->value(CmdSlaveIp), (sim::VirtualUnit::Bytes{10, 1, 1, 3}));
}

// An interrupt closes an open write group and starts no new one; what follows a closed group (the
// module's restart) still goes out.
TEST(CtlApply, AnInterruptedApplyLeavesNoGroupOpenAndTheModuleOn) {
    struct Case {
        const char* when;
        std::uint8_t code;        // the interrupt arrives while a report of this code goes out
        int firstPayload;         // and this first payload byte, or -1 for any
        std::uint8_t lastCode;    // the last report written
        std::uint8_t lastPayload; // and its first payload byte
    };
    const Case cases[] = {
        {"while the network name goes out", CmdSsid, -1, CmdWriteSession, kWriteSessionEnd},
        {"while the module is switched off", CmdModuleSwitch, kModuleOff, CmdModuleSwitch, kModuleOn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.when);
        CtlRig rig({CtlRig::unitParameters(u"Pavona", "S1")});
        const QString file = rig.path("p.json");
        ASSERT_EQ(rig.run({"export", "--with-password", file}).code, 0);
        rig.unit(0).setFailingWrites([&c](std::span<const std::uint8_t> report) {
            if (report.size() > 3 && report[1] == c.code &&
                (c.firstPayload < 0 || report[3] == c.firstPayload))
                ctl::setInterrupted(true);
            return false;
        });
        const auto result = rig.run({"apply", file});
        ctl::setInterrupted(false);
        EXPECT_EQ(result.code, 1);
        // one group, the Wi-Fi one, opened and closed; the fan group never started
        EXPECT_EQ(rig.unit(0).unit()->writeSessionFlags(), (sim::VirtualUnit::Bytes{1, 0}));
        const auto writes = CtlRig::writes(rig.unit(0));
        ASSERT_FALSE(writes.empty());
        EXPECT_EQ(writes.back()[1], c.lastCode);
        EXPECT_EQ(writes.back()[3], c.lastPayload);
    }
}

TEST(CtlApply, AStalledUnitFailsTheApply) {
    CtlRig rig({CtlRig::unitParameters(u"Pavona", "S1")});
    const QString file = rig.path("p.json");
    ASSERT_EQ(rig.run({"export", "--with-password", file}).code, 0);
    rig.unit(0).setWriteStall(std::chrono::milliseconds(1500));
    EXPECT_EQ(rig.run({"apply", file}).code, 1);
}

TEST(CtlCommands, UsageErrors) {
    CtlRig rig({CtlRig::unitParameters(u"Pavona", "S1")});
    const QStringList cases[] = {{},
                                 {"frobnicate"},
                                 {"show", "--dry-run"},
                                 {"export"},
                                 {"status", "extra"},
                                 {"--unit", "1", "--serial", "x", "show"},
                                 {"show", "--unit"}};
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(rig.run(args).code, 2);
    }
    EXPECT_TRUE(rig.unit(0).receivedReports().empty());
    const auto version = rig.run({"--version"});
    EXPECT_EQ(version.out, "1.1.2.11\n");
    const auto help = rig.run({"apply", "--help"});
    EXPECT_NE(help.out.find("--slave-number"), std::string::npos);
    EXPECT_NE(help.out.find("4  the window program"), std::string::npos);
}

TEST(CtlCommands, StatusRestoreResetAndSearch) {
    sim::FactoryParameters p = CtlRig::unitParameters(u"Pavona", "S1");
    p.settings.filterSeconds = 2 * 86400 + 3 * 3600 + 4 * 60 + 5;
    p.networks = {{"Home-5G"}, {"Office"}};
    CtlRig rig({p});
    const auto status = rig.run({"status"});
    EXPECT_NE(status.out.find("filter 2 d 3 h 4 min"), std::string::npos) << status.out;
    ASSERT_EQ(rig.run({"reset-filter"}).code, 0);
    const auto json = rig.run({"status", "--json"});
    EXPECT_LT(QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object()["filterSeconds"].toInt(),
              5);

    rig.unit(0).unit()->setValue(CmdWifiChannel, {3});
    ASSERT_EQ(rig.run({"restore"}).code, 0);
    EXPECT_EQ(rig.unit(0).unit()->value(CmdWifiChannel), sim::VirtualUnit::Bytes{11});

    const auto search = rig.run({"search", "--json"});
    EXPECT_EQ(search.code, 0) << search.err;
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(search.out)).array(),
              (QJsonArray{"Home-5G", "Office"}));
    EXPECT_FALSE(rig.unit(0).unit()->searching());
}

TEST(CtlCommands, StatusWatchEndsWhenTheUnitGoesAway) {
    CtlRig rig({CtlRig::unitParameters(u"Pavona", "S1")});
    QTimer::singleShot(1500, [&] { rig.platform().unplug(rig.platform().interfaces().front()); });
    const auto result = rig.run({"status", "--watch", "--json"});
    EXPECT_EQ(result.code, 3);
    EXPECT_GE(std::count(result.out.begin(), result.out.end(), '\n'), 2);
}

} // namespace
