#include "profile/Profile.h"

#include "ProfileSamples.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Encodings.h"

#include <QJsonArray>
#include <gtest/gtest.h>

using namespace breezekit;
using namespace breezekit::testing;

namespace {

TEST(Profile, AcceptsTheEdgesOfEachRule) {
    const struct {
        const char* name;
        ProfileEdit edit;
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
        const profile::ParsedProfile parsed = profile::parseProfile(edited(c.edit));
        EXPECT_TRUE(parsed.errors.empty()) << (parsed.errors.empty() ? "" : parsed.errors.front());
    }
}

TEST(Profile, DuplicateKeysKeepTheLast) {
    QByteArray json = QJsonDocument(validProfile()).toJson(QJsonDocument::Compact);
    json.replace("\"channel\":6", "\"channel\":6,\"channel\":9");
    const profile::ParsedProfile parsed = profile::parseProfile(json);
    ASSERT_TRUE(parsed.errors.empty());
    EXPECT_EQ(parsed.values.settings.WifiChannel, 9);
}

TEST(Profile, UnusualValuesExportAsRawAndReadBackUnchanged) {
    UnitValues v;
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
    const QJsonObject profile = profile::profileOf(v, "Pavona", "S", false);
    EXPECT_EQ(profile["wifi"].toObject()["channel"], QJsonValue(QJsonObject{{"raw", 0}}));
    EXPECT_EQ(profile["wifi"].toObject()["slaveNumber"], QJsonValue(QJsonObject{{"raw", 40}}));
    EXPECT_EQ(profile["fan"].toObject()["nightTimer"], QJsonValue(QJsonObject{{"raw", 90000}}));
    EXPECT_EQ(profile["problems"].toArray().size(), 5);
    const profile::ParsedProfile parsed = profile::parseProfile(QJsonDocument(profile).toJson());
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
