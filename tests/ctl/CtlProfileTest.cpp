#include "CtlRig.h"
#include "ProfileSamples.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <gtest/gtest.h>

using namespace breezekit;
using namespace breezekit::testing;

namespace {

struct InvalidCase {
    const char* name;
    ProfileEdit edit;
    std::vector<std::string> named; // each problem line expected, by its start
};

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

} // namespace
