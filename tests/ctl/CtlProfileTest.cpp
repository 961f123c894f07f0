#include "CtlRig.h"
#include "ctl/Profile.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <gtest/gtest.h>

using namespace breezekit;
using breezekit::testing::CtlRig;

namespace {

QJsonObject validProfile() {
    return QJsonObject{{"format", "breezekit-profile"},
                       {"version", 1},
                       {"model", "Pavona MOX"},
                       {"serial", "X"},
                       {"wifi", QJsonObject{{"role", "master"},
                                            {"router", false},
                                            {"ssid", "BreezeKit-AP"},
                                            {"password", "secret-pass"},
                                            {"security", "WPA2_PSK"},
                                            {"channel", 6},
                                            {"slaveNumber", 1},
                                            {"slaveDhcp", true},
                                            {"slaveIp", "192.168.4.2"},
                                            {"masterIp", "192.168.4.1"},
                                            {"gateway", "192.168.4.1"}}},
                       {"fan", QJsonObject{{"offAllowed", true},
                                           {"direction", "supply"},
                                           {"humidityScenario", "boost-current"},
                                           {"humiditySensor", true},
                                           {"relaySensor", false},
                                           {"analogSensor", true},
                                           {"humidityThreshold", 55},
                                           {"analogThreshold", 20},
                                           {"nightTimer", "01:30"},
                                           {"partyTimer", "00:45"},
                                           {"turnOffDelay", "00:05"}}}};
}

using Edit = std::function<void(QJsonObject& wifi, QJsonObject& fan, QJsonObject& top)>;

struct InvalidCase {
    const char* name;
    Edit edit;
    std::vector<std::string> named; // each problem line expected, by its start
};

QByteArray edited(const Edit& edit) {
    QJsonObject top = validProfile();
    QJsonObject wifi = top["wifi"].toObject();
    QJsonObject fan = top["fan"].toObject();
    edit(wifi, fan, top);
    top["wifi"] = wifi;
    top["fan"] = fan;
    return QJsonDocument(top).toJson();
}

void slave(QJsonObject& w, bool router) {
    w["role"] = "slave";
    w["router"] = router;
    w["ssid"] = router ? "Home-5G" : "BreezeKit-0587";
}

const std::vector<InvalidCase> kInvalid = {
    {"name too long",
     [](auto& w, auto&, auto&) {
         slave(w, true);
         w["ssid"] = QString(43, 'n');
     },
     {"wifi.ssid: 43 characters, at most 32"}},
    {"name empty",
     [](auto& w, auto&, auto&) {
         w["router"] = true;
         w["masterIp"] = "10.0.0.2";
         w["ssid"] = "";
     },
     {"wifi.ssid: empty"}},
    {"name above U+00FF",
     [](auto& w, auto&, auto&) { w["ssid"] = QStringLiteral("Caf\u0100"); },
     {"wifi.ssid: character U+0100"}},
    {"name with a control character",
     [](auto& w, auto&, auto&) { w["ssid"] = "Home\n"; },
     {"wifi.ssid: control character U+000A"}},
    {"short password of a secured access point",
     [](auto& w, auto&, auto&) { w["password"] = "short"; },
     {"wifi.password: 5 characters, at least 8"}},
    {"password too long",
     [](auto& w, auto&, auto&) {
         slave(w, true);
         w["password"] = QString(61, 'p');
     },
     {"wifi.password: 61 characters, at most 60"}},
    {"fractional channel",
     [](auto& w, auto&, auto&) { w["channel"] = 6.5; },
     {"wifi.channel: must be a whole"}},
    {"channel as text", [](auto& w, auto&, auto&) { w["channel"] = "6"; }, {"wifi.channel: must be a whole"}},
    {"channel out of range",
     [](auto& w, auto&, auto&) { w["channel"] = 14; },
     {"wifi.channel: 14 is outside"}},
    {"huge channel", [](auto& w, auto&, auto&) { w["channel"] = 1e300; }, {"wifi.channel:"}},
    {"slave number 33",
     [](auto& w, auto&, auto&) { w["slaveNumber"] = 33; },
     {"wifi.slaveNumber: 33 is outside"}},
    {"unknown key", [](auto& w, auto&, auto&) { w["colour"] = "red"; }, {"wifi.colour: unknown key"}},
    {"unknown security",
     [](auto& w, auto&, auto&) { w["security"] = "WEP"; },
     {"wifi.security: must be one of"}},
    {"master address without router",
     [](auto& w, auto&, auto&) { w["masterIp"] = "10.0.0.1"; },
     {"wifi.masterIp: must be 192.168.4.1"}},
    {"bad address",
     [](auto& w, auto&, auto&) { w["slaveIp"] = "300.1.1.1"; },
     {"wifi.slaveIp: must be an address"}},
    {"static slave without router",
     [](auto& w, auto&, auto&) {
         slave(w, false);
         w["slaveDhcp"] = false;
     },
     {"wifi.slaveDhcp: must be true"}},
    {"slave router disagrees with name",
     [](auto& w, auto&, auto&) {
         slave(w, true);
         w["ssid"] = "BreezeKit-1";
     },
     {"wifi.router:"}},
    {"missing role", [](auto& w, auto&, auto&) { w.remove("role"); }, {"wifi.role: missing"}},
    {"raw security read by an access point",
     [](auto& w, auto&, auto&) {
         w["security"] = QJsonObject{{"raw", 0}};
     },
     {"wifi.security: the raw value"}},
    {"raw slave number of a slave",
     [](auto& w, auto&, auto&) {
         slave(w, true);
         w["slaveNumber"] = QJsonObject{{"raw", 40}};
     },
     {"wifi.slaveNumber: the raw value"}},
    {"raw threshold",
     [](auto&, auto& f, auto&) {
         f["humidityThreshold"] = QJsonObject{{"raw", 72}};
     },
     {"fan.humidityThreshold: the raw value"}},
    {"threshold off the step",
     [](auto&, auto& f, auto&) { f["humidityThreshold"] = 72; },
     {"fan.humidityThreshold: 72 is not a multiple of 5"}},
    {"analog threshold zero",
     [](auto&, auto& f, auto&) { f["analogThreshold"] = 0; },
     {"fan.analogThreshold: 0"}},
    {"timer out of a day",
     [](auto&, auto& f, auto&) { f["nightTimer"] = "25:00"; },
     {"fan.nightTimer: must be"}},
    {"unknown direction",
     [](auto&, auto& f, auto&) { f["direction"] = "up"; },
     {"fan.direction: must be one of"}},
    {"flag as number",
     [](auto&, auto& f, auto&) { f["relaySensor"] = 1; },
     {"fan.relaySensor: must be true"}},
    {"other format", [](auto&, auto&, auto& t) { t["format"] = "other"; }, {"format: must be"}},
    {"every problem at once",
     [](auto& w, auto& f, auto&) {
         w["channel"] = 0;
         f["analogThreshold"] = 101;
         w["gateway"] = 5;
     },
     {"wifi.channel:", "wifi.gateway:", "fan.analogThreshold:"}},
};

TEST(CtlProfile, InvalidProfilesAreRefusedNamingEveryFieldAndWriteNothing) {
    CtlRig rig({CtlRig::unitParameters(u"Pavona MOX", "A1")});
    for (const InvalidCase& c : kInvalid) {
        SCOPED_TRACE(c.name);
        rig.unit(0).clearReceivedReports();
        const auto result = rig.run({"apply", "-"}, edited(c.edit));
        EXPECT_EQ(result.code, 2);
        for (const std::string& line : c.named)
            EXPECT_NE(result.err.find(line), std::string::npos) << result.err;
        EXPECT_TRUE(rig.unit(0).receivedReports().empty());
    }
    const auto notJson = rig.run({"apply", "-"}, "{\"format\": ");
    EXPECT_EQ(notJson.code, 2);
    EXPECT_NE(notJson.err.find("profile: not JSON"), std::string::npos);
}

TEST(CtlProfile, AcceptsTheEdgesOfEachRule) {
    const struct {
        const char* name;
        Edit edit;
    } cases[] = {
        {"a long access point name", [](auto& w, auto&, auto&) { w["ssid"] = QString(40, 'a'); }},
        {"an open access point without password",
         [](auto& w, auto&, auto&) {
             w["security"] = "OPEN";
             w["password"] = "";
         }},
        {"no password at all", [](auto& w, auto&, auto&) { w.remove("password"); }},
        {"no master address without router", [](auto& w, auto&, auto&) { w.remove("masterIp"); }},
        {"raw values the combination does not read",
         [](auto& w, auto&, auto&) {
             slave(w, true);
             w["channel"] = QJsonObject{{"raw", 0}};
             w["security"] = QJsonObject{{"raw", 0}};
         }},
        {"Latin-1 name", [](auto& w, auto&, auto&) { w["ssid"] = QStringLiteral("Caf\u00e9"); }},
        {"thresholds at their ends",
         [](auto&, auto& f, auto&) {
             f["humidityThreshold"] = 80;
             f["analogThreshold"] = 5;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ctl::ParsedProfile parsed = ctl::parseProfile(edited(c.edit));
        EXPECT_TRUE(parsed.errors.empty()) << (parsed.errors.empty() ? "" : parsed.errors.front());
    }
}

TEST(CtlProfile, DuplicateKeysKeepTheLast) {
    QByteArray json = QJsonDocument(validProfile()).toJson(QJsonDocument::Compact);
    json.replace("\"channel\":6", "\"channel\":6,\"channel\":9");
    const ctl::ParsedProfile parsed = ctl::parseProfile(json);
    ASSERT_TRUE(parsed.errors.empty());
    EXPECT_EQ(parsed.values.settings.WifiChannel, 9);
}

TEST(CtlProfile, UnusualValuesExportAsRawAndReadBackUnchanged) {
    ctl::UnitValues v;
    DeviceSettings& s = v.settings;
    s.DeviceMode = kRoleMaster;
    s.ConnectionType = kConnectionWithRouter;
    s.Ssid = u"Home";
    s.WifiChannel = 0;
    s.SecurityCode = 0;
    s.SlaveNumber = 40;
    s.SlaveDhcp = 1;
    s.SlaveIp = s.MasterIp = s.Gateway = ipv4Payload({10, 0, 0, 1});
    s.HumidityThreshold = 72;
    s.AnalogThreshold = 50;
    v.nightTimerSeconds = 90000;
    const QJsonObject profile = ctl::profileOf(v, "Pavona", "S", false);
    EXPECT_EQ(profile["wifi"].toObject()["channel"], QJsonValue(QJsonObject{{"raw", 0}}));
    EXPECT_EQ(profile["wifi"].toObject()["slaveNumber"], QJsonValue(QJsonObject{{"raw", 40}}));
    EXPECT_EQ(profile["fan"].toObject()["nightTimer"], QJsonValue(QJsonObject{{"raw", 90000}}));
    EXPECT_EQ(profile["problems"].toArray().size(), 5);
    const ctl::ParsedProfile parsed = ctl::parseProfile(QJsonDocument(profile).toJson());
    EXPECT_EQ(parsed.values.settings.WifiChannel, 0);
    EXPECT_EQ(parsed.values.settings.SecurityCode, 0);
    EXPECT_EQ(parsed.values.settings.SlaveNumber, 40);
    EXPECT_EQ(parsed.values.nightTimerSeconds, 90000u);
    // the fan apply sends the thresholds and timers from its controls: those raw values cannot go back
    ASSERT_EQ(parsed.errors.size(), 2u);
    EXPECT_EQ(parsed.errors[0].rfind("fan.humidityThreshold", 0), 0u);
    EXPECT_EQ(parsed.errors[1].rfind("fan.nightTimer", 0), 0u);
}

} // namespace
