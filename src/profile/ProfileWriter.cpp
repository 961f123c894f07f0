#include "profile/Profile.h"
#include "profile/ProfileChecks.h"
#include "profile/ProfileFields.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Conversions.h"
#include "protocol/core/Encodings.h"
#include "protocol/core/Limits.h"

#include <QJsonArray>
#include <optional>

namespace breezekit::profile {

namespace {

QString textOf(const std::u16string& latin1) {
    return QString::fromStdU16String(latin1);
}

QString dotted(const std::u16string& payload) {
    return QString::fromStdString(dottedIpv4(payload));
}

class Exporter {
  public:
    QJsonArray problems;

    QJsonValue raw(const char* field, std::uint32_t value) {
        problems.append(
            QStringLiteral("%1: the unit reports %2, outside the profile's values").arg(field).arg(value));
        return QJsonObject{{"raw", static_cast<qint64>(value)}};
    }
    QJsonValue flag(const char* field, std::uint8_t value) {
        if (const std::optional<bool> on = oneOrZero(value)) return *on;
        return raw(field, value);
    }
    QJsonValue named(const char* field, std::uint8_t value, const char* ifOne, const char* ifZero) {
        if (const std::optional<bool> one = oneOrZero(value))
            return QString::fromLatin1(*one ? ifOne : ifZero);
        return raw(field, value);
    }
    QJsonValue threshold(const char* field, std::uint8_t value, ThresholdRange range) {
        if (value % kThresholdStep == 0 && value >= range.minimum && value <= range.maximum) return value;
        return raw(field, value);
    }
    QJsonValue timer(const char* field, std::uint32_t seconds) {
        // a time field holds whole minutes of one day; anything else would change on the way back
        if (seconds < kSecondsPerDay && seconds % kSecondsPerMinute == 0)
            return QString::fromStdString(timeText(timeOfSeconds(seconds)));
        return raw(field, seconds);
    }
};

} // namespace

QJsonObject profileOf(const UnitValues& values, const std::string& model, const std::string& serial,
                      bool withPassword) {
    const DeviceSettings& s = values.settings;
    Exporter e;
    QJsonObject wifi;
    const std::optional<bool> master = oneOrZero(s.DeviceMode);
    wifi["role"] = master ? QJsonValue(*master ? "master" : "slave") : e.raw("wifi.role", s.DeviceMode);
    if (const std::optional<bool> router = withRouterOf(s))
        wifi["router"] = *router;
    else
        wifi["router"] = e.raw("wifi.router", s.ConnectionType);
    wifi["ssid"] = textOf(s.Ssid);
    if (withPassword) wifi["password"] = textOf(s.Password);
    if (const std::optional<int> item = securityItemOfDigit(s.SecurityCode))
        wifi["security"] = latin1(kSecurityTypes[static_cast<std::size_t>(*item)].name);
    else
        wifi["security"] = e.raw("wifi.security", s.SecurityCode);
    wifi["channel"] =
        channelItemOfNumber(s.WifiChannel) ? QJsonValue(s.WifiChannel) : e.raw("wifi.channel", s.WifiChannel);
    if (const std::optional<int> item = slaveItemOfNumber(s.SlaveNumber))
        wifi["slaveNumber"] = *item + 1;
    else
        wifi["slaveNumber"] = e.raw("wifi.slaveNumber", s.SlaveNumber);
    wifi["slaveDhcp"] = e.flag("wifi.slaveDhcp", s.SlaveDhcp);
    wifi["slaveIp"] = dotted(s.SlaveIp);
    wifi["masterIp"] = dotted(s.MasterIp);
    wifi["gateway"] = dotted(s.Gateway);

    QJsonObject fan;
    fan["offAllowed"] = e.flag("fan.offAllowed", s.OffAllowed);
    fan["direction"] = e.named("fan.direction", s.Direction, "exhaust", "supply");
    fan["humidityScenario"] =
        e.named("fan.humidityScenario", s.HumidityScenario, "boost-and-exhaust", "boost-current");
    fan["humiditySensor"] = e.flag("fan.humiditySensor", s.HumiditySensorOn);
    fan["relaySensor"] = e.flag("fan.relaySensor", s.RelaySensorOn);
    fan["analogSensor"] = e.flag("fan.analogSensor", s.AnalogSensorOn);
    fan["humidityThreshold"] = e.threshold("fan.humidityThreshold", s.HumidityThreshold, kHumidityThresholds);
    fan["analogThreshold"] = e.threshold("fan.analogThreshold", s.AnalogThreshold, kAnalogThresholds);
    fan["nightTimer"] = e.timer("fan.nightTimer", values.nightTimerSeconds);
    fan["partyTimer"] = e.timer("fan.partyTimer", values.partyTimerSeconds);
    fan["turnOffDelay"] = e.timer("fan.turnOffDelay", values.turnOffDelaySeconds);

    QJsonObject profile{{"format", kProfileFormat},
                        {"version", kProfileVersion},
                        {"model", QString::fromStdString(model)},
                        {"serial", QString::fromStdString(serial)},
                        {"wifi", wifi},
                        {"fan", fan}};
    if (!e.problems.isEmpty()) profile["problems"] = e.problems;
    return profile;
}

} // namespace breezekit::profile
